// SPDX-License-Identifier: MIT
#pragma once

namespace quorvex::ui {

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The local clock of this machine.
LocalTime systemLocalTime();

} // namespace quorvex::ui
