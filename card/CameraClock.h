// SPDX-License-Identifier: MIT
#pragma once

#include "core/LocalTime.h"

namespace quorvex::camera_menu {

// A clock reading as a camera record stores it (bytes 14-19).
struct ClockFields {
    int year = 2011;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The camera counts years from 2010 to 2031; a later year becomes 2031 and an earlier one 2011
// (the camera's own default year, not the first it can hold).
ClockFields clockFieldsAt(const ui::LocalTime& now);

} // namespace quorvex::camera_menu
