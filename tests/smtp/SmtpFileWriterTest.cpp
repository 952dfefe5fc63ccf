// SPDX-License-Identifier: MIT
#include "card/SmtpFileWriter.h"

#include "core/SettingsCrc16.h"

#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace quorvex {
namespace {

using testing::readBytes;
using testing::RecordingMessages;
using testing::TempDir;

using Bytes = std::vector<std::uint8_t>;

Bytes recordOf(std::span<const std::uint8_t> file, std::size_t n) {
    const auto record = file.subspan(60 * n, 60);
    return {record.begin(), record.end()};
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes filled(std::size_t count, std::uint8_t value) {
    return Bytes(count, value);
}

SmtpTexts someTexts() {
    SmtpTexts texts;
    texts.apn = "internet";
    texts.smtpServer = "smtp.example.com";
    texts.smtpPort = "25";
    texts.senderEmail = "ab@example.com";
    texts.senderPassword = "secret";
    texts.smsPhone = "13912345678";
    texts.recipient = "me@example.org";
    return texts;
}

SettingsFileBytes built(const SmtpHeaderValues& header, const SmtpTexts& texts) {
    const SettingsFileBuild build = SmtpFileWriter::build(header, texts);
    EXPECT_TRUE(build.ok());
    return build.bytes;
}

unsigned storedCheck(const SettingsFileBytes& file) {
    return file[716] | (file[717] << 8);
}

TEST(SmtpFileWriter, PlainHeaderPictureLimitDigits) {
    SmtpHeaderValues header;
    for (const auto& [limit, tens, units] : {std::tuple{0, 0, 0}, {99, 9, 9}, {45, 4, 5}}) {
        header.picturesPerDay = limit;
        const auto plain = SmtpFileWriter::headerRecord(header);
        EXPECT_EQ(plain[3], tens) << limit;
        EXPECT_EQ(plain[4], units) << limit;
    }
}

TEST(SmtpFileWriter, ManualModeCountryByteAndModeByte) {
    SmtpHeaderValues header;
    header.countryIndex = 7;
    header.mode = DataSetupMode::Manual;
    const auto manual = SmtpFileWriter::headerRecord(header);
    EXPECT_EQ(manual[2], 0x80);
    EXPECT_EQ(manual[55], 0);
    const Bytes stored = recordOf(built(header, {}), 0);
    EXPECT_EQ(stored[2], 0xF7);
    EXPECT_EQ(stored[55], 0);

    header.mode = DataSetupMode::Auto;
    const auto automatic = SmtpFileWriter::headerRecord(header);
    EXPECT_EQ(automatic[2], 7);
    EXPECT_EQ(automatic[55], 1);
    EXPECT_EQ(recordOf(built(header, {}), 0)[55], 1); // stored unchanged
}

TEST(SmtpFileWriter, P4AndK4HeaderLayouts) {
    SmtpHeaderValues p4;
    p4.layout = SmtpLayout::P4;
    p4.operatorIndex = 1;
    p4.countryIndex = 3;
    p4.picturesPerDay = 12;
    p4.cameraLanguage = 2;
    p4.smtpStatus = 1; // VGA
    p4.remoteControl = 25;
    const auto plainP4 = SmtpFileWriter::headerRecord(p4);
    EXPECT_EQ(Bytes(plainP4.begin(), plainP4.end()),
              concat({{0, 1, 3, 1, 2, 2, 1, 25, 1}, filled(46, 0), {1, 0, 0, 13, 10}}));

    SmtpHeaderValues k4 = p4;
    k4.layout = SmtpLayout::K4;
    k4.smtpStatus = 2; // not part of the K4 layout
    const auto plainK4 = SmtpFileWriter::headerRecord(k4);
    EXPECT_EQ(Bytes(plainK4.begin() + 6, plainK4.begin() + 9), (Bytes{1, 1, 25}));
    k4.remoteControl = 5;
    const auto fiveHours = SmtpFileWriter::headerRecord(k4);
    EXPECT_EQ(Bytes(fiveHours.begin() + 6, fiveHours.begin() + 9), (Bytes{1, 1, 5}));

    EXPECT_EQ(recordOf(built(p4, {}), 0),
              concat({{0xFF, 0xEF, 0xCF, 0xEF, 0xDF, 0xDF, 0xEF, 0x6E, 0xEF},
                      filled(41, 0xFF),
                      filled(5, 0),
                      {1, 0, 0, 13, 10}}));
}

TEST(SmtpFileWriter, ListWithoutSelectionGivesFF) {
    SmtpHeaderValues header;
    header.operatorIndex = -1;
    header.smtpStatus = -1;
    const auto plain = SmtpFileWriter::headerRecord(header);
    EXPECT_EQ(plain[1], 0xFF);
    EXPECT_EQ(plain[6], 0xFF);
}

TEST(SmtpFileWriter, EmptyTextIsFiftyFFSevenZerosLengthZero) {
    const SettingsFileBytes file = built({}, {});
    const Bytes empty = concat({filled(50, 0xFF), filled(7, 0), {0, 13, 10}});
    for (std::size_t n = 1; n <= 10; ++n)
        EXPECT_EQ(recordOf(file, n), empty) << n;
}

TEST(SmtpFileWriter, TextsGoToTheirRecords) {
    const SmtpTexts texts{"apn",   "acct", "gprs-pw", "server", "587",
                          "x@y.z", "pw",   "12345",   "to@q.r"};
    const SettingsFileBytes file = built({}, texts);
    const std::pair<std::size_t, std::string> expected[] = {
        {1, "apn"},   {2, "acct"}, {3, "gprs-pw"}, {4, "server"}, {5, "587"},
        {6, "x@y.z"}, {7, "pw"},   {8, "12345"},   {9, "x"},      {10, "to@q.r"}};
    for (const auto& [n, text] : expected) {
        const Bytes record = recordOf(file, n);
        for (std::size_t i = 0; i < text.size(); ++i)
            EXPECT_EQ(scrambleByte(record[i]), static_cast<std::uint8_t>(text[i])) << n;
        EXPECT_EQ(record[text.size()], 0xFF) << n;
        EXPECT_EQ(record[57], text.size()) << n;
    }
    EXPECT_EQ(texts[SmtpTextField::SmsPhone], "12345");
    EXPECT_EQ(texts[SmtpTextField::Recipient], "to@q.r");
}

TEST(SmtpFileWriter, SenderUserNameIsTheAddressUpToItsAt) {
    SmtpTexts texts;
    texts.senderEmail = "ab@example.com";
    EXPECT_EQ(recordOf(built({}, texts), 9),
              concat({{0xE9, 0xD9}, filled(48, 0xFF), filled(7, 0), {2, 13, 10}}));

    const auto plain = SmtpFileWriter::senderUserNameRecord("ab@example.com");
    EXPECT_EQ(Bytes(plain.begin(), plain.end()), concat({{'a', 'b'}, filled(55, 0), {2, 13, 10}}));
    const auto noAt = SmtpFileWriter::senderUserNameRecord("camera");
    EXPECT_EQ(Bytes(noAt.begin(), noAt.end()),
              concat({{'c', 'a', 'm', 'e', 'r', 'a'}, filled(51, 0), {6, 13, 10}}));
    const auto leadingAt = SmtpFileWriter::senderUserNameRecord("@x");
    EXPECT_EQ(Bytes(leadingAt.begin(), leadingAt.end()), concat({filled(58, 0), {13, 10}}));

    texts.senderEmail = "José@example.com"; // stored in code page 437 before it is cut
    const Bytes stored = recordOf(built({}, texts), 9);
    EXPECT_EQ(scrambleByte(stored[3]), 0x82);
    EXPECT_EQ(stored[57], 4);
}

TEST(SmtpFileWriter, ChecksumIsTheStoredCrcPlusFifteen) {
    const SettingsFileBytes file = built({}, someTexts());
    const unsigned crc = settingsCrc16(std::span(file).first(660));
    EXPECT_EQ(storedCheck(file), (crc + 15) & 0xFFFF);
    EXPECT_EQ(recordOf(file, 11), concat({filled(56, 0), {file[716], file[717], 13, 10}}));

    // Any change of a stored byte changes the check value: try one in every record.
    for (std::size_t n = 0; n < 11; ++n) {
        SmtpTexts texts = someTexts();
        SmtpHeaderValues header;
        switch (n) {
        case 0:
            header.picturesPerDay = 1;
            break;
        case 1:
            texts.apn += 'x';
            break;
        case 2:
            texts.gprsAccount = "a";
            break;
        case 3:
            texts.gprsPassword = "p";
            break;
        case 4:
            texts.smtpServer[0] = 'S';
            break;
        case 5:
            texts.smtpPort = "26";
            break;
        case 6:
            texts.senderEmail = "ab@example.net";
            break;
        case 7:
            texts.senderPassword = "secreT";
            break;
        case 8:
            texts.smsPhone = "13912345679";
            break;
        case 9:
            texts.senderEmail = "ac@example.com";
            break;
        case 10:
            texts.recipient = "me@example.com";
            break;
        }
        EXPECT_NE(storedCheck(built(header, texts)), storedCheck(file)) << n;
    }
}

TEST(SmtpFileWriter, CompletedGenerationReplacesTheFileAndRemovesTheWorkingFile) {
    for (const std::size_t oldSize : {std::size_t{100}, std::size_t{4000}}) {
        TempDir dir;
        testing::writeText(dir.file("smtp.dat"), std::string(oldSize, 's'));
        testing::writeText(dir.file("mms.dat"), std::string(1000, 'm'));
        RecordingMessages out;
        const SettingsFileOutcome outcome =
            SmtpFileWriter::write(dir.path(), {}, someTexts(), kEnglish, out);
        EXPECT_TRUE(outcome.written);
        const Bytes bytes = readBytes(dir.file("smtp.dat"));
        const SettingsFileBytes expected = built({}, someTexts());
        EXPECT_EQ(bytes, Bytes(expected.begin(), expected.end()));
        EXPECT_EQ(Bytes(bytes.begin() + 660, bytes.begin() + 716), filled(56, 0));
        EXPECT_EQ(testing::folderEntries(dir.path()), std::vector<std::string>{"smtp.dat"});
        EXPECT_EQ(out.messages,
                  std::vector<std::string>{"SMTP configuration file has been generated\n" +
                                           dir.file("smtp.dat")});
        ASSERT_EQ(out.written.size(), 1u);
        EXPECT_EQ(out.written[0], std::make_pair(dir.file("smtp.dat"), std::size_t{720}));
    }
}

TEST(SmtpFileWriter, ChineseSuccessMessage) {
    TempDir dir;
    RecordingMessages out;
    EXPECT_TRUE(SmtpFileWriter::write(dir.path(), {}, someTexts(), kChinese, out).written);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"SMTP配置文件已生成\n" + dir.file("smtp.dat")});
}

TEST(SmtpFileWriter, TextThatCannotBeStoredWritesNothing) {
    TempDir dir;
    testing::writeText(dir.file("smtp.dat"), "old");
    SmtpTexts texts = someTexts();
    texts.senderPassword = "密码";
    RecordingMessages out;
    const SettingsFileOutcome outcome = SmtpFileWriter::write(dir.path(), {}, texts, kEnglish, out);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.refusedRecord, static_cast<int>(SmtpTextField::SenderPassword));
    EXPECT_EQ(out.messages, std::vector<std::string>{
                                "Cannot write " + dir.file("smtp.dat") +
                                ": text 7: U+5BC6 at character 1 has no code page 437 form"});
    EXPECT_EQ(testing::readText(dir.file("smtp.dat")), "old");
}

} // namespace
} // namespace quorvex
