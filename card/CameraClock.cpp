// SPDX-License-Identifier: MIT
#include "card/CameraClock.h"

namespace quorvex::camera_menu {

ClockFields clockFieldsAt(const ui::LocalTime& now) {
    return {now.year > kLastClockYear    ? kLastClockYear
            : now.year < kFirstClockYear ? kDefaultClockYear
                                         : now.year,
            now.month,
            now.day,
            now.hour,
            now.minute,
            now.second};
}

} // namespace quorvex::camera_menu
