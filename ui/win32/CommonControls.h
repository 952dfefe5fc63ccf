// SPDX-License-Identifier: MIT
#pragma once

namespace quorvex::ui::win32 {

// Registers the common controls the windows use (version 6 where the manifest asks for it).
void initCommonControls();

} // namespace quorvex::ui::win32
