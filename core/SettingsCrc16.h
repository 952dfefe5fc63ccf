// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace quorvex {

// CRC-16/XMODEM: polynomial 0x1021, MSB first, initial value 0, no reflection, no final XOR.
// Check values: "123456789" gives 0x31C3, "abc" 0x9DD6. The camera compares only the low 16 bits;
// the 32-bit accumulator's upper bits never feed back into them, so they are not kept.
std::uint16_t settingsCrc16(std::span<const std::uint8_t> bytes);

} // namespace quorvex
