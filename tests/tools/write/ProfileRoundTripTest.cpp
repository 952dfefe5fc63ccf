// SPDX-License-Identifier: MIT
// A card read by the inspector and written again by quorvex-write from that profile holds the
// same bytes: every layout of every model and the three kinds of file, made by the writers the
// forms use.
#include "WriteHarness.h"

#include "card/GprsOperatorCatalogue.h"
#include "card/MenuFileWriter.h"
#include "card/MmsFileWriter.h"
#include "card/MmsOperatorCatalogue.h"
#include "card/RecordLayouts.h"
#include "card/SmtpFileWriter.h"
#include "core/ModelCatalogue.h"

#include "support/MenuSamples.h"
#include "support/RecordingMessages.h"
#include "ui/DialogHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvex::write::testing {
namespace {

using quorvex::testing::RecordingMessages;

MenuValues moment(int variant) {
    MenuValues values;
    values.values = {{MenuField::ClockYear, 2012 + variant},
                     {MenuField::ClockMonth, 2},
                     {MenuField::ClockDay, 29},
                     {MenuField::ClockHour, 23},
                     {MenuField::ClockMinute, 5 + variant},
                     {MenuField::ClockSecond, 58},
                     {MenuField::CameraLanguage, 1 + variant},
                     {MenuField::TvMode, 7 * variant}};
    return values;
}

void writeMenu(const Folder& card, const CameraSettingsRecord& record, RecordKind kind) {
    RecordingMessages messages;
    ASSERT_TRUE(writeMenuFile(record, card.path(), kind, MenuMessages{}, kEnglish, messages));
}

// Inspects `source`, writes the profile into a fresh card with `extra` options and returns that
// card's `file`.
std::vector<std::uint8_t> cloned(const Folder& source, const std::string& file,
                                 std::optional<int> modelId,
                                 std::vector<std::string> extra = {"--clock", "keep"},
                                 bool inspectedWithoutModel = false) {
    Folder work;
    Folder target;
    writeText(work.file("profile.json"),
              inspectJson(source.path(), inspectedWithoutModel ? std::nullopt : modelId));
    std::vector<std::string> args = extra;
    if (modelId) {
        args.push_back("--model");
        args.push_back(std::to_string(*modelId));
    }
    args.push_back(work.file("profile.json"));
    args.push_back(target.path());
    const Outcome outcome = runWrite(args);
    EXPECT_EQ(outcome.status, 0) << outcome.err << readBytes(work.file("profile.json")).size();
    EXPECT_EQ(outcome.err, "");
    return readBytes(target.file(file));
}

TEST(ProfileRoundTrip, MenuRecordsOfEveryModel) {
    for (int model = 0; model <= kModelCount; ++model) {
        const RecordLayout& layout = menuLayoutForModel(model);
        for (int variant = 0; variant < 2; ++variant) {
            Folder card;
            writeMenu(card,
                      buildMenuRecord(layout, quorvex::testing::spreadMenuValues(layout, variant))
                          .value(),
                      RecordKind::Configuration);
            const auto original = readBytes(card.file("menu.dat"));
            EXPECT_EQ(cloned(card, "menu.dat", model), original) << model << " " << variant;
        }
    }
}

TEST(ProfileRoundTrip, MenuRecordsOfEveryLayoutReadWithoutAModel) {
    for (const RecordLayout* layout : allMenuLayouts()) {
        for (int variant = 0; variant < 2; ++variant) {
            Folder card;
            writeMenu(
                card,
                buildMenuRecord(*layout, quorvex::testing::spreadMenuValues(*layout, variant + 5))
                    .value(),
                RecordKind::Configuration);
            EXPECT_EQ(cloned(card, "menu.dat", std::nullopt), readBytes(card.file("menu.dat")))
                << layout->name << " " << variant;
        }
    }
}

TEST(ProfileRoundTrip, FactoryRecordsOfEveryModel) {
    for (int model = 0; model <= kModelCount; ++model) {
        Folder card;
        writeMenu(card, buildFactoryRecord(menuLayoutForModel(model), moment(model % 5)).value(),
                  RecordKind::FactorySettings);
        EXPECT_EQ(cloned(card, "menu.dat", model), readBytes(card.file("menu.dat"))) << model;
    }
}

TEST(ProfileRoundTrip, ClockNowChangesOnlyTheClockAndChecksum) {
    const RecordLayout& layout = menuLayoutForModel(4);
    Folder card;
    writeMenu(card, buildMenuRecord(layout, quorvex::testing::spreadMenuValues(layout, 2)).value(),
              RecordKind::Configuration);
    const auto original = readBytes(card.file("menu.dat"));
    const auto now = cloned(card, "menu.dat", 4, {});
    ASSERT_EQ(now.size(), original.size());
    const auto clockField = findField(layout, MenuField::ClockYear);
    ASSERT_NE(clockField, nullptr);
    for (std::size_t i = 0; i < now.size(); ++i) {
        const bool clockOrChecksum =
            (i >= clockField->offset && i < clockField->offset + 6u) || i == 56 || i == 57;
        if (!clockOrChecksum) {
            EXPECT_EQ(now[i], original[i]) << "byte " << i;
        }
    }
    const int year = ui::systemLocalTime().year;
    EXPECT_EQ(now[clockField->offset] + clockField->bias, std::clamp(year, 2011, 2031));
    Folder copy;
    std::ofstream(copy.file("menu.dat"), std::ios::binary)
        .write(reinterpret_cast<const char*>(now.data()), static_cast<std::streamsize>(now.size()));
    inspect::InspectResult result;
    inspect::inspectPath(copy.file("menu.dat"), inspect::InspectOptions{4}, result);
    ASSERT_EQ(result.reports.size(), 1u);
    EXPECT_TRUE(result.reports[0].valid());
}

// Every MMS Send choice the inspector accepts for a model's MMS form.
std::vector<std::pair<int, int>> sendChoices(int model) {
    std::vector<std::pair<int, int>> choices;
    for (int code = 0; code < 5; ++code) {
        for (int position = 0; position < 6; ++position) {
            MmsHeaderValues header;
            header.sendCode = code;
            header.sendPosition = position;
            const SettingsFileBuild build = MmsFileWriter::build(header, MmsTexts{});
            if (inspect::decodeSettingsFile(inspect::FileKind::Setup, build.bytes,
                                            inspect::InspectOptions{model})
                    .valid())
                choices.emplace_back(code, position);
        }
    }
    return choices;
}

TEST(ProfileRoundTrip, SetupFilesOfEveryMmsForm) {
    int n = 0;
    for (int model = 0; model <= kModelCount; ++model) {
        if (!modelFacts(model).mms)
            continue;
        const auto choices = sendChoices(model);
        ASSERT_GE(choices.size(), 3u) << model;
        for (const auto& [code, position] : choices) {
            ++n;
            const bool manual = n % 2 == 1;
            MmsHeaderValues header;
            header.sendCode = code;
            header.sendPosition = position;
            header.connectionType = manual ? n / 2 % 2 : 0;
            header.picturesPerDay = (n * 13) % 100;
            header.cameraLanguage = 1 + n % 15;
            header.tvMode = n * 9;
            header.internationalNumbering = n % 3 == 0;
            header.countryByte = manual ? 128 : n % 43;
            // An operator of the country's list, as the form picks it.
            header.operatorByte =
                manual ? 0 : n % static_cast<int>(operatorCount(static_cast<std::size_t>(n % 43)));
            header.remoteControl = n % 26;
            header.mode = manual ? DataSetupMode::Manual : DataSetupMode::Auto;
            const MmsTexts texts{"http://mms.example.com/mms/wapenc",
                                 n % 2 ? "mms.example" : "",
                                 "10.0.0.10",
                                 "8080",
                                 "13812345678",
                                 "photo@example.com",
                                 "Müller",
                                 "pä\\ss\tw",
                                 "ñ@example.org",
                                 n % 4 ? "second@example.org" : ""};
            Folder card;
            RecordingMessages messages;
            ASSERT_TRUE(
                MmsFileWriter::write(card.path(), header, texts, kEnglish, messages).written);
            EXPECT_EQ(cloned(card, "setup.dat", model), readBytes(card.file("setup.dat")))
                << model << " " << code << "/" << position;
        }
    }
}

TEST(ProfileRoundTrip, SmtpFilesOfBothLayouts) {
    int n = 0;
    for (int model = 0; model <= kModelCount; ++model) {
        if (!modelFacts(model).smtp)
            continue;
        const SmtpLayout layout = *modelFacts(model).smtp;
        for (DataSetupMode mode : {DataSetupMode::Auto, DataSetupMode::Manual}) {
            ++n;
            SmtpHeaderValues header;
            header.layout = layout;
            header.operatorIndex =
                mode == DataSetupMode::Manual
                    ? 0
                    : n % static_cast<int>(gprsOperatorCount(static_cast<std::size_t>(n % 42)));
            header.countryIndex = mode == DataSetupMode::Manual ? 128 : n % 42;
            header.picturesPerDay = (n * 11) % 100;
            header.cameraLanguage = 1 + n % 15;
            header.smtpStatus = n % 3;
            header.remoteControl = n % 26;
            header.mode = mode;
            const SmtpTexts texts{"internet.example",
                                  n % 2 ? "gprs" : "",
                                  "",
                                  "smtp.example.com",
                                  "465",
                                  n % 2 ? "Jörg.Müller@example.de" : "nobody",
                                  "sé\\cret",
                                  "+4412345",
                                  "to@example.org"};
            Folder card;
            RecordingMessages messages;
            ASSERT_TRUE(
                SmtpFileWriter::write(card.path(), header, texts, kEnglish, messages).written);
            EXPECT_EQ(cloned(card, "smtp.dat", model), readBytes(card.file("smtp.dat"))) << model;
            EXPECT_EQ(cloned(card, "smtp.dat", std::nullopt), readBytes(card.file("smtp.dat")))
                << model;
            // Read without a model (bytes 6-8 of 1, 1, 1 then read as P4), written for the model.
            EXPECT_EQ(cloned(card, "smtp.dat", model, {"--clock", "keep"}, true),
                      readBytes(card.file("smtp.dat")))
                << model;
        }
    }
}

} // namespace
} // namespace quorvex::write::testing
