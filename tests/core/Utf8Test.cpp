// SPDX-License-Identifier: MIT
#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

using ui::decodeUtf8At;

std::string utf8Of(char32_t cp) {
    std::string out;
    ui::appendUtf8(out, cp);
    return out;
}

void expectDecoded(std::string_view text, std::size_t at, char32_t codePoint, std::size_t length,
                   bool valid) {
    const ui::Utf8Char c = decodeUtf8At(text, at);
    EXPECT_EQ(c.codePoint, codePoint) << "at " << at;
    EXPECT_EQ(c.length, length) << "at " << at;
    EXPECT_EQ(c.valid, valid) << "at " << at;
}

TEST(Utf8, EncodesAndDecodesEverySequenceLength) {
    EXPECT_EQ(utf8Of(U'A'), "A");
    EXPECT_EQ(utf8Of(U'é'), "\xC3\xA9");
    EXPECT_EQ(utf8Of(U'€'), "\xE2\x82\xAC");
    EXPECT_EQ(utf8Of(U'😀'), "\xF0\x9F\x98\x80");
    // The first and last code point of each length survive the round trip.
    for (const char32_t cp : {0x00u, 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0xD7FFu, 0xE000u, 0xFFFDu,
                              0xFFFFu, 0x10000u, 0x10FFFFu}) {
        const std::string text = utf8Of(cp);
        SCOPED_TRACE(static_cast<unsigned>(cp));
        expectDecoded(text, 0, cp, text.size(), true);
    }
    const std::string mixed = "a中😀é";
    expectDecoded(mixed, 1, U'中', 3, true);
    expectDecoded(mixed, 4, U'😀', 4, true);
    expectDecoded(mixed, 8, U'é', 2, true);
}

TEST(Utf8, CompleteButIllFormedSequencesStayTogether) {
    // Overlong forms, surrogates and values past U+10FFFF: every byte the lead announces is
    // there, so the whole sequence is one (invalid) character.
    for (const std::string bad :
         {"\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
          "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF7\xBF\xBF\xBF"}) {
        SCOPED_TRACE(bad);
        expectDecoded(bad + "x", 0, U'\uFFFD', bad.size(), false);
    }
}

TEST(Utf8, BrokenSequencesTakeOneByte) {
    for (const std::string bad : {"\x80", "\xBF", "\xF8\x88\x80\x80\x80", "\xFF", "\xC3",
                                  "\xE4\xB8", "\xF0\x9F\x98", "\xE4x\xAD", "\xF0\x9F\x98x"}) {
        SCOPED_TRACE(bad);
        expectDecoded(bad, 0, U'\uFFFD', 1, false);
    }
    expectDecoded("ab\xE4\xB8", 2, U'\uFFFD', 1, false); // cut short by the end of the text
}

TEST(Utf8, SplitsCharactersAndSurvivesBrokenBytes) {
    EXPECT_EQ(ui::splitUtf8("aé中😀"), (std::vector<std::string>{"a", "é", "中", "😀"}));
    EXPECT_EQ(ui::splitUtf8("\xC0\xAFx\xE4\xB8"),
              (std::vector<std::string>{"\xC0\xAF", "x", "\xE4", "\xB8"}));
    EXPECT_EQ(ui::utf8Length("\xC3"), 1u);
    EXPECT_EQ(ui::utf8Length("\xE4\xB8x"), 3u);
    EXPECT_EQ(ui::utf8Length(""), 0u);
    EXPECT_EQ(ui::utf16Length("a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"), 5u);
    EXPECT_EQ(ui::utf16Length("\x80\xF0\x9F"), 3u);
}

TEST(Utf8, ATypedCharacterIsOneWellFormedCharacterOrNothing) {
    EXPECT_EQ(ui::typedCharacter("a"), "a");
    EXPECT_EQ(ui::typedCharacter("中"), "中");
    EXPECT_EQ(ui::typedCharacter("😀"), "😀");
    // Control characters insert nothing: C0, DEL and C1.
    for (const std::string control : {"\x01", "\x1F", "\x7F", "\xC2\x80", "\xC2\x9F"})
        EXPECT_EQ(ui::typedCharacter(control), "") << control;
    EXPECT_EQ(ui::typedCharacter("\xC2\xA0"), "\xC2\xA0");
    // Anything else arrives as U+FFFD.
    for (const std::string bad :
         {"", "\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "ab", "\xC3\xA9x"})
        EXPECT_EQ(ui::typedCharacter(bad), "\xEF\xBF\xBD") << bad;
}

} // namespace
} // namespace quorvex
