// SPDX-License-Identifier: MIT
#include "camera_menu/CameraMenuTexts.h"
#include "camera_menu/CameraVariantTexts.h"
#include "card/RecordLayouts.h"
#include "core/Utf8.h"
#include "ui/FieldChecks.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quorvex::camera_menu {
namespace {

struct NamedText {
    const char* name;
    const LocalizedText* text;
};

struct NamedOptions {
    const char* name;
    OptionList options;
};

const std::vector<NamedText>& allLabels() {
    static const std::vector<NamedText> labels{{"kLabelSecond", &kLabelSecond},
                                               {"kLabelMinute", &kLabelMinute},
                                               {"kLabelHour", &kLabelHour},
                                               {"kUnitSeconds", &kUnitSeconds},
                                               {"kUnitMinutes", &kUnitMinutes},
                                               {"kUnitClockHours", &kUnitClockHours},
                                               {"kTextOff", &kTextOff},
                                               {"kTextOn", &kTextOn},
                                               {"kLabelMode", &kLabelMode},
                                               {"kLabelImageSize", &kLabelImageSize},
                                               {"kLabelVideoSize", &kLabelVideoSize},
                                               {"kLabelPictureNo", &kLabelPictureNo},
                                               {"kLabelTimeStamp", &kLabelTimeStamp},
                                               {"kLabelSensorLevel", &kLabelSensorLevel},
                                               {"kLabelSidePir", &kLabelSidePir},
                                               {"kLabelVideoLength", &kLabelVideoLength},
                                               {"kLabelInterval", &kLabelInterval},
                                               {"kLabelSdCycle", &kLabelSdCycle},
                                               {"kLabelSetClock", &kLabelSetClock},
                                               {"kLabelTimer", &kLabelTimer},
                                               {"kLabelTimer1", &kLabelTimer1},
                                               {"kLabelTimer2", &kLabelTimer2},
                                               {"kLabelStart", &kLabelStart},
                                               {"kLabelStop", &kLabelStop},
                                               {"kLabelSerialNo", &kLabelSerialNo},
                                               {"kLabelTimeLapse", &kLabelTimeLapse},
                                               {"kLabelDateFormat", &kLabelDateFormat},
                                               {"kLabelBeepSound", &kLabelBeepSound},
                                               {"kButtonGetTime", &kButtonGetTime},
                                               {"kButtonSelect", &kButtonSelect},
                                               {"kButtonGenerate", &kButtonGenerate},
                                               {"kButtonDefault", &kButtonDefault},
                                               {"kButtonExit", &kButtonExit},
                                               {"kLabelLongitude", &kLabelLongitude},
                                               {"kLabelLatitude", &kLabelLatitude},
                                               {"kLabelDirection", &kLabelDirection},
                                               {"kLabelDegree", &kLabelDegree},
                                               {"kLabelCoordinate", &kLabelCoordinate},
                                               {"kLabelWirelessPwd", &kLabelWirelessPwd}};
    return labels;
}

const std::vector<NamedOptions>& allOptionLists() {
    static const std::vector<NamedOptions> lists{
        {"kOptionsCaptureMode", kOptionsCaptureMode},
        {"kOptionsPictureCount", kOptionsPictureCount},
        {"kOnOff", kOnOff},
        {"kOnOffReversed", kOnOffReversed},
        {"kOptionsSensitivity", kOptionsSensitivity},
        {"kOptionsIntervalUnit", kOptionsIntervalUnit},
        {"kOptionsDateFormat", kOptionsDateFormat},
        {"kOptionsLongitudeDirection", kOptionsLongitudeDirection},
        {"kOptionsLatitudeDirection", kOptionsLatitudeDirection}};
    return lists;
}

// The code points of a well-formed UTF-8 text; nothing when any byte is malformed.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const ui::Utf8Char c = ui::decodeUtf8At(text, i);
        if (!c.valid)
            return std::nullopt;
        out.push_back(c.codePoint);
        i += c.length;
    }
    return out;
}

// Columns on screen: CJK ideographs and kana take two.
std::size_t displayWidth(const std::vector<char32_t>& codePoints) {
    std::size_t width = 0;
    for (char32_t cp : codePoints)
        width += (cp >= 0x3000 && cp <= 0x9FFF) || (cp >= 0xFF00 && cp <= 0xFF60) ? 2 : 1;
    return width;
}

// A label beside a drop-down list in the camera dialogs has room for about this many columns.
constexpr std::size_t kMaxColumns = 20;

void expectWellFormed(const LocalizedText& text, const std::string& name) {
    for (LanguageId id = 1; id <= kLanguageCount; ++id) {
        const std::string_view entry = textFor(text, id);
        SCOPED_TRACE(name + " language " + std::to_string(id) + " \"" + std::string(entry) + "\"");
        EXPECT_FALSE(entry.empty());
        const auto decoded = decodeUtf8(entry);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_LE(displayWidth(*decoded), kMaxColumns);
        EXPECT_NE(entry.front(), ' ');
        EXPECT_NE(entry.back(), ' ');
    }
}

bool hasNonAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

