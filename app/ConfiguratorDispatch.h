// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quorvex {

enum class Configurator { Camera, Mms, Smtp };

// The configurator class a main-window button opens for a ModelId (any value outside 1-17 opens
// the generic classes).
std::string_view configuratorClass(int modelId, Configurator button);

// "Camera Setup" is always enabled; MMS and SMTP by model.
bool configuratorEnabled(int modelId, Configurator button);

} // namespace quorvex
