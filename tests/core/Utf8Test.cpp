// SPDX-License-Identifier: MIT
#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

TEST(Utf8, SplitsCharactersAndSurvivesBrokenBytes) {
    EXPECT_EQ(ui::splitUtf8("aé中😀"), (std::vector<std::string>{"a", "é", "中", "😀"}));
    EXPECT_EQ(ui::utf8Length("\xC3"), 1u);
    EXPECT_EQ(ui::utf8Length("\xE4\xB8x"), 3u);
    EXPECT_EQ(ui::utf8Length(""), 0u);
    EXPECT_EQ(ui::utf16Length("a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"), 5u);
}

} // namespace
} // namespace quorvex
