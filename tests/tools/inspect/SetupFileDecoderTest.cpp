// SPDX-License-Identifier: MIT
#include "tools/inspect/SetupFileDecoder.h"
#include "tools/inspect/ReportRendering.h"

#include "SettingsFiles.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvex::inspect {
namespace {

using testing::Bytes;
using testing::Plain;

// Generic MMS form, Auto mode: VGA, APN, 37 pictures a day, English, TV mode 1, country 5
// operator 1, remote control 4 hours.
Plain autoHeader(int numbering) {
    Plain h = testing::endedRecord();
    h[0] = 1, h[1] = 2, h[3] = 3, h[4] = 7, h[5] = 2, h[6] = 1,
    h[7] = static_cast<std::uint8_t>(numbering);
    h[8] = 5, h[9] = 1, h[10] = 4, h[55] = 1;
    return h;
}

const std::array<std::string, 10> kTexts{
    "http://mms.example/", "mms.example", "10.0.0.172", "80", "13812345678",
    "ab@example.com",      "user",        "secret",     "",   "+4915112345678"};

Bytes setupFile(const Plain& header, unsigned addend) {
    return testing::scrambledFile(header, kTexts, addend);
}

std::map<std::string, std::string> meanings(const FileReport& report) {
    std::map<std::string, std::string> out;
    for (const ReportField& f : report.fields)
        out[f.name] = f.meaning;
    return out;
}

TEST(SetupFileDecoder, PrintsHeaderAndTexts) {
    FileReport report = decodeSetupFile(setupFile(autoHeader(0), 0), std::nullopt);
    report.path = "setup.dat";
    const std::string text = renderText(report);
    const std::string expectedTail =
        "  record 0, byte 0   MMS Send: VGA\n"
        "  record 0, byte 1   MMS Send position: 2\n"
        "  record 0, byte 2   Connection type: APN\n"
        "  record 0, byte 3   Pictures per day: 37 pictures\n"
        "  record 0, byte 5   Camera language: English\n"
        "  record 0, byte 6   TV mode: 1\n"
        "  record 0, byte 7   Numbering: China (domestic numbers)\n"
        "  record 0, byte 8   Country: Sweden\n"
        "  record 0, byte 9   Operator: Telia\n"
        "  record 0, byte 10  SMS remote control: 4 hours\n"
        "  record 0, byte 55  Data mode: Auto\n"
        "  record 1           MMSC URL: \"http://mms.example/\" (19 characters)\n"
        "  record 2           APN: \"mms.example\" (11 characters)\n"
        "  record 3           Gateway: \"10.0.0.172\" (10 characters)\n"
        "  record 4           Port: \"80\" (2 characters)\n"
        "  record 5           Phone No: \"13812345678\" (11 characters)\n"
        "  record 6           Email: \"ab@example.com\" (14 characters)\n"
        "  record 7           Account: \"user\" (4 characters)\n"
        "  record 8           Password: \"secret\" (6 characters)\n"
        "  record 9           Phone or Email 2: empty\n"
        "  record 10          Phone or Email 3: \"+4915112345678\" (14 characters)\n"
        "  valid\n";
    ASSERT_GT(text.size(), expectedTail.size());
    EXPECT_EQ(text.substr(text.size() - expectedTail.size()), expectedTail);
    EXPECT_EQ(text.substr(0, text.find('\n')), "setup.dat: setup.dat, 720 bytes, MMS settings");
}

TEST(SetupFileDecoder, TheChecksumTellsTheNumbering) {
    const auto domestic = decodeSetupFile(setupFile(autoHeader(0), 0), std::nullopt);
    EXPECT_TRUE(domestic.valid());
    EXPECT_NE(domestic.notes.at(0).find("domestic (China) numbering"), std::string::npos);

    const auto international = decodeSetupFile(setupFile(autoHeader(1), 18), std::nullopt);
    EXPECT_TRUE(international.valid());
    EXPECT_NE(international.notes.at(0).find("plus 18: international numbering"),
              std::string::npos);
    EXPECT_EQ(meanings(international).at("Numbering"), "International");

    // The numbering byte and the checksum must agree.
    const auto mixed = decodeSetupFile(setupFile(autoHeader(1), 0), std::nullopt);
    ASSERT_EQ(mixed.problems.size(), 1u);
    EXPECT_EQ(mixed.problems[0].record, 0);
    EXPECT_EQ(mixed.problems[0].byte, 7);
    EXPECT_EQ(mixed.problems[0].reason, "the numbering byte says International but the checksum "
                                        "was stored for China (domestic numbers)");

    const auto off = decodeSetupFile(setupFile(autoHeader(0), 5), std::nullopt);
    ASSERT_EQ(off.problems.size(), 1u);
    EXPECT_EQ(off.problems[0].record, 11);
    EXPECT_EQ(off.problems[0].byte, 56);
}

TEST(SetupFileDecoder, MmsSendDependsOnTheForm) {
    Plain h = autoHeader(0);
    h[0] = 2, h[1] = 3;
    EXPECT_EQ(meanings(decodeSetupFile(setupFile(h, 0), std::nullopt)).at("MMS Send"),
              "QVGA (generic MMS form, ModelId 0, 1, 3, 9) or SMS (P4 MMS form, ModelId "
              "2, 4, 7, 8, 10, 13, 15, 16, 17)");
    EXPECT_EQ(meanings(decodeSetupFile(setupFile(h, 0), 1)).at("MMS Send"), "QVGA");
    EXPECT_EQ(meanings(decodeSetupFile(setupFile(h, 0), 4)).at("MMS Send"), "SMS");
    // ModelIds 5 and 6 show three entries and store SMS as 3 at position 3.
    EXPECT_FALSE(decodeSetupFile(setupFile(h, 0), 5).valid());
    h[0] = 3, h[1] = 3;
    EXPECT_EQ(meanings(decodeSetupFile(setupFile(h, 0), 5)).at("MMS Send"), "SMS");
    EXPECT_FALSE(decodeSetupFile(setupFile(h, 0), 1).valid());
    h[0] = 3, h[1] = 4;
    EXPECT_EQ(meanings(decodeSetupFile(setupFile(h, 0), 3)).at("MMS Send"), "SMS");
    EXPECT_FALSE(decodeSetupFile(setupFile(h, 0), 8).valid());
}

TEST(SetupFileDecoder, ManualModeAndItsBytes) {
    Plain h = autoHeader(0);
    h[2] = 1, h[8] = 128, h[9] = 0, h[55] = 0, h[10] = 25, h[3] = 0, h[4] = 0;
    const auto manual = decodeSetupFile(setupFile(h, 0), std::nullopt);
    EXPECT_TRUE(manual.valid());
    const auto m = meanings(manual);
    EXPECT_EQ(m.at("Connection type"), "CSD");
    EXPECT_EQ(m.at("Country"), "none (Manual mode)");
    EXPECT_EQ(m.at("Data mode"), "Manual");
    EXPECT_EQ(m.at("SMS remote control"), "Off");
    EXPECT_EQ(m.at("Pictures per day"), "unlimited");

    Plain csdInAuto = autoHeader(0);
    csdInAuto[2] = 1;
    const auto csd = decodeSetupFile(setupFile(csdInAuto, 0), std::nullopt);
    ASSERT_EQ(csd.problems.size(), 1u);
    EXPECT_EQ(csd.problems[0].reason, "CSD is offered in Manual mode only");

    Plain stray = autoHeader(0);
    stray[30] = 1;
    stray[10] = 26;
    const auto bad = decodeSetupFile(setupFile(stray, 0), std::nullopt);
    ASSERT_EQ(bad.problems.size(), 2u);
    EXPECT_EQ(bad.problems[0].byte, 10);
    EXPECT_EQ(bad.problems[0].reason,
              "holds 26 (plain); SMS remote control is 0-24 (hours) or 25 (Off)");
    EXPECT_EQ(bad.problems[1].byte, 30);
    EXPECT_EQ(bad.problems[1].reason, "holds 0x01; the header from byte 11 to 54 is always 0");
}

TEST(SetupFileDecoder, TextRecordsAreCheckedAgainstTheirLength) {
    Bytes file = setupFile(autoHeader(0), 0);
    // A wrong length byte (57 is stored unscrambled) breaks the checksum and the text.
    file[2 * 60 + 57] = 3;
    const auto report = decodeSetupFile(file, std::nullopt);
    ASSERT_EQ(report.problems.size(), 2u);
    EXPECT_EQ(report.problems[0].record, 11);
    EXPECT_EQ(report.problems[1].record, 2);
    EXPECT_EQ(report.problems[1].byte, 57);
    EXPECT_EQ(report.problems[1].reason, "holds 3 as the length of a text of 11 bytes");

    std::array<std::string, 10> texts = kTexts;
    texts[3] = "12345678901"; // the port field holds at most 10 characters
    const auto tooLong =
        decodeSetupFile(testing::scrambledFile(autoHeader(0), texts, 0), std::nullopt);
    ASSERT_EQ(tooLong.problems.size(), 1u);
    EXPECT_EQ(tooLong.problems[0].reason, "Port has 11 characters; the form allows 10");
}

TEST(SetupFileDecoder, TextsAreShownInCodePage437AndEscaped) {
    std::array<std::string, 10> texts{};
    texts[0] = "M\x81nchen\\\x01";
    const auto report =
        decodeSetupFile(testing::scrambledFile(autoHeader(0), texts, 0), std::nullopt);
    EXPECT_TRUE(report.valid());
    EXPECT_EQ(meanings(report).at("MMSC URL"), "\"M\xC3\xBCnchen\\\\\\x01\" (9 characters)");
}

TEST(SetupFileDecoder, ReportsAWrongSize) {
    Bytes file = setupFile(autoHeader(0), 0);
    file.pop_back();
    const auto report = decodeSetupFile(file, std::nullopt);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].reason,
              "the file has 719 bytes; setup.dat has 720 (12 records of 60)");
    EXPECT_TRUE(decodeSetupFile({}, std::nullopt).problems.size() == 1u);
}

