// SPDX-License-Identifier: MIT
#include "card/OemCodePage.h"

#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

std::string utf8Of(char32_t c) {
    std::string out;
    ui::appendUtf8(out, c);
    return out;
}

std::string bytes(std::initializer_list<unsigned char> list) {
    return {list.begin(), list.end()};
}

TEST(OemCodePage, AsciiPassesUnchanged) {
    std::string ascii;
    for (int c = 1; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    const OemText text = toOemCodePage(ascii);
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(text.bytes, ascii);
    EXPECT_EQ(toOemCodePage("http://mmsc.example:8080/").bytes, "http://mmsc.example:8080/");
    EXPECT_TRUE(toOemCodePage("").ok());
}

TEST(OemCodePage, AccentedLetters) {
    EXPECT_EQ(toOemCodePage("Grüße").bytes, bytes({'G', 'r', 0x81, 0xE1, 'e'}));
    EXPECT_EQ(toOemCodePage("Ça été").bytes, bytes({0x80, 'a', ' ', 0x82, 't', 0x82}));
    EXPECT_EQ(toOemCodePage("ñÑåÅæÆøÖÜ").character, U'ø'); // not in code page 437
    EXPECT_EQ(toOemCodePage("ñÑåÅæÆÖÜ").bytes,
              bytes({0xA4, 0xA5, 0x86, 0x8F, 0x91, 0x92, 0x99, 0x9A}));
    EXPECT_EQ(toOemCodePage("àèìòùáíóú").bytes,
              bytes({0x85, 0x8A, 0x8D, 0x95, 0x97, 0xA0, 0xA1, 0xA2, 0xA3}));
    EXPECT_EQ(toOemCodePage("¿¡£¥°±µ").bytes, bytes({0xA8, 0xAD, 0x9C, 0x9D, 0xF8, 0xF1, 0xE6}));
}

TEST(OemCodePage, BoxAndBlockCharacters) {
    EXPECT_EQ(toOemCodePage("┌─┐│└┘").bytes, bytes({0xDA, 0xC4, 0xBF, 0xB3, 0xC0, 0xD9}));
    EXPECT_EQ(toOemCodePage("╔═╗║╚╝").bytes, bytes({0xC9, 0xCD, 0xBB, 0xBA, 0xC8, 0xBC}));
    EXPECT_EQ(toOemCodePage("├┼┤╬").bytes, bytes({0xC3, 0xC5, 0xB4, 0xCE}));
    EXPECT_EQ(toOemCodePage("░▒▓█▄▀■").bytes, bytes({0xB0, 0xB1, 0xB2, 0xDB, 0xDC, 0xDF, 0xFE}));
    EXPECT_EQ(toOemCodePage("αßπΣΩ∞√").bytes, bytes({0xE0, 0xE1, 0xE3, 0xE4, 0xEA, 0xEC, 0xFB}));
}

TEST(OemCodePage, EveryByteHasExactlyOneCharacter) {
    for (int b = 1; b < 256; ++b) {
        const char32_t c = characterForOemByte(static_cast<std::uint8_t>(b));
        const OemText text = toOemCodePage(utf8Of(c));
        ASSERT_TRUE(text.ok()) << b;
        EXPECT_EQ(text.bytes, std::string(1, static_cast<char>(b))) << b;
    }
    EXPECT_EQ(characterForOemByte(0xFF), U'\u00A0');
    EXPECT_EQ(characterForOemByte(0x9E), U'\u20A7');
}

TEST(OemCodePage, RefusesCharactersItCannotStoreAndNamesThem) {
    const OemText chinese = toOemCodePage("中国移动");
    EXPECT_FALSE(chinese.ok());
    EXPECT_EQ(chinese.fault, OemFault::NoOemForm);
    EXPECT_EQ(chinese.position, 0u);
    EXPECT_EQ(chinese.character, U'中');
    EXPECT_TRUE(chinese.bytes.empty()); // never a partial or "?"-filled text

    const OemText mixed = toOemCodePage("é-mail 邮件");
    EXPECT_EQ(mixed.fault, OemFault::NoOemForm);
    EXPECT_EQ(mixed.position, 7u);
    EXPECT_EQ(mixed.byteOffset, 8u); // é takes two bytes of UTF-8
    EXPECT_EQ(mixed.character, U'邮');

    EXPECT_EQ(toOemCodePage("5 €").character, U'€');
    EXPECT_EQ(toOemCodePage("Москва").character, U'М');
    EXPECT_EQ(toOemCodePage("photo 📷").fault, OemFault::NoOemForm);
    EXPECT_EQ(toOemCodePage("photo 📷").character, U'📷');
    EXPECT_EQ(oemByteFor(U'?'), std::optional<std::uint8_t>(0x3F));
    EXPECT_EQ(oemByteFor(U'中'), std::nullopt);
}

TEST(OemCodePage, RefusesMalformedUtf8) {
    for (const std::string& bad :
         {std::string("ab\xC3"), std::string("\xC0\xAF"), std::string("\xED\xA0\x80"),
          std::string("\xF4\x90\x80\x80"), std::string("a\x80"), std::string("\xE2\x94")}) {
        const OemText text = toOemCodePage(bad);
        EXPECT_EQ(text.fault, OemFault::InvalidUtf8) << bad;
        EXPECT_EQ(text.character, U'\uFFFD');
        EXPECT_TRUE(text.bytes.empty());
    }
    EXPECT_EQ(toOemCodePage("ab\xC3").position, 2u);
}

TEST(OemCodePage, RefusesAnEmbeddedNul) {
    const OemText text = toOemCodePage(std::string("12\0"
                                                   "34",
                                                   5));
    EXPECT_EQ(text.fault, OemFault::EmbeddedNul);
    EXPECT_EQ(text.position, 2u);
}

TEST(OemCodePage, LimitCountsStoredBytes) {
    EXPECT_TRUE(toOemCodePage("abcd", 4).ok());
    const OemText over = toOemCodePage("abcdé", 4);
    EXPECT_EQ(over.fault, OemFault::TooLong);
    EXPECT_EQ(over.position, 4u);
    EXPECT_EQ(over.character, U'é');
    // The first fault in reading order wins.
    EXPECT_EQ(toOemCodePage("ab中cdef", 4).fault, OemFault::NoOemForm);
}

} // namespace
} // namespace quorvex
