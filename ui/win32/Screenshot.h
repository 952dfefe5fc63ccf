// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace quorvex::ui::win32 {

// Writes a PNG of the window as it is on the screen, frame and title included; false with a
// reason when it cannot.
bool writeWindowPng(HWND window, const std::string& path, std::string& reason);

} // namespace quorvex::ui::win32
