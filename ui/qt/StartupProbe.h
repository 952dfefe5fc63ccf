// SPDX-License-Identifier: MIT
#pragma once

namespace quorvex::ui {

// For the start-up benchmark: when QUORVEX_STARTUP_PROBE is set, the program prints the
// monotonic clock (in nanoseconds) once its first window has been painted, then that window's
// width and height in pixels, and exits at once.
// Otherwise does nothing. Call after the QApplication exists.
void installStartupProbeIfAsked();

} // namespace quorvex::ui
