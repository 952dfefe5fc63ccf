// SPDX-License-Identifier: MIT
#pragma once

#include "core/ModelCatalogue.h"

#include <optional>
#include <variant>

namespace quorvex {

enum class Configurator { Camera, Mms, Smtp };

// A configurator: one of the camera forms, the MMS forms or the SMTP forms.
using FormKind = std::variant<CameraForm, MmsForm, SmtpLayout>;

// The form a main-window button opens for a ModelId (any value outside 1-17 opens the generic
// forms); none where the model has no such form.
std::optional<FormKind> configuratorForm(int modelId, Configurator button);

// "Camera Setup" is always enabled; MMS and SMTP by model.
bool configuratorEnabled(int modelId, Configurator button);

} // namespace quorvex
