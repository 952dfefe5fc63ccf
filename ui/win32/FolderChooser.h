// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quorvex::ui::win32 {

// The system's folder chooser over `owner`, opening at `startFolder`; a path typed into it is
// taken as well. nullopt when cancelled or when the choice is no file-system folder.
std::optional<std::string> chooseFolderNative(HWND owner, const std::string& startFolder);

} // namespace quorvex::ui::win32
