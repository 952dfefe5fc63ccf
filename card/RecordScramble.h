// SPDX-License-Identifier: MIT
#pragma once

#include "card/CardRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvex {

// One 60-byte record of setup.dat or smtp.dat.
inline constexpr std::size_t kSettingsRecordSize = kCardRecordSize;
using SettingsRecordBytes = std::array<std::uint8_t, kSettingsRecordSize>;

// Only bytes 0-49 are scrambled; 50-59 stay readable (mode byte 55, length byte 57, CR LF).
inline constexpr std::size_t kScrambledBytes = 50;

// Inverts all eight bits, then swaps the nibbles: 0x31 -> 0xEC, 0x00 -> 0xFF.
constexpr std::uint8_t scrambleByte(std::uint8_t plain) {
    const auto inverted = static_cast<std::uint8_t>(~plain);
    return static_cast<std::uint8_t>((inverted << 4) | (inverted >> 4));
}

// The stored form of a plain header or text record.
SettingsRecordBytes recordScramble(std::span<const std::uint8_t, kSettingsRecordSize> plain);

} // namespace quorvex
