// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvex::inspect {

// "1 minute", "30 seconds": a count with its unit, singular for one.
std::string countWithUnit(long long count, std::string_view singular, std::string_view plural);

// "2024-03-15 14:05:09".
std::string clockText(int year, int month, int day, int hour, int minute, int second);

} // namespace quorvex::inspect
