// SPDX-License-Identifier: MIT
#include "core/Utf8.h"

namespace quorvex::ui {

namespace {

// Bytes of the sequence a lead byte announces; 1 for ASCII and for bytes that start none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace

Utf8Char decodeUtf8At(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const std::size_t length = sequenceLength(byte(0));
    if (length == 1)
        return byte(0) < 0x80 ? Utf8Char{byte(0), 1, true} : Utf8Char{};
    if (text.size() - at < length)
        return {};
    char32_t cp = byte(0) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {U'\uFFFD', length, false};
    return {cp, length, true};
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::vector<std::string> splitUtf8(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = decodeUtf8At(text, i).length;
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); i += decodeUtf8At(text, i).length)
        ++characters;
    return characters;
}

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = decodeUtf8At(text, i).length;
        units += n == 4 ? 2 : 1; // a four-byte sequence takes a surrogate pair
        i += n;
    }
    return units;
}

std::string typedCharacter(std::string_view character) {
    const Utf8Char c = character.empty() ? Utf8Char{} : decodeUtf8At(character, 0);
    if (!c.valid || c.length != character.size())
        return "\xEF\xBF\xBD"; // U+FFFD
    if (c.codePoint < 0x20 || (c.codePoint >= 0x7F && c.codePoint <= 0x9F))
        return {};
    return std::string(character);
}

} // namespace quorvex::ui