// Every bit and a few patterns in the checksummed records; every value in the checksum record.
std::vector<int> deltasFor(std::size_t offset) {
    std::vector<int> deltas{1,    2,    4,    8,    16, 32, 64, 128, 255,
                            0x55, 0xAA, 0x0F, 0xF0, 3,  17, 18, 238};
    if (offset >= 660)
        for (int d = 5; d < 255; ++d)
            deltas.push_back(d);
    return deltas;
}

// The checksum covers records 0-10 whole; record 11 is zeros, the checksum and CR LF. Any changed
// byte must be damage; a checksum that fits the other numbering is caught by the numbering byte.
TEST(SetupFileDecoder, AnyChangedByteIsDamage) {
    for (int numbering : {0, 1}) {
        const Bytes valid = setupFile(autoHeader(numbering), numbering ? 18 : 0);
        ASSERT_TRUE(decodeSetupFile(valid, std::nullopt).valid());
        for (std::size_t i = 0; i < valid.size(); ++i) {
            for (int delta : deltasFor(i)) {
                Bytes changed = valid;
                changed[i] = static_cast<std::uint8_t>(changed[i] + delta);
                ASSERT_FALSE(decodeSetupFile(changed, std::nullopt).valid())
                    << "byte " << i << " +" << delta;
            }
        }
    }
}

} // namespace
} // namespace quorvex::inspect
