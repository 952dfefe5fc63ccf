// SPDX-License-Identifier: MIT
#include "card/RecordLayouts.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvex {
namespace {

std::vector<std::uint8_t> first56(const CameraSettingsRecord& record) {
    const auto bytes = record.bytes();
    return {bytes.begin(), bytes.begin() + 56};
}

TEST(RecordLayouts, EachModelGetsTheLayoutOfItsForm) {
    const std::vector<std::pair<int, MenuLayoutId>> expected{{0, MenuLayoutId::GenericOther},
                                                             {1, MenuLayoutId::GenericK4},
                                                             {2, MenuLayoutId::P4},
                                                             {3, MenuLayoutId::GenericK4},
                                                             {4, MenuLayoutId::P4},
                                                             {5, MenuLayoutId::GenericK5},
                                                             {6, MenuLayoutId::K7},
                                                             {7, MenuLayoutId::P4},
                                                             {8, MenuLayoutId::P7},
                                                             {9, MenuLayoutId::K7},
                                                             {10, MenuLayoutId::P4},
                                                             {11, MenuLayoutId::K9A},
                                                             {12, MenuLayoutId::K9A},
                                                             {13, MenuLayoutId::K9MG},
                                                             {14, MenuLayoutId::D2},
                                                             {15, MenuLayoutId::Generic1080P},
                                                             {16, MenuLayoutId::Generic1080P},
                                                             {17, MenuLayoutId::Generic1080P},
                                                             {18, MenuLayoutId::GenericOther}};
    for (const auto& [model, layout] : expected)
        EXPECT_EQ(menuLayoutForModel(model).id, layout) << model;
}

TEST(RecordLayouts, EveryLayoutNamesEachByteUpTo55Once) {
    for (const RecordLayout* layout : allMenuLayouts()) {
        std::vector<int> covered(56, 0);
        for (const LayoutField& f : layout->fields)
            for (std::size_t i = f.offset; i < static_cast<std::size_t>(f.offset) + f.length; ++i)
                ++covered.at(i);
        for (std::size_t i = 0; i < covered.size(); ++i)
            EXPECT_EQ(covered[i], 1) << layout->name << " byte " << i;
    }
}

TEST(RecordLayouts, ModelSpecificBytesSitWhereTheFormsPutThem) {
    const auto offsetOf = [](int model, MenuField field) {
        const LayoutField* f = findField(menuLayoutForModel(model), field);
        return f ? int{f->offset} : -1;
    };
    // P4: beep, SD cycle and timer 2 in 31-37.
    EXPECT_EQ(offsetOf(2, MenuField::Beep), 31);
    EXPECT_EQ(offsetOf(2, MenuField::SdCycle), 32);
    EXPECT_EQ(offsetOf(2, MenuField::Timer2), 33);
    EXPECT_EQ(offsetOf(2, MenuField::Timer2StopMinute), 37);
    EXPECT_EQ(offsetOf(2, MenuField::SidePir), 9);
    EXPECT_EQ(offsetOf(2, MenuField::SidePirCopy), -1);
    // P7 and D2 have no side PIR; K7 stores a constant there.
    EXPECT_EQ(offsetOf(8, MenuField::SidePir), -1);
    EXPECT_EQ(offsetOf(8, MenuField::Beep), 31);
    EXPECT_EQ(offsetOf(6, MenuField::SidePir), -1);
    EXPECT_EQ(offsetOf(6, MenuField::Timer2), 31);
    EXPECT_EQ(offsetOf(6, MenuField::SdCycle), -1);
    // Generic and K9 copy the side PIR to 51.
    EXPECT_EQ(offsetOf(1, MenuField::SidePirCopy), 51);
    EXPECT_EQ(offsetOf(11, MenuField::SidePirCopy), 51);
    EXPECT_EQ(offsetOf(11, MenuField::SdCycle), 36);
    EXPECT_EQ(offsetOf(13, MenuField::LongitudeDirection), 40);
    EXPECT_EQ(offsetOf(13, MenuField::LatitudeSeconds), 47);
    EXPECT_EQ(offsetOf(14, MenuField::WirelessDigit1), 36);
    EXPECT_EQ(offsetOf(14, MenuField::WirelessSwitch), 40);
    // SD cycle only where the generic form shows it (ModelId 15-17).
    EXPECT_EQ(offsetOf(15, MenuField::SdCycle), 36);
    EXPECT_EQ(offsetOf(1, MenuField::SdCycle), -1);
    EXPECT_EQ(offsetOf(5, MenuField::SdCycle), -1);
}

using V = std::vector<std::string_view>;

V entries(const RecordLayout& layout, MenuField field) {
    const LayoutField* f = findField(layout, field);
    return f ? V(f->options.begin(), f->options.end()) : V{};
}

// Each camera form's size lists (its layout's) and the entry it opens on (the model's).
TEST(RecordLayouts, SizeListsFollowTheModel) {
    struct Expected {
        std::vector<int> models;
        V images;
        std::string_view image;
        V videos;
        std::string_view video;
    };
    const std::vector<Expected> all{
        {{1, 3}, {"5MP", "12MP", "1.3MP"}, "5MP", {"640x480", "320x240"}, "640x480"},
        {{5}, {"12MP", "5MP", "1.3MP"}, "12MP", {"1280x720", "640x480", "320x240"}, "1280x720"},
        {{15, 16, 17},
         {"5MP", "12MP", "1.3MP"},
         "12MP",
         {"1920x1080", "1280x720", "640x480", "320x240"},
         "1280x720"},
        {{0, 18, 99, -1}, {"5MP", "12MP", "1.3MP"}, "12MP", {"640x480", "320x240"}, "640x480"},
        {{2, 4, 7, 8, 10},
         {"12MP", "5MP", "2MP"},
         "12MP",
         {"1440x1080", "1280x720", "640x480"},
         "1280x720"},
        {{6, 9}, {"12MP", "5MP", "1.3MP"}, "12MP", {"1280x720", "640x480", "320x240"}, "1280x720"},
        {{11, 12},
         {"5MP", "12MP"},
         "12MP",
         {"1920x1080", "1280x720", "640x480", "320x240"},
         "1280x720"},
        {{13},
         {"5MP", "12MP", "1.3MP"},
         "12MP",
         {"1920x1080", "1280x720", "640x480", "320x240"},
         "1280x720"},
        {{14}, {"3MP", "5MP", "1.3MP"}, "5MP", {"640x480", "320x240"}, "640x480"},
    };
    for (const Expected& e : all)
        for (int model : e.models) {
            const SizeOpenings opening = modelFacts(model).sizes;
            const RecordLayout& layout = menuLayoutForModel(model);
            const V images = entries(layout, MenuField::ImageSize);
            const V videos = entries(layout, MenuField::VideoSize);
            EXPECT_EQ(images, e.images) << model;
            EXPECT_EQ(opening.image < images.size() ? images[opening.image] : "", e.image) << model;
            EXPECT_EQ(videos, e.videos) << model;
            EXPECT_EQ(opening.video < videos.size() ? videos[opening.video] : "", e.video) << model;
        }
}

TEST(RecordLayouts, ModelListsNameTheStoredPositions) {
    const auto names = [](int model, MenuField field) {
        return entries(menuLayoutForModel(model), field);
    };
    // Camera+Video is offered by the generic form only for ModelIds 1, 3, 5 and 15-17.
    EXPECT_EQ(names(0, MenuField::Mode), (V{"Camera", "Video"}));
    EXPECT_EQ(names(3, MenuField::Mode), (V{"Camera", "Video", "Camera+Video"}));
    EXPECT_EQ(names(10, MenuField::TimeStamp), (V{"On", "Off"}));
    EXPECT_EQ(names(10, MenuField::TimeLapse), (V{"On", "Off"}));
    EXPECT_EQ(names(10, MenuField::Beep), (V{"Off", "On"}));
}

TEST(RecordLayouts, EncodesValuesAsTheFormsStoreThem) {
    const RecordLayout& generic = menuLayoutForModel(1);
    const LayoutField& interval = *findField(generic, MenuField::Interval);
    EXPECT_EQ(encodeMenuField(interval, 30, IntervalUnit::Seconds), 158);
    EXPECT_EQ(encodeMenuField(interval, 30, IntervalUnit::Minutes), 30);
    EXPECT_EQ(encodeMenuField(interval, 0, IntervalUnit::Seconds), 128);
    EXPECT_EQ(encodeMenuField(interval, 60, IntervalUnit::Seconds), 188);
    EXPECT_EQ(encodeMenuField(interval, 0, IntervalUnit::Minutes), std::nullopt);
    EXPECT_EQ(encodeMenuField(interval, 61, IntervalUnit::Minutes), std::nullopt);
    const LayoutField& videoLength = *findField(generic, MenuField::VideoLength);
    EXPECT_EQ(encodeMenuField(videoLength, 1), 0);
    EXPECT_EQ(encodeMenuField(videoLength, 60), 59);
    EXPECT_EQ(encodeMenuField(videoLength, 0), std::nullopt);
    const LayoutField& year = *findField(generic, MenuField::ClockYear);
    EXPECT_EQ(encodeMenuField(year, 2010), 0);
    EXPECT_EQ(encodeMenuField(year, 2031), 21);
    EXPECT_EQ(encodeMenuField(year, 2032), std::nullopt);

    const std::array<std::uint8_t, 60> stored{0, 0, 0, 0, 0, 0, 173};
    const auto decoded = decodeMenuField(interval, stored);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->value, 45);
    EXPECT_EQ(decoded->intervalUnit, IntervalUnit::Seconds);
}

