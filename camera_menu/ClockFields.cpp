// SPDX-License-Identifier: MIT
#include "camera_menu/ClockFields.h"

#include <cstdio>

namespace quorvex::camera_menu {

void readLocalClock(ClockFields& fields, ui::DialogHost& host) {
    fields = clockFieldsAt(host.localTime());
}

std::optional<std::string> clockText(const ClockFields& f, int dateFormatPosition) {
    char text[64];
    switch (dateFormatPosition) {
    case 0:
        std::snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", f.year, f.month, f.day,
                      f.hour, f.minute, f.second);
        break;
    case 1:
        std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", f.month, f.day, f.year,
                      f.hour, f.minute, f.second);
        break;
    case 2:
        std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", f.day, f.month, f.year,
                      f.hour, f.minute, f.second);
        break;
    default:
        return std::nullopt;
    }
    return std::string(text);
}

std::string yearFirstClockText(const ClockFields& fields) {
    return *clockText(fields, 0);
}

} // namespace quorvex::camera_menu
