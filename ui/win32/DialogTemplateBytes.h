// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

#include <cstdint>
#include <vector>

namespace quorvex::ui::win32 {

// The native form of one of our templates: an extended dialog template (DLGTEMPLATEEX) in
// memory, in the dialog font, for DialogBoxIndirectParamW. Controls keep their template order,
// which is the tab order.
std::vector<std::uint16_t> dialogTemplateBytes(const DialogTemplate& dialog);

// The window style of each control kind and its flags, as the template above gives it.
std::uint32_t controlStyle(const ControlSpec& control);

// Resource numbers of the icons built into the programs.
inline constexpr int kAboutIconResource = 166;

} // namespace quorvex::ui::win32
