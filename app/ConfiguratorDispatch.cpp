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
        if (!forms.smtp)
            return {};
        return *forms.smtp == SmtpLayout::P4 ? "CQuorvexP4Smtp" : "CQuorvexK4Smtp";
    }
    return {};
}

bool configuratorEnabled(int modelId, Configurator button) {
    return !configuratorClass(modelId, button).empty();
}

} // namespace quorvex