TEST(RecordLayouts, BuildsRecordsWithTheFixedBytesAndCopies) {
    MenuValues values;
    values.values = {{MenuField::VideoLength, 10},     {MenuField::ClockYear, 2024},
                     {MenuField::ClockMonth, 3},       {MenuField::ClockDay, 15},
                     {MenuField::CameraLanguage, 2},   {MenuField::Timer2, 1},
                     {MenuField::Timer2StartHour, 17}, {MenuField::Timer2StartMinute, 30},
                     {MenuField::Timer2StopHour, 6},   {MenuField::SidePir, 1},
                     {MenuField::Interval, 5}};
    const auto k7 = buildMenuRecord(menuLayoutForModel(6), values);
    ASSERT_TRUE(k7);
    const auto b = first56(*k7);
    EXPECT_EQ(b[9], 1); // K7: constant 1, no side PIR list
    EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 31, b.begin() + 38)),
              (std::vector<std::uint8_t>{1, 17, 30, 6, 0, 0, 0}));
    EXPECT_EQ(b[4], 9);
    EXPECT_EQ(b[6], 5);
    EXPECT_EQ(b[14], 14);
    EXPECT_EQ(b[51], 0);

    const auto generic = buildMenuRecord(menuLayoutForModel(3), values);
    ASSERT_TRUE(generic);
    EXPECT_EQ(first56(*generic)[9], 1);
    EXPECT_EQ(first56(*generic)[51], 1); // the copy outside the checksum

    const auto p7 = buildMenuRecord(menuLayoutForModel(8), values);
    ASSERT_TRUE(p7);
    EXPECT_EQ(first56(*p7)[9], 0);
    EXPECT_EQ(first56(*p7)[33], 1); // timer 2 switch after beep and SD cycle

    values.values[MenuField::ClockMonth] = 13;
    EXPECT_FALSE(buildMenuRecord(menuLayoutForModel(6), values));
}

