// SPDX-License-Identifier: MIT
#pragma once

#include "core/LocalTime.h"

namespace quorvex::camera_menu {

// The camera counts years from 2010 to 2031 (the year byte holds year - 2010); it starts in 2011.
inline constexpr int kFirstClockYear = 2010;
inline constexpr int kLastClockYear = 2031;
inline constexpr int kDefaultClockYear = 2011;

// A clock reading as a camera record stores it (bytes 14-19).
struct ClockFields {
    int year = kDefaultClockYear;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// A year after the camera's last becomes its last; an earlier one its default year, not the
// first it can hold.
ClockFields clockFieldsAt(const ui::LocalTime& now);

} // namespace quorvex::camera_menu
