// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvex::ui {

// The characters of a UTF-8 text, one string each (a malformed byte counts as one character).
std::vector<std::string> splitUtf8(std::string_view text);
std::size_t utf8Length(std::string_view text);

} // namespace quorvex::ui
