// SPDX-License-Identifier: MIT
#include "card/RecordScramble.h"

namespace quorvex {

SettingsRecordBytes recordScramble(std::span<const std::uint8_t, kSettingsRecordSize> plain) {
    SettingsRecordBytes stored{};
    for (std::size_t i = 0; i < kSettingsRecordSize; ++i)
        stored[i] = i < kScrambledBytes ? scrambleByte(plain[i]) : plain[i];
    return stored;
}

} // namespace quorvex
