// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// Plain ASCII: the same bytes in every code page, so such a text reaches the camera unchanged.
constexpr bool isAsciiText(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x7F)
            return false;
    return true;
}

// The narrow code page of the texts in setup.dat and smtp.dat. The cameras read IBM code page
// 437, so every machine converts with the same fixed table instead of whatever its own OEM code
// page happens to be. ASCII maps to itself.
enum class OemFault {
    None,
    InvalidUtf8, // the input is not well-formed UTF-8
    NoOemForm,   // a character code page 437 cannot represent (Chinese, Cyrillic, emoji ...)
    EmbeddedNul, // the camera reads texts up to their NUL, so a NUL would cut the text short
    TooLong,     // more bytes than the record holds
};

struct OemText {
    std::string bytes; // the code page 437 bytes when ok()
    OemFault fault = OemFault::None;
    std::size_t position = 0;   // 0-based character index of the offending character
    std::size_t byteOffset = 0; // where that character starts in the UTF-8 input
    char32_t character = 0;     // the offending character (U+FFFD for undecodable bytes)

    bool ok() const { return fault == OemFault::None; }
};

// Converts all or nothing: a character without a code page 437 form is never replaced by "?",
// the result names it instead, so the form can refuse the field.
OemText toOemCodePage(std::string_view utf8,
                      std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// The byte for one character, if code page 437 has it (U+0000 included).
std::optional<std::uint8_t> oemByteFor(char32_t character);

// The character a code page 437 byte stands for.
char32_t characterForOemByte(std::uint8_t byte);

} // namespace quorvex