TEST(RecordLayouts, FactoryRecordsOfTheForms) {
    MenuValues moment;
    moment.values = {{MenuField::ClockYear, 2024},   {MenuField::ClockMonth, 1},
                     {MenuField::ClockDay, 2},       {MenuField::ClockHour, 3},
                     {MenuField::ClockMinute, 4},    {MenuField::ClockSecond, 5},
                     {MenuField::CameraLanguage, 3}, {MenuField::TvMode, 1}};
    const auto generic = buildFactoryRecord(menuLayoutForModel(1), moment);
    ASSERT_TRUE(generic);
    std::vector<std::uint8_t> expected(56, 0);
    expected[1] = 1, expected[2] = 1, expected[4] = 9, expected[6] = 1, expected[9] = 1,
    expected[10] = 1;
    expected[14] = 14, expected[15] = 1, expected[16] = 2, expected[17] = 3, expected[18] = 4,
    expected[19] = 5;
    expected[29] = 3, expected[30] = 1, expected[48] = 1, expected[51] = 1;
    EXPECT_EQ(first56(*generic), expected);
    EXPECT_TRUE(isFactoryRecord(menuLayoutForModel(1), generic->bytes()));

    for (int model : {2, 6, 8, 11, 13, 14}) {
        const auto reset = buildFactoryRecord(menuLayoutForModel(model), moment);
        ASSERT_TRUE(reset);
        std::vector<std::uint8_t> pattern(56, 0);
        pattern[0] = pattern[1] = pattern[2] = pattern[3] = 255;
        pattern[48] = 1;
        EXPECT_EQ(first56(*reset), pattern) << model;
        EXPECT_TRUE(isFactoryRecord(menuLayoutForModel(model), reset->bytes()));
        EXPECT_FALSE(isFactoryRecord(menuLayoutForModel(1), reset->bytes()));
    }
    // The K9 factory record is documented with its checksum: 0xA1 low, 0xBB high.
    auto k9 = *buildFactoryRecord(menuLayoutForModel(11), moment);
    const auto sealed = k9.seal();
    EXPECT_EQ(sealed[56], 0xA1);
    EXPECT_EQ(sealed[57], 0xBB);
}

} // namespace
} // namespace quorvex
