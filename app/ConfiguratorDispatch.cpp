// SPDX-License-Identifier: MIT
#include "app/ConfiguratorDispatch.h"

#include "core/ModelCatalogue.h"

namespace quorvex {

std::string_view configuratorClass(int modelId, Configurator button) {
    const ModelFacts& forms = modelFacts(modelId);
    switch (button) {
    case Configurator::Camera:
        return forms.cameraClass;
    case Configurator::Mms:
        return forms.mmsClass;
    case Configurator::Smtp:
        return forms.smtpClass;
    }
    return {};
}

bool configuratorEnabled(int modelId, Configurator button) {
    return !configuratorClass(modelId, button).empty();
}

} // namespace quorvex
