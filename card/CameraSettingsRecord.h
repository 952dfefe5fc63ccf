// SPDX-License-Identifier: MIT
#pragma once

#include "card/CardRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvex {

// The 60-byte record of menu.dat: 50 checksummed payload bytes, six bytes the checksum does not
// cover (a layout may name some of them), the CRC low and high byte, then CR LF.
class CameraSettingsRecord {
  public:
    static constexpr std::size_t kSize = kCardRecordSize;
    static constexpr std::size_t kPayloadSize = 50;
    static constexpr std::size_t kUncheckedEnd = 56; // bytes 50-55 lie outside the checksum
    static constexpr std::size_t kCrcLow = 56;
    static constexpr std::size_t kCrcHigh = 57;
    static constexpr std::size_t kLineEnd = kRecordEndByte; // CR LF

    // Bytes 0-55; everything a layout does not name stays 0.
    std::uint8_t& operator[](std::size_t offset) {
        return m_bytes.at(offset < kUncheckedEnd ? offset : kSize);
    }
    std::uint8_t operator[](std::size_t offset) const { return m_bytes.at(offset); }

    // Stores a value as its low 8 bits.
    void set(std::size_t offset, int value) {
        (*this)[offset] = static_cast<std::uint8_t>(value & 0xFF);
    }

    // Checksum of bytes 0-49 at 56-57 and CR LF at 58-59; returns the finished bytes.
    std::span<const std::uint8_t, kSize> seal();

    std::span<const std::uint8_t, kSize> bytes() const { return m_bytes; }

  private:
    std::array<std::uint8_t, kSize> m_bytes{};
};

} // namespace quorvex
