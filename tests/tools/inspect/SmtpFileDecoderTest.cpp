// SPDX-License-Identifier: MIT
#include "tools/inspect/SmtpFileDecoder.h"
#include "tools/inspect/ReportRendering.h"

#include "SettingsFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace quorvex::inspect {
namespace {

using testing::Bytes;
using testing::Plain;

// Auto mode, operator 2 of country 4, 45 pictures a day, Polish.
Plain header(int b6, int b7, int b8) {
    Plain h = testing::endedRecord();
    h[1] = 2, h[2] = 4, h[3] = 4, h[4] = 5, h[5] = 12, h[55] = 1;
    h[6] = static_cast<std::uint8_t>(b6), h[7] = static_cast<std::uint8_t>(b7),
    h[8] = static_cast<std::uint8_t>(b8);
    return h;
}

std::array<std::string, 10> texts(const std::string& sender, const std::string& userName) {
    return {"internet", "",   "",         "smtp.example.com", "587",
            sender,     "pw", "+3581234", userName,           "to@example.org"};
}

Bytes smtpFile(const Plain& h,
               const std::array<std::string, 10>& t = texts("ab@example.com", "ab")) {
    return testing::scrambledFile(h, t, 15);
}

std::map<std::string, std::string> meanings(const FileReport& report) {
    std::map<std::string, std::string> out;
    for (const ReportField& f : report.fields)
        out[f.name] = f.meaning;
    return out;
}

TEST(SmtpFileDecoder, ReadsTheP4Layout) {
    FileReport report = decodeSmtpFile(smtpFile(header(2, 25, 1)), std::nullopt);
    report.path = "smtp.dat";
    EXPECT_EQ(
        renderText(report),
        "smtp.dat: smtp.dat, 720 bytes, P4\n"
        "  Checksum 0x" +
            [&] {
                const Bytes f = smtpFile(header(2, 25, 1));
                char t[8];
                std::snprintf(t, sizeof t, "%04X", f[660 + 56] | (f[660 + 57] << 8));
                return std::string(t);
            }() +
            " matches records 0-10 as stored plus 15\n"
            // The SMTP forms' two lists can disagree; a position past the country's
            // operators is named, not damage.
            "  record 0, byte 1   Operator: position 2 (the country offers 2 operators)\n"
            "  record 0, byte 2   Country: Canada\n"
            "  record 0, byte 3   Pictures per day: 45 pictures\n"
            "  record 0, byte 5   Camera language: Polish\n"
            "  record 0, byte 6   SMTP Status: SMS\n"
            "  record 0, byte 7   SMS remote control: Off\n"
            "  record 0, byte 8   P4 layout marker: 1\n"
            "  record 0, byte 55  MMS Mode: Auto\n"
            "  record 1           APN: \"internet\" (8 characters)\n"
            "  record 2           GPRS account: empty\n"
            "  record 3           GPRS password: empty\n"
            "  record 4           SMTP server: \"smtp.example.com\" (16 characters)\n"
            "  record 5           SMTP port: \"587\" (3 characters)\n"
            "  record 6           Sender email: \"ab@example.com\" (14 characters)\n"
            "  record 7           Sender password: \"pw\" (2 characters)\n"
            "  record 8           SMS phone number: \"+3581234\" (8 characters)\n"
            "  record 9           Sender user name: \"ab\" (2 characters)\n"
            "  record 10          Recipient email: \"to@example.org\" (14 characters)\n"
            "  valid\n");
}

TEST(SmtpFileDecoder, TellsTheK4LayoutFromBytes6To8) {
    const auto k4 = decodeSmtpFile(smtpFile(header(1, 1, 12)), std::nullopt);
    EXPECT_TRUE(k4.valid());
    EXPECT_EQ(k4.layout, "K4");
    EXPECT_EQ(meanings(k4).at("SMS remote control"), "12 hours");

    const auto both = decodeSmtpFile(smtpFile(header(1, 1, 1)), std::nullopt);
    EXPECT_TRUE(both.valid());
    EXPECT_EQ(both.layout, "P4 or K4 (bytes 6-8 = 1, 1, 1 fit both)");
    EXPECT_EQ(meanings(both).at("SMS remote control"), "1 hour");

    // With a model only that model's SMTP form counts.
    EXPECT_FALSE(decodeSmtpFile(smtpFile(header(1, 1, 12)), 4).valid());
    EXPECT_TRUE(decodeSmtpFile(smtpFile(header(1, 1, 12)), 3).valid());
    EXPECT_FALSE(decodeSmtpFile(smtpFile(header(0, 25, 1)), 9).valid());

    const auto neither = decodeSmtpFile(smtpFile(header(3, 1, 1)), std::nullopt);
    ASSERT_EQ(neither.problems.size(), 1u);
    EXPECT_EQ(neither.problems[0].byte, 6);
    EXPECT_EQ(neither.problems[0].reason, "bytes 6-8 hold 3, 1, 1 (plain), which fit neither the "
                                          "P4 layout (status 0-2, remote control 0-25, 1) "
                                          "nor the K4 layout (1, 1, remote control 0-25)");
}

TEST(SmtpFileDecoder, ManualModeStoresNoCountry) {
    Plain h = header(1, 25, 1);
    h[1] = 0, h[2] = 0x80, h[55] = 0;
    const auto manual = decodeSmtpFile(smtpFile(h), std::nullopt);
    EXPECT_TRUE(manual.valid());
    EXPECT_EQ(meanings(manual).at("Country"), "none (Manual mode)");
    EXPECT_EQ(meanings(manual).at("MMS Mode"), "Manual");

    h[55] = 1;
    const auto autoWithoutCountry = decodeSmtpFile(smtpFile(h), std::nullopt);
    ASSERT_EQ(autoWithoutCountry.problems.size(), 1u);
    EXPECT_EQ(autoWithoutCountry.problems[0].reason,
              "Auto mode stores a country of the list, not 128 (Manual)");

    Plain outsideTheList = header(1, 25, 1);
    outsideTheList[2] = 42; // the SMTP country list has 42 entries
    EXPECT_FALSE(decodeSmtpFile(smtpFile(outsideTheList), std::nullopt).valid());
}

TEST(SmtpFileDecoder, TheUserNameFollowsTheSenderAddress) {
    EXPECT_TRUE(decodeSmtpFile(smtpFile(header(1, 25, 1), texts("nobody", "nobody")), std::nullopt)
                    .valid());
    EXPECT_TRUE(decodeSmtpFile(smtpFile(header(1, 25, 1), texts("", "")), std::nullopt).valid());
    const auto wrong =
        decodeSmtpFile(smtpFile(header(1, 25, 1), texts("ab@example.com", "abc")), std::nullopt);
    ASSERT_EQ(wrong.problems.size(), 1u);
    EXPECT_EQ(wrong.problems[0].record, 9);
    EXPECT_EQ(wrong.problems[0].reason,
              "the sender user name is not the sender address of record 6 up to its \"@\"");
}

TEST(SmtpFileDecoder, AnyChangedByteIsDamage) {
    for (const Plain& h : {header(1, 25, 1), header(1, 1, 7)}) {
        const Bytes valid = smtpFile(h);
        ASSERT_TRUE(decodeSmtpFile(valid, std::nullopt).valid());
        for (std::size_t i = 0; i < valid.size(); ++i) {
            for (int delta : {1, 2, 4, 8, 16, 32, 64, 128, 255, 0x55, 0x0F, 0xF0, 15, 241}) {
                Bytes changed = valid;
                changed[i] = static_cast<std::uint8_t>(changed[i] + delta);
                ASSERT_FALSE(decodeSmtpFile(changed, std::nullopt).valid())
                    << "byte " << i << " +" << delta;
            }
        }
    }
}

TEST(SmtpFileDecoder, TextsLongerThanEitherFormTakesAreReported) {
    std::array<std::string, 10> longest = texts("ab@example.com", "ab");
    longest[0] = std::string(32, 'a');
    longest[3] = std::string(40, 's');
    longest[4] = "1234567890";
    longest[7] = std::string(30, '1');
    EXPECT_TRUE(decodeSmtpFile(smtpFile(header(1, 25, 1), longest), std::nullopt).valid());

    const std::pair<std::size_t, std::string> tooLong[] = {
        {0, "APN has 33 characters; the form allows 32"},
        {1, "GPRS account has 33 characters; the form allows 32"},
        {2, "GPRS password has 33 characters; the form allows 32"},
        {4, "SMTP port has 11 characters; the form allows 10"},
        {6, "Sender password has 33 characters; the form allows 32"},
        {7, "SMS phone number has 31 characters; the form allows 30"},
    };
    for (const auto& [field, reason] : tooLong) {
        std::array<std::string, 10> t = texts("ab@example.com", "ab");
        t[field] = std::string(field == 4 ? 11 : field == 7 ? 31 : 33, '7');
        const auto report = decodeSmtpFile(smtpFile(header(1, 25, 1), t), std::nullopt);
        ASSERT_EQ(report.problems.size(), 1u) << reason;
        EXPECT_EQ(report.problems[0].record, static_cast<int>(field) + 1);
        EXPECT_EQ(report.problems[0].byte, 57);
        EXPECT_EQ(report.problems[0].reason, reason);
    }
}

TEST(SmtpFileDecoder, ReportsAWrongSizeAndRecordEnds) {
    Bytes file = smtpFile(header(1, 25, 1));
    file.resize(1440, 0);
    EXPECT_EQ(decodeSmtpFile(file, std::nullopt).problems.at(0).reason,
              "the file has 1440 bytes; smtp.dat has 720 (12 records of 60)");

    file = smtpFile(header(1, 25, 1));
    file[11 * 60 + 58] = 10;
    file[11 * 60 + 59] = 13;
    const auto swapped = decodeSmtpFile(file, std::nullopt);
    ASSERT_EQ(swapped.problems.size(), 2u);
    EXPECT_EQ(swapped.problems[0].record, 11);
    EXPECT_EQ(swapped.problems[0].byte, 58);
    EXPECT_EQ(swapped.problems[1].byte, 59);
}

} // namespace
} // namespace quorvex::inspect
