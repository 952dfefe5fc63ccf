// SPDX-License-Identifier: MIT
#include "core/SettingsCrc16.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvex {
namespace {

std::span<const std::uint8_t> ascii(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(SettingsCrc16, PublishedCheckValues) {
    EXPECT_EQ(settingsCrc16(ascii("123456789")), 0x31C3);
    EXPECT_EQ(settingsCrc16(ascii("abc")), 0x9DD6);
    EXPECT_EQ(settingsCrc16({}), 0);
}

TEST(SettingsCrc16, MatchesABitwiseReference) {
    std::array<std::uint8_t, 256> data{};
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + 3);
    std::uint16_t crc = 0;
    for (std::uint8_t b : data) {
        crc ^= static_cast<std::uint16_t>(b << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    EXPECT_EQ(settingsCrc16(data), crc);
}

} // namespace
} // namespace quorvex
