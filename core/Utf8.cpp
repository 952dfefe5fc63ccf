// SPDX-License-Identifier: MIT
#include "core/Utf8.h"

#include <optional>

namespace quorvex::ui {

namespace {
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

std::vector<std::string> splitUtf8(std::string_view text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = sequenceLength(static_cast<unsigned char>(text[i]));
        if (i + n > text.size())
            n = 1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                n = 1;
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::size_t utf8Length(std::string_view text) {
    return splitUtf8(text).size();
}

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (const std::string& character : splitUtf8(text))
        units += character.size() == 4 ? 2 : 1;
    return units;
}

namespace {
// The code point of one well-formed UTF-8 sequence; nothing for overlong forms, surrogates,
// values past U+10FFFF and stray bytes.
std::optional<char32_t> decode(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (s.empty() || s.size() != sequenceLength(byte(0)))
        return std::nullopt;
    if (s.size() == 1)
        return byte(0) < 0x80 ? std::optional<char32_t>(byte(0)) : std::nullopt;
    char32_t cp = byte(0) & (0x7F >> s.size());
    for (std::size_t i = 1; i < s.size(); ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[s.size()] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return cp;
}
} // namespace

std::string typedCharacter(std::string_view character) {
    const auto cp = decode(character);
    if (!cp)
        return "\xEF\xBF\xBD"; // U+FFFD
    if (*cp < 0x20 || (*cp >= 0x7F && *cp <= 0x9F))
        return {};
    return std::string(character);
}

} // namespace quorvex::ui
