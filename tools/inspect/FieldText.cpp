// SPDX-License-Identifier: MIT
#include "tools/inspect/FieldText.h"

#include <cstdio>

namespace quorvex::inspect {

std::string countWithUnit(long long count, std::string_view singular, std::string_view plural) {
    return std::to_string(count) + " " + std::string(count == 1 ? singular : plural);
}

std::string clockText(int year, int month, int day, int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour,
                  minute, second);
    return text;
}

} // namespace quorvex::inspect
