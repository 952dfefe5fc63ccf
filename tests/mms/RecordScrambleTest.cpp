// SPDX-License-Identifier: MIT
#include "card/RecordScramble.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(RecordScramble, KnownBytes) {
    EXPECT_EQ(scrambleByte(0x31), 0xEC); // "1": inverted 0xCE, nibbles swapped
    EXPECT_EQ(scrambleByte(0x32), 0xDC); // "2"
    EXPECT_EQ(scrambleByte(0x00), 0xFF);
    EXPECT_EQ(scrambleByte(0xFF), 0x00);
    EXPECT_EQ(scrambleByte(0x80), 0xF7); // the Manual-mode country byte
    EXPECT_EQ(scrambleByte(0x19), 0x6E); // remote control Off (25)
    EXPECT_EQ(scrambleByte(0x61), 0xE9); // "a"
    EXPECT_EQ(scrambleByte(0x0F), 0x0F);
    EXPECT_EQ(scrambleByte(0x12), 0xDE);
}

TEST(RecordScramble, ApplyingItTwiceGivesThePlainByteBack) {
    // Inverting and swapping nibbles commute, so the transform is its own inverse: a camera
    // unscrambles with the same routine. It is also a bijection, so no two plain bytes collide.
    for (int b = 0; b < 256; ++b) {
        const auto plain = static_cast<std::uint8_t>(b);
        EXPECT_EQ(scrambleByte(scrambleByte(plain)), plain) << b;
        for (int other = b + 1; other < 256; ++other)
            ASSERT_NE(scrambleByte(plain), scrambleByte(static_cast<std::uint8_t>(other)));
    }
}

TEST(RecordScramble, OnlyBytesZeroToFortyNineChange) {
    SettingsRecordBytes plain{};
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<std::uint8_t>(0x30 + i);
    const SettingsRecordBytes stored = recordScramble(plain);
    for (std::size_t i = 0; i < 50; ++i)
        EXPECT_EQ(stored[i], scrambleByte(plain[i])) << i;
    for (std::size_t i = 50; i < 60; ++i)
        EXPECT_EQ(stored[i], plain[i]) << i;
    EXPECT_EQ(stored[0], 0xFC);  // "0"
    EXPECT_EQ(stored[49], 0xE9); // 0x30 + 49 = "a"
}

} // namespace
} // namespace quorvex
