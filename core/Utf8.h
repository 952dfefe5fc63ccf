// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvex::ui {

// The characters of a UTF-8 text, one string each (a malformed byte counts as one character).
std::vector<std::string> splitUtf8(std::string_view text);
std::size_t utf8Length(std::string_view text);

// UTF-16 units of a text, as edit limits count them (a malformed byte counts as one unit).
std::size_t utf16Length(std::string_view text);

// A character as a keyboard types it into a single-line edit: a malformed sequence arrives as
// U+FFFD; control characters (C0, DEL, C1) insert nothing and give an empty text.
std::string typedCharacter(std::string_view character);

} // namespace quorvex::ui
