// SPDX-License-Identifier: MIT
#pragma once

#include "ui/ScriptedHost.h"

#include <memory>

namespace quorvex::ui::win32 {

// The driver's host on native windows: every user action goes through the controls as a
// person's would (keys, clicks, the list's drop-down). Message boxes are written to the
// transcript and accepted at once; the folder chooser answers from the queue.
std::unique_ptr<ScriptedHost> makeWin32ScriptedHost(Transcript& transcript);

} // namespace quorvex::ui::win32
