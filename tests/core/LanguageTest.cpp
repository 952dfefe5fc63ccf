// SPDX-License-Identifier: MIT
#include "core/Language.h"

#include <gtest/gtest.h>

#include <array>
#include <type_traits>

namespace quorvex {
namespace {

constexpr LocalizedText kCamera{"相机设置",         "Camera Setup",      "Kamera Installation",
                                "Kamera-asetukset", "Camera Setup",      "Reglage Camera",
                                "Kamera beallita",  "Nastavitev kamere", "Nastaveni",
                                "本体設定",         "Kameros nustat.",   "Ustawienia Kamera",
                                "kamera kurulumu",  "Устан. Камеры",     "Настройки"};

// A table with fourteen texts must not be constructible.
static_assert(
    !std::is_constructible_v<LocalizedText, const char*, const char*, const char*, const char*,
                             const char*, const char*, const char*, const char*, const char*,
                             const char*, const char*, const char*, const char*, const char*>);
static_assert(std::is_constructible_v<LocalizedText, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*>);

TEST(LocalizedText, EveryLanguageGetsItsOwnEntry) {
    EXPECT_EQ(textFor(kCamera, 1), "相机设置");
    EXPECT_EQ(textFor(kCamera, 2), "Camera Setup");
    EXPECT_EQ(textFor(kCamera, 3), "Kamera Installation");
    EXPECT_EQ(textFor(kCamera, 10), "本体設定");
    EXPECT_EQ(textFor(kCamera, 15), "Настройки");
    // Italian repeats the English text and is shown as it is.
    EXPECT_EQ(textFor(kCamera, 5), "Camera Setup");
}

TEST(LocalizedText, OutOfRangeIdsNeverReadOutsideTheTable) {
    EXPECT_EQ(textFor(kCamera, 0), "Camera Setup");
    EXPECT_EQ(textFor(kCamera, 16), "Camera Setup");
    EXPECT_EQ(textFor(kCamera, -7), "Camera Setup");
}

TEST(LocalizedText, OptionListsLookUpByIndex) {
    static constexpr std::array<LocalizedText, 2> kOnOff{
        LocalizedText{"关闭", "Off", "Aus", "Pois", "Off", "Arrêt", "Ki", "Izklop", "Vyp", "オフ",
                      "Išj.", "Wył.", "Kapalı", "Вимк.", "Выкл."},
        LocalizedText{"开", "On", "Ein", "Päällä", "On", "Marche", "Be", "Vklop", "Zap", "オン",
                      "Įj.", "Wł.", "Açık", "Увімк.", "Вкл."}};
    EXPECT_EQ(textFor(kOnOff, 1, 0), "关闭");
    EXPECT_EQ(textFor(kOnOff, 2, 1), "On");
    EXPECT_EQ(textFor(kOnOff, 15, 1), "Вкл.");
    EXPECT_EQ(textFor(kOnOff, 2, 2), "");
}

TEST(Message, ChineseOnlyForLanguageOne) {
    constexpr Message kGenerated{"Camera menu configuration file is generated",
                                 "相机菜单设置文件已经生成"};
    EXPECT_EQ(messageFor(kGenerated, 1), "相机菜单设置文件已经生成");
    EXPECT_EQ(messageFor(kGenerated, 2), "Camera menu configuration file is generated");
    // Japanese labels, English messages.
    EXPECT_EQ(messageFor(kGenerated, 10), "Camera menu configuration file is generated");
    EXPECT_EQ(messageFor(kGenerated, 15), "Camera menu configuration file is generated");
}

} // namespace
} // namespace quorvex
