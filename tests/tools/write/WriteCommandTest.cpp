// SPDX-License-Identifier: MIT
#include "WriteHarness.h"

#include "card/MenuFileWriter.h"
#include "card/MmsFileWriter.h"
#include "card/RecordLayouts.h"
#include "card/SmtpFileWriter.h"

#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace quorvex::write::testing {
namespace {

using quorvex::testing::RecordingMessages;

// A card as the P4MG's three forms leave it.
void fillCard(const Folder& card) {
    RecordingMessages messages;
    const RecordLayout& layout = menuLayoutForModel(4);
    MenuValues values;
    for (const LayoutField& f : layout.fields)
        values.values[f.field] = f.max;
    ASSERT_TRUE(writeMenuFile(buildMenuRecord(layout, values).value(), card.path(),
                              RecordKind::Configuration, MenuMessages{}, kEnglish, messages));
    MmsHeaderValues mms;
    mms.sendCode = 2;
    mms.sendPosition = 3;
    ASSERT_TRUE(MmsFileWriter::write(card.path(), mms, MmsTexts{}, kEnglish, messages).written);
    ASSERT_TRUE(
        SmtpFileWriter::write(card.path(), SmtpHeaderValues{}, SmtpTexts{}, kEnglish, messages)
            .written);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    return out;
}

TEST(WriteCommand, ACardThatCannotBeWrittenIsReportedAndTheOthersAreWritten) {
    Folder source;
    fillCard(source);
    Folder work;
    writeText(work.file("profile.json"), inspectJson(source.path(), 4));
    Folder card1;
    Folder card3;
    const std::string missing = work.file("no-such-card");
    const std::string notAFolder = work.file("profile.json");
    const Outcome outcome = runWrite({"--clock", "keep", work.file("profile.json"), card1.path(),
                                      missing, notAFolder, card3.path()});
    EXPECT_EQ(outcome.status, 1);
    const auto out = lines(outcome.out);
    ASSERT_EQ(out.size(), 5u) << outcome.out;
    EXPECT_EQ(out[0],
              "writing menu.dat (P4 layout), setup.dat, smtp.dat (P4 layout) into 4 folders");
    EXPECT_EQ(out[1], "[1/4] " + card1.path() + ": written menu.dat, setup.dat, smtp.dat");
    EXPECT_TRUE(out[2].starts_with("[2/4] " + missing + ": not written: Cannot write " + missing))
        << out[2];
    EXPECT_TRUE(out[3].starts_with("[3/4] " + notAFolder + ": not written: Cannot write "))
        << out[3];
    EXPECT_EQ(out[4], "[4/4] " + card3.path() + ": written menu.dat, setup.dat, smtp.dat");
    EXPECT_EQ(outcome.err, "quorvex-write: 2 of 4 cards not written\n");
    for (const Folder* card : {&card1, &card3})
        for (const std::string name : {"menu.dat", "setup.dat", "smtp.dat"})
            EXPECT_EQ(readBytes(card->file(name)), readBytes(source.file(name))) << name;
    EXPECT_FALSE(fs::exists(missing));

    const Outcome allWritten = runWrite({work.file("profile.json"), card1.path(), card3.path()});
    EXPECT_EQ(allWritten.status, 0);
    EXPECT_EQ(allWritten.err, "");
}

TEST(WriteCommand, DryRunShowsTheFilesAndWritesNothing) {
    Folder source;
    fillCard(source);
    Folder work;
    Folder card;
    writeText(work.file("profile.json"), inspectJson(source.file("setup.dat")));
    const Outcome outcome = runWrite({"--dry-run", work.file("profile.json"), card.path()});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(card.empty());
    const auto out = lines(outcome.out);
    ASSERT_EQ(out.size(), 40u) << outcome.out; // 720 bytes, 20 a line
    EXPECT_EQ(out[0], "would write setup.dat into 1 folder");
    EXPECT_EQ(out[1], "[1/1] " + card.path() + ": would write setup.dat (720 bytes)");
    EXPECT_EQ(out[3], "setup.dat:");
    // The checksum record as the writer made it.
    const auto bytes = readBytes(source.file("setup.dat"));
    char last[128];
    std::snprintf(last, sizeof last,
                  "  02BC 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 %02X %02X 0D 0A",
                  bytes[716], bytes[717]);
    EXPECT_EQ(out.back(), last);

    const Outcome missing =
        runWrite({"--dry-run", work.file("profile.json"), work.file("no-such-card")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("no-such-card: is no folder"), std::string::npos);
}

TEST(WriteCommand, ProfileFromStandardInput) {
    Folder source;
    fillCard(source);
    Folder card;
    const Outcome outcome =
        runWrite({"--clock=keep", "--model=4", "-", card.path()}, inspectJson(source.path(), 4));
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(readBytes(card.file("menu.dat")), readBytes(source.file("menu.dat")));
}

TEST(WriteCommand, UsageErrors) {
    Folder card;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "no profile given"},
        {{"p.json"}, "no card folder given"},
        {{"--model", "18", "p.json", card.path()}, "--model takes a ModelId 0-17"},
        {{"--clock", "later", "p.json", card.path()}, "--clock takes now or keep"},
        {{"--clock"}, "--clock takes now or keep"},
        {{"--force", "p.json", card.path()}, "unknown option --force"},
        {{card.path() + "/none.json", card.path()}, "none.json: cannot be read"},
        {{card.path(), card.path()}, "is a folder"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome outcome = runWrite(args);
        EXPECT_EQ(outcome.status, 2) << message;
        EXPECT_NE(outcome.err.find(message), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_TRUE(card.empty());
    const Outcome help = runWrite({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const std::string section : {"NAME", "SYNOPSIS", "OPTIONS", "EXIT STATUS", "EXAMPLES"})
        EXPECT_NE(("\n" + help.out).find("\n" + section + "\n"), std::string::npos) << section;
}

} // namespace
} // namespace quorvex::write::testing