TEST(CameraMenuTexts, EveryEntryIsPresentValidAndFitsItsLabel) {
    for (const auto& label : allLabels())
        expectWellFormed(*label.text, label.name);
    for (const auto& list : allOptionLists()) {
        EXPECT_GE(list.options.size(), 2u) << list.name;
        for (std::size_t i = 0; i < list.options.size(); ++i)
            expectWellFormed(list.options[i],
                             std::string(list.name) + "[" + std::to_string(i) + "]");
    }
}

// Chinese, Japanese, Ukrainian and Russian never use a plain English word for a whole label,
// so an ASCII-only entry there is a copy that was never translated.
TEST(CameraMenuTexts, NonLatinLanguagesAreTranslated) {
    constexpr std::array<LanguageId, 4> kNonLatin{1, 10, 14, 15};
    for (LanguageId id : kNonLatin) {
        for (const auto& label : allLabels())
            EXPECT_TRUE(hasNonAscii(textFor(*label.text, id))) << label.name << " language " << id;
        for (const auto& list : allOptionLists())
            for (std::size_t i = 0; i < list.options.size(); ++i)
                EXPECT_TRUE(hasNonAscii(textFor(list.options, id, i)))
                    << list.name << "[" << i << "] language " << id;
    }
}

TEST(CameraMenuTexts, OptionsOfAListDifferInEveryLanguage) {
    for (const auto& list : allOptionLists()) {
        for (LanguageId id = 1; id <= kLanguageCount; ++id) {
            std::set<std::string_view> seen;
            for (std::size_t i = 0; i < list.options.size(); ++i)
                EXPECT_TRUE(seen.insert(textFor(list.options, id, i)).second)
                    << list.name << "[" << i << "] repeats in language " << id;
        }
    }
}

TEST(CameraMenuTexts, SwitchListsAreMirrorImages) {
    for (LanguageId id = 1; id <= kLanguageCount; ++id) {
        EXPECT_EQ(textFor(kOnOff, id, 0), textFor(kOnOffReversed, id, 1)) << id;
        EXPECT_EQ(textFor(kOnOff, id, 1), textFor(kOnOffReversed, id, 0)) << id;
        // The sensitivity list ends in the same "Off" as the switches.
        EXPECT_EQ(textFor(kOptionsSensitivity, id, 3), textFor(kOnOff, id, 0)) << id;
    }
}

struct Quoted {
    const LocalizedText* text;
    std::string_view english;
    std::string_view chinese;
};

TEST(CameraMenuTexts, EnglishAndChineseLabelsAreExact) {
    const std::vector<Quoted> quoted{{&kLabelMode, "Mode", "模式"},
                                     {&kLabelImageSize, "Image Size", "图像尺寸"},
                                     {&kLabelVideoSize, "Video Size", "录像尺寸"},
                                     {&kLabelPictureNo, "Picture No.", "拍摄张数"},
                                     {&kLabelTimeStamp, "Time Stamp", "时间戳"},
                                     {&kLabelSensorLevel, "Sensor Level", "灵敏度"},
                                     {&kLabelSidePir, "Side PIR", "侧面PIR"},
                                     {&kLabelVideoLength, "Video Length", "录像长度"},
                                     {&kLabelSecond, "Second", "秒钟"},
                                     {&kLabelInterval, "Interval", "间隔时间"},
                                     {&kLabelSdCycle, "SD Cycle", "循环存储"},
                                     {&kLabelSetClock, "Set Clock", "设置时间"},
                                     {&kLabelTimer, "Timer", "定时设置"},
                                     {&kLabelTimer1, "Timer1", "定时设置1"},
                                     {&kLabelTimer2, "Timer2", "定时设置2"},
                                     {&kLabelStart, "Start", "开始"},
                                     {&kLabelStop, "Stop", "停止"},
                                     {&kLabelHour, "Hour", "小时"},
                                     {&kLabelMinute, "Minute", "分钟"},
                                     {&kLabelSerialNo, "Serial No.", "序列号"},
                                     {&kLabelTimeLapse, "Time Lapse", "定时拍摄"},
                                     {&kLabelDateFormat, "Date Format", "时间格式"},
                                     {&kLabelBeepSound, "Beep Sound", "按键音"},
                                     {&kLabelLongitude, "Longitude", "经度"},
                                     {&kLabelLatitude, "Latitude", "纬度"},
                                     {&kLabelDirection, "Dir.", "方向"},
                                     {&kLabelDegree, "Degree", "度"},
                                     {&kLabelCoordinate, "Coordinate", "坐标"},
                                     {&kLabelWirelessPwd, "Wireless PWD", "无线密码"},
                                     {&kButtonGetTime, "Get Time", "获取时间"},
                                     {&kButtonSelect, "Select", "选择目录"},
                                     {&kButtonGenerate, "Generate", "生成配置文件"},
                                     {&kButtonDefault, "Default", "出厂设置"},
                                     {&kButtonExit, "Exit", "退出"}};
    for (const auto& q : quoted) {
        EXPECT_EQ(textFor(*q.text, kEnglish), q.english);
        EXPECT_EQ(textFor(*q.text, kChinese), q.chinese) << q.english;
    }
}

