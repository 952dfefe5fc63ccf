// SPDX-License-Identifier: MIT
#include "ui/Utf8.h"

namespace quorvex::ui {

namespace {
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}
} // namespace

std::vector<std::string> splitUtf8(std::string_view text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = sequenceLength(static_cast<unsigned char>(text[i]));
        if (i + n > text.size()) n = 1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) n = 1;
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::size_t utf8Length(std::string_view text) { return splitUtf8(text).size(); }

} // namespace quorvex::ui
