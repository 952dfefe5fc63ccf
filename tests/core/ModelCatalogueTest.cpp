// SPDX-License-Identifier: MIT
#include "core/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

using V = std::vector<std::string_view>;

V entries(const SizeChoices& choices) {
    return {choices.entries.begin(), choices.entries.end()};
}

std::string_view selected(const SizeChoices& choices) {
    return choices.defaultIndex < choices.entries.size() ? choices.entries[choices.defaultIndex]
                                                         : std::string_view{"<out of range>"};
}

// Each camera form's size lists and the entry it opens on, checked against the model table of
// the camera forms rather than against the catalogue's own rows.
TEST(ModelCatalogue, SizeListsFollowTheModel) {
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
            const ModelFacts& m = modelFacts(model);
            EXPECT_EQ(entries(m.images), e.images) << model;
            EXPECT_EQ(selected(m.images), e.image) << model;
            EXPECT_EQ(entries(m.videos), e.videos) << model;
            EXPECT_EQ(selected(m.videos), e.video) << model;
        }
}

TEST(ModelCatalogue, TitlesAndListTexts) {
    const std::vector<std::pair<int, std::string_view>> titles{
        {0, "Quorvex"},           {1, "Quorvex K4"},        {2, "Quorvex P4"},
        {3, "Quorvex K4"},        {4, "Quorvex P4"},        {5, "Quorvex K5"},
        {6, "Quorvex K7"},        {7, "Quorvex P5"},        {8, "Quorvex P7"},
        {9, "Quorvex K8"},        {10, "Quorvex P8"},       {11, "Quorvex K9"},
        {12, "Quorvex K9"},       {13, "Quorvex K9"},       {14, "Quorvex D2"},
        {15, "Quorvex K4 1080P"}, {16, "Quorvex K5 1080P"}, {17, "Quorvex K8 1080P"}};
    for (const auto& [model, title] : titles)
        EXPECT_EQ(modelFacts(model).title, title) << model;
    // The generic form opens for unknown ids too; they get the bare title and no list entry.
    for (int model : {18, -3, 1000}) {
        EXPECT_EQ(modelFacts(model).title, "Quorvex");
        EXPECT_EQ(modelFacts(model).listText, "");
    }
    EXPECT_EQ(modelFacts(1).listText, "Quorvex K4M");
    EXPECT_EQ(modelFacts(17).listText, "Quorvex K8MG-1080P");
}

TEST(ModelCatalogue, ModelsOfALayoutAsTheInspectorNamesThem) {
    EXPECT_EQ(modelsWithLayout(MenuLayoutId::K7), "6, 9");
    EXPECT_EQ(modelsWithLayout(MenuLayoutId::P4), "2, 4, 7, 10");
    EXPECT_EQ(modelsWithLayout(MenuLayoutId::GenericOther), "0");
    EXPECT_EQ(modelsWithLayout(MenuLayoutId::GenericAnyModel), "");
}

// What the MMS forms need: SMS mode, the phone rule's limit and the MMS Send list.
TEST(ModelCatalogue, MessagingFacts) {
    for (int model = 0; model <= kModelCount; ++model) {
        const ModelFacts& m = modelFacts(model);
        const bool generic = m.mmsClass == "CQuorvexMMS";
        const bool p4 = m.mmsClass == "CQuorvexP4MMS";
        const bool sms = generic ? (model == 1 || model == 3 || model == 5 || model == 6)
                                 : (model == 2 || model == 4 || model == 7);
        if (!generic && !p4)
            continue;
        const MmsSendList list = p4                           ? MmsSendList::P4
                                 : (model == 5 || model == 6) ? MmsSendList::ThreeEntries
                                                              : MmsSendList::FourEntries;
        EXPECT_EQ(m.smsMode, sms) << model;
        EXPECT_EQ(m.mmsPhoneLimit, p4 ? 12 : model == 0 ? 0 : 11) << model;
        EXPECT_EQ(m.mmsSend, list) << model;
    }
}

} // namespace
} // namespace quorvex
