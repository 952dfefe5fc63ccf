// SPDX-License-Identifier: MIT
#include "card/CameraSettingsRecord.h"
#include "core/SettingsCrc16.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvex {
namespace {

TEST(CameraRecord, ZeroPayloadHasZeroChecksum) {
    CameraSettingsRecord record;
    const auto bytes = record.seal();
    for (std::size_t i = 0; i < 58; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(bytes[58], 13);
    EXPECT_EQ(bytes[59], 10);
}

TEST(CameraRecord, ChecksumCoversAllFiftyBytes) {
    CameraSettingsRecord record;
    for (int i = 0; i < 9; ++i)
        record.set(static_cast<std::size_t>(i), '1' + i);
    const auto bytes = record.seal();
    std::array<std::uint8_t, 50> payload{};
    for (int i = 0; i < 9; ++i)
        payload[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>('1' + i);
    const std::uint16_t expected = settingsCrc16(payload);
    EXPECT_NE(expected, 0x31C3);
    EXPECT_EQ(bytes[56], expected & 0xFF);
    EXPECT_EQ(bytes[57], expected >> 8);
}

TEST(CameraRecord, ChecksumIgnoresBytes50To55) {
    CameraSettingsRecord plain;
    plain.set(9, 1);
    CameraSettingsRecord extra = plain;
    for (std::size_t i = 50; i < 56; ++i)
        extra.set(i, 0xA5);
    const auto a = plain.seal();
    const auto b = extra.seal();
    EXPECT_EQ(a[56], b[56]);
    EXPECT_EQ(a[57], b[57]);
    EXPECT_EQ(b[51], 0xA5);
}

TEST(CameraRecord, SealingTwiceGivesTheSameBytes) {
    CameraSettingsRecord record;
    record.set(0, 2);
    record.set(30, 0x1234); // stored as its low 8 bits
    const auto first = record.seal();
    const std::vector<std::uint8_t> copy(first.begin(), first.end());
    const auto second = record.seal();
    EXPECT_TRUE(std::equal(copy.begin(), copy.end(), second.begin()));
    EXPECT_EQ(second[30], 0x34);
}

TEST(CameraRecord, ChecksumAndLineEndAreNotWritable) {
    CameraSettingsRecord record;
    EXPECT_THROW(record.set(56, 1), std::out_of_range);
    EXPECT_THROW(record.set(59, 1), std::out_of_range);
}

} // namespace
} // namespace quorvex
