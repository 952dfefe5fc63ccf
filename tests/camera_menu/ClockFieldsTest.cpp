// SPDX-License-Identifier: MIT
#include "camera_menu/ClockFields.h"
#include "card/RecordLayouts.h"
#include "ui/FieldChecks.h"

#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace quorvex::testing {
namespace {

class FixedClock final : public ui::DialogHost {
  public:
    explicit FixedClock(ui::LocalTime time) : m_time(time) {}
    int run(ui::Dialog&) override { return 0; }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
    ui::LocalTime localTime() override { return m_time; }
    void openUrl(std::string_view) override {}
    void log(std::string_view) override {}
    void showInfoMessage(std::string_view) override {}

  private:
    ui::LocalTime m_time;
};

TEST(ReadLocalClock, KeepsYearsTheCameraCanCount) {
    for (const auto& [year, kept] :
         {std::pair{2005, 2011}, std::pair{2009, 2011}, std::pair{2010, 2010},
          std::pair{2024, 2024}, std::pair{2031, 2031}, std::pair{2040, 2031}}) {
        FixedClock host({year, 12, 31, 23, 59, 58});
        camera_menu::ClockFields fields;
        camera_menu::readLocalClock(fields, host);
        EXPECT_EQ(fields.year, kept) << year;
        EXPECT_EQ(fields.month, 12);
        EXPECT_EQ(fields.day, 31);
        EXPECT_EQ(fields.hour, 23);
        EXPECT_EQ(fields.minute, 59);
        EXPECT_EQ(fields.second, 58);
    }
}

TEST(ClockText, FollowsTheDateFormatPosition) {
    const camera_menu::ClockFields f{2024, 3, 7, 8, 5, 9};
    EXPECT_EQ(camera_menu::clockText(f, 0), "2024/03/07 08:05:09");
    EXPECT_EQ(camera_menu::clockText(f, 1), "03/07/2024 08:05:09");
    EXPECT_EQ(camera_menu::clockText(f, 2), "07/03/2024 08:05:09");
    EXPECT_EQ(camera_menu::clockText(f, -1), std::nullopt);
    EXPECT_EQ(camera_menu::clockText(f, 3), std::nullopt);
    EXPECT_EQ(camera_menu::yearFirstClockText(f), "2024/03/07 08:05:09");
}

TEST(ValidateIntRange, ShowsTheBoundsInTheMessageLanguage) {
    RecordingMessages out;
    EXPECT_TRUE(ui::validateIntRange(0, 0, 23, kEnglish, out));
    EXPECT_TRUE(ui::validateIntRange(23, 0, 23, kEnglish, out));
    EXPECT_TRUE(out.messages.empty());
    EXPECT_FALSE(ui::validateIntRange(24, 0, 23, 7, out));
    EXPECT_FALSE(ui::validateIntRange(-1, 0, 59, kChinese, out));
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Please enter an integer between 0 and 23!",
                                                      "请输入一个介于0和59之间的值!"}));
}

TEST(ParseEditInteger, AcceptsWhatTheFrameworkReadsAsAnInteger) {
    EXPECT_EQ(ui::parseEditInteger("0"), 0);
    EXPECT_EQ(ui::parseEditInteger("07"), 7);
    EXPECT_EQ(ui::parseEditInteger("-3"), -3);
    EXPECT_EQ(ui::parseEditInteger(""), std::nullopt);
    EXPECT_EQ(ui::parseEditInteger("1a"), std::nullopt);
    EXPECT_EQ(ui::parseEditInteger(" 1"), std::nullopt);
    EXPECT_EQ(ui::parseEditInteger("99999999999"), std::nullopt);
}

TEST(FrameworkTexts, LimitAndRangeFormats) {
    EXPECT_EQ(ui::tooManyCharactersText(80, kChinese), "输入的字符请不要多于 80 个。");
    EXPECT_EQ(ui::tooManyCharactersText(80, kEnglish), "Please enter no more than 80 characters.");
    // Every language keeps the placeholders in the order the framework fills them.
    for (LanguageId language = 1; language <= kLanguageCount; ++language) {
        const std::string range = ui::frameworkRangeText(3, 17, language);
        EXPECT_NE(range.find('3'), std::string::npos) << language;
        EXPECT_LT(range.find('3'), range.find("17")) << language;
        EXPECT_NE(ui::tooManyCharactersText(80, language).find("80"), std::string::npos);
    }
    EXPECT_EQ(ui::formatPercentD("%d-%d %d%%", 1, 2), "1-2 %d%%");
}

TEST(MenuRecord, FormsStoreHeldValuesAsTheirLowByte) {
    MenuValues values;
    values.values[MenuField::VideoLength] = 10;
    values.values[MenuField::Interval] = 45;
    values.values[MenuField::TimeLapseHours] = 30; // out of range but held
    values.values[MenuField::SidePir] = 1;
    values.values[MenuField::ClockYear] = 2040;
    values.values[MenuField::TvMode] = 0x1234;
    values.values[MenuField::Mode] = -1; // a list without a selection
    values.intervalUnit = IntervalUnit::Seconds;
    const auto record = *buildMenuRecord(menuLayoutForModel(15), values, OutOfRange::StoreLowBits);
    EXPECT_EQ(record[0], 255);
    EXPECT_EQ(record[4], 9);
    EXPECT_EQ(record[6], 173);
    EXPECT_EQ(record[11], 30);
    EXPECT_EQ(record[14], 21);
    EXPECT_EQ(record[30], 0x34);
    EXPECT_EQ(record[9], 1);
    EXPECT_EQ(record[51], 1);
}

} // namespace
} // namespace quorvex::testing
