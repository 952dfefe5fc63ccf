// SPDX-License-Identifier: MIT
#pragma once

#include "ui/ScriptedHost.h"

#include <memory>

namespace quorvex::ui {

// The driver's host on real Qt windows: every user action goes through the widgets as a
// person's would (keys, clicks, the list's popup). Message boxes are written to the transcript
// and accepted at once; the folder chooser answers from the queue. Creates the QApplication
// (offscreen when there is no display) unless one exists.
std::unique_ptr<ScriptedHost> makeQtScriptedHost(Transcript& transcript, int& argc, char** argv);

} // namespace quorvex::ui
