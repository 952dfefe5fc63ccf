// SPDX-License-Identifier: MIT
#include "card/CameraClock.h"

namespace quorvex::camera_menu {

ClockFields clockFieldsAt(const ui::LocalTime& now) {
    return {now.year > 2031   ? 2031
            : now.year < 2010 ? 2011
                              : now.year,
            now.month,
            now.day,
            now.hour,
            now.minute,
            now.second};
}

} // namespace quorvex::camera_menu
