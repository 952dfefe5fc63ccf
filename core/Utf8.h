// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::ui {

// One character of a UTF-8 text as decodeUtf8At reads it.
struct Utf8Char {
    char32_t codePoint = 0xFFFD; // U+FFFD when not valid
    std::size_t length = 1;      // bytes it takes in the text
    bool valid = false;          // well-formed: shortest form, no surrogate, nothing above U+10FFFF
};

// The character that starts at byte `at` (< text.size()), the one UTF-8 decoder of the program.
// `length` spans every byte the lead byte announces as long as they are all continuation bytes,
// even when the result is not valid (an overlong form, a surrogate, a value above U+10FFFF); a
// stray continuation byte, a byte that starts nothing and a cut-short sequence take one byte.
Utf8Char decodeUtf8At(std::string_view text, std::size_t at);

// The UTF-8 form of a valid code point.
void appendUtf8(std::string& out, char32_t codePoint);

// The characters of a UTF-8 text, one string each (a malformed byte counts as one character).
std::vector<std::string> splitUtf8(std::string_view text);
std::size_t utf8Length(std::string_view text);

// UTF-16 units of a text, as edit limits count them (a malformed byte counts as one unit).
std::size_t utf16Length(std::string_view text);

// A character as a keyboard types it into a single-line edit: a malformed sequence arrives as
// U+FFFD; control characters (C0, DEL, C1) insert nothing and give an empty text.
std::string typedCharacter(std::string_view character);

} // namespace quorvex::ui