void expectOptions(OptionList options, std::vector<std::string_view> english,
                   std::vector<std::string_view> chinese) {
    ASSERT_EQ(options.size(), english.size());
    for (std::size_t i = 0; i < options.size(); ++i) {
        EXPECT_EQ(textFor(options, kEnglish, i), english[i]) << i;
        EXPECT_EQ(textFor(options, kChinese, i), chinese[i]) << i;
    }
}

TEST(CameraMenuTexts, EnglishAndChineseOptionsAreExactAndInRecordOrder) {
    expectOptions(kOptionsCaptureMode, {"Camera", "Video", "Camera+Video"},
                  {"拍照", "录像", "拍照+录像"});
    expectOptions(kOptionsPictureCount, {"01 Photo", "02 Photo", "03 Photo"},
                  {"01 张", "02 张", "03 张"});
    expectOptions(kOnOff, {"Off", "On"}, {"关闭", "开"});
    expectOptions(kOnOffReversed, {"On", "Off"}, {"开", "关闭"});
    expectOptions(kOptionsSensitivity, {"Normal", "High", "Low", "Off"},
                  {"正常", "高", "低", "关闭"});
    expectOptions(kOptionsIntervalUnit, {"Second", "Minute"}, {"秒钟", "分钟"});
    expectOptions(kOptionsDateFormat, {"YYMMDD", "MMDDYY", "DDMMYY"},
                  {"年月日", "月日年", "日月年"});
    expectOptions(kOptionsLongitudeDirection, {"E", "W"}, {"东", "西"});
    expectOptions(kOptionsLatitudeDirection, {"S", "N"}, {"南", "北"});
}

TEST(CameraMenuTexts, MessagesAreExact) {
    EXPECT_EQ(messageFor(kCameraMenuMessages.configuration, kEnglish),
              "Camera menu configuration file is generated");
    EXPECT_EQ(messageFor(kCameraMenuMessages.configuration, kChinese), "相机菜单设置文件已经生成");
    EXPECT_EQ(messageFor(kCameraMenuMessages.factorySettings, kEnglish),
              "Camera menu factory settings file has been generated");
    // The leading space is what those forms show.
    EXPECT_EQ(messageFor(kCameraMenuMessages.factorySettings, kChinese),
              " 相机菜单出厂设置文件已经生成");

    EXPECT_EQ(messageFor(kP4MenuMessages.configuration, kEnglish),
              "Configuration file is generated");
    EXPECT_EQ(messageFor(kP4MenuMessages.configuration, kChinese), "相机菜单设置文件已经生成");
    EXPECT_EQ(messageFor(kP4MenuMessages.factorySettings, kEnglish),
              "Camera menu factory settings file has been generated");
    EXPECT_EQ(messageFor(kP4MenuMessages.factorySettings, kChinese),
              "相机菜单出厂设置文件已经生成");

    // Japanese and the other languages get the English message.
    EXPECT_EQ(messageFor(kP4MenuMessages.configuration, 10), "Configuration file is generated");

    EXPECT_EQ(messageFor(ui::kMessageIntegerRange, kEnglish),
              "Please enter an integer between %d and %d!");
    EXPECT_EQ(messageFor(ui::kMessageIntegerRange, kChinese), "请输入一个介于%d和%d之间的值!");
    // The framework's own Chinese texts stay for LanguageId 1.
    EXPECT_EQ(textFor(ui::kFrameworkIntegerRequired, kChinese), "请输入一个整数。");
    EXPECT_EQ(textFor(ui::kFrameworkIntegerRange, kChinese), "请输入一个 %1 至 %2 之间的整数。");
    EXPECT_EQ(textFor(ui::kFrameworkTooManyCharacters, kChinese), "输入的字符请不要多于 %1 个。");
}

// The serial character lists of every form: digits, then capitals.
TEST(CameraMenuTexts, SerialCharactersAreDigitsThenCapitals) {
    std::string expected;
    for (char c = '0'; c <= '9'; ++c)
        expected += c;
    for (char c = 'A'; c <= 'Z'; ++c)
        expected += c;
    for (const RecordLayout* layout : allMenuLayouts())
        for (MenuField field : {MenuField::SerialChar1, MenuField::SerialChar2,
                                MenuField::SerialChar3, MenuField::SerialChar4}) {
            const auto characters = findField(*layout, field)->options;
            ASSERT_EQ(characters.size(), expected.size()) << layout->name;
            for (std::size_t i = 0; i < expected.size(); ++i)
                EXPECT_EQ(characters[i], std::string(1, expected[i])) << layout->name << i;
        }
}

TEST(CameraMenuTexts, CaptureModesOfTheGenericFormWithoutAModel) {
    for (int model : {1, 3, 5, 6, 15, 16, 17})
        EXPECT_EQ(captureModeOptions(model).size(), 3u) << model;
    for (int model : {0, 18, -1})
        EXPECT_EQ(captureModeOptions(model).size(), 2u) << model;
    EXPECT_EQ(textFor(captureModeOptions(0), kEnglish, 1), "Video");
}

} // namespace
} // namespace quorvex::camera_menu
