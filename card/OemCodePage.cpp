// SPDX-License-Identifier: MIT
#include "card/OemCodePage.h"

#include "core/Utf8.h"

#include <array>

namespace quorvex {

namespace {

// Bytes 0x80-0xFF of code page 437; 0x00-0x7F are ASCII.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0, // F8
};

} // namespace

std::optional<std::uint8_t> oemByteFor(char32_t character) {
    if (character < 0x80)
        return static_cast<std::uint8_t>(character);
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == character)
            return static_cast<std::uint8_t>(0x80 + i);
    return std::nullopt;
}

char32_t characterForOemByte(std::uint8_t byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kUpperHalf[byte - 0x80u]};
}

OemText toOemCodePage(std::string_view utf8, std::size_t maxBytes) {
    OemText result;
    std::size_t position = 0;
    for (std::size_t at = 0; at < utf8.size(); ++position) {
        const ui::Utf8Char decoded = ui::decodeUtf8At(utf8, at);
        auto refuse = [&](OemFault fault) {
            result.bytes.clear();
            result.fault = fault;
            result.position = position;
            result.byteOffset = at;
            result.character = decoded.codePoint;
            return result;
        };
        if (!decoded.valid)
            return refuse(OemFault::InvalidUtf8);
        if (decoded.codePoint == 0)
            return refuse(OemFault::EmbeddedNul);
        const auto byte = oemByteFor(decoded.codePoint);
        if (!byte)
            return refuse(OemFault::NoOemForm);
        if (result.bytes.size() >= maxBytes)
            return refuse(OemFault::TooLong);
        result.bytes.push_back(static_cast<char>(*byte));
        at += decoded.length;
    }
    return result;
}

} // namespace quorvex
