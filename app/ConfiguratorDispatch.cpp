// SPDX-License-Identifier: MIT
#include "app/ConfiguratorDispatch.h"

namespace quorvex {

std::optional<FormKind> configuratorForm(int modelId, Configurator button) {
    const ModelFacts& forms = modelFacts(modelId);
    switch (button) {
    case Configurator::Camera:
        return forms.camera;
    case Configurator::Mms:
        if (forms.mms)
            return *forms.mms;
        break;
    case Configurator::Smtp:
        if (forms.smtp)
            return *forms.smtp;
        break;
    }
    return std::nullopt;
}

bool configuratorEnabled(int modelId, Configurator button) {
    return configuratorForm(modelId, button).has_value();
}

} // namespace quorvex
