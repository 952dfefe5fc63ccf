// SPDX-License-Identifier: MIT
#include "core/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

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
        const bool generic = m.mms == MmsForm::Generic;
        const bool p4 = m.mms == MmsForm::P4;
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
