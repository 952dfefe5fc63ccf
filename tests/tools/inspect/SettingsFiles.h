// SPDX-License-Identifier: MIT
#pragma once

#include "core/SettingsCrc16.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::testing {

// Card files built by hand, the way the camera expects them, for the inspector's tests.
using Bytes = std::vector<std::uint8_t>;
using Plain = std::array<std::uint8_t, 60>;

inline Plain endedRecord() {
    Plain r{};
    r[58] = 13;
    r[59] = 10;
    return r;
}

inline Bytes sealedMenu(std::span<const std::uint8_t> payload) {
    Bytes r(60, 0);
    for (std::size_t i = 0; i < payload.size() && i < 56; ++i)
        r[i] = payload[i];
    const std::uint16_t crc = settingsCrc16(std::span(r).first(50));
    r[56] = static_cast<std::uint8_t>(crc & 0xFF);
    r[57] = static_cast<std::uint8_t>(crc >> 8);
    r[58] = 13;
    r[59] = 10;
    return r;
}

inline Plain textRecord(std::string_view text) {
    Plain r = endedRecord();
    for (std::size_t i = 0; i < text.size() && i < 57; ++i)
        r[i] = static_cast<std::uint8_t>(text[i]);
    r[57] = static_cast<std::uint8_t>(text.size());
    return r;
}

// Header and ten plain text records, scrambled, then the checksum record (CRC + addend).
inline Bytes scrambledFile(const Plain& header, const std::array<std::string, 10>& texts,
                           unsigned addend) {
    std::vector<Plain> records{header};
    for (const std::string& t : texts)
        records.push_back(textRecord(t));
    Bytes file;
    for (Plain r : records) {
        for (std::size_t i = 0; i < 50; ++i) {
            const auto inverted = static_cast<std::uint8_t>(~r[i]);
            r[i] = static_cast<std::uint8_t>((inverted << 4) | (inverted >> 4));
        }
        file.insert(file.end(), r.begin(), r.end());
    }
    const auto check = static_cast<std::uint16_t>(settingsCrc16(file) + addend);
    Plain last = endedRecord();
    last[56] = static_cast<std::uint8_t>(check & 0xFF);
    last[57] = static_cast<std::uint8_t>(check >> 8);
    file.insert(file.end(), last.begin(), last.end());
    return file;
}

} // namespace quorvex::testing
