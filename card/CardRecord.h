// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvex {

// The record every card file is made of: 60 bytes, the last two CR LF.
inline constexpr std::size_t kCardRecordSize = 60;
inline constexpr std::size_t kRecordEndByte = 58;
inline constexpr std::uint8_t kCr = 13;
inline constexpr std::uint8_t kLf = 10;

} // namespace quorvex
