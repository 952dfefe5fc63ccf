// SPDX-License-Identifier: MIT
#include "card/MmsFileWriter.h"

#include "core/SettingsCrc16.h"

#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quorvex {
namespace {

using testing::readBytes;
using testing::RecordingMessages;
using testing::TempDir;

std::vector<std::uint8_t> recordOf(const SettingsFileBytes& file, std::size_t n) {
    return {file.begin() + static_cast<std::ptrdiff_t>(60 * n),
            file.begin() + static_cast<std::ptrdiff_t>(60 * (n + 1))};
}

std::vector<std::uint8_t> filled(std::size_t count, std::uint8_t value) {
    return std::vector<std::uint8_t>(count, value);
}

std::vector<std::uint8_t> concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

SettingsFileBytes built(const MmsHeaderValues& header, const MmsTexts& texts) {
    const SettingsFileBuild build = MmsFileWriter::build(header, texts);
    EXPECT_TRUE(build.ok());
    return build.bytes;
}

std::uint16_t storedCheck(const SettingsFileBytes& file) {
    return static_cast<std::uint16_t>(file[716] | (file[717] << 8));
}

std::uint16_t crcOfStoredRecords(const SettingsFileBytes& file) {
    return settingsCrc16(std::span(file).first(660));
}

TEST(MmsFileWriter, PlainHeaderCarriesEveryFieldAtItsByte) {
    MmsHeaderValues header;
    header.sendCode = 3;
    header.sendPosition = 3;
    header.connectionType = 1;
    header.picturesPerDay = 37;
    header.cameraLanguage = 1;
    header.tvMode = 0x0102; // only the low byte is stored
    header.internationalNumbering = true;
    header.countryByte = 42;
    header.operatorByte = 9;
    header.remoteControl = 6;
    header.mode = DataSetupMode::Auto;
    const SettingsRecordBytes plain = MmsFileWriter::headerRecord(header);
    const std::vector<std::uint8_t> expected =
        concat({{3, 3, 1, 3, 7, 1, 2, 1, 42, 9, 6}, filled(44, 0), {1, 0, 0, 13, 10}});
    EXPECT_EQ(std::vector<std::uint8_t>(plain.begin(), plain.end()), expected);

    // Stored: bytes 0-49 scrambled, byte 55 and CR LF as they were.
    const std::vector<std::uint8_t> stored = recordOf(built(header, {}), 0);
    EXPECT_EQ(stored, concat({{0xCF, 0xCF, 0xEF, 0xCF, 0x8F, 0xEF, 0xDF, 0xEF, 0x5D, 0x6F, 0x9F},
                              filled(39, 0xFF),
                              filled(5, 0),
                              {1, 0, 0, 13, 10}}));
}

TEST(MmsFileWriter, PictureLimitIsSplitIntoTensAndUnits) {
    MmsHeaderValues header;
    header.picturesPerDay = 37;
    auto plain = MmsFileWriter::headerRecord(header);
    EXPECT_EQ(plain[3], 3);
    EXPECT_EQ(plain[4], 7);
    header.picturesPerDay = 0;
    plain = MmsFileWriter::headerRecord(header);
    EXPECT_EQ(plain[3], 0);
    EXPECT_EQ(plain[4], 0);
    header.picturesPerDay = 99;
    plain = MmsFileWriter::headerRecord(header);
    EXPECT_EQ(plain[3], 9);
    EXPECT_EQ(plain[4], 9);
}

TEST(MmsFileWriter, ManualAndAutoModeBytes) {
    MmsHeaderValues manual;
    manual.mode = DataSetupMode::Manual;
    manual.countryByte = 128;
    manual.operatorByte = 0;
    const auto plainManual = MmsFileWriter::headerRecord(manual);
    EXPECT_EQ(plainManual[8], 128);
    EXPECT_EQ(plainManual[9], 0);
    EXPECT_EQ(plainManual[55], 0);
    const auto storedManual = recordOf(built(manual, {}), 0);
    EXPECT_EQ(storedManual[8], 0xF7);
    EXPECT_EQ(storedManual[9], 0xFF);
    EXPECT_EQ(storedManual[55], 0);

    MmsHeaderValues automatic;
    automatic.countryByte = 5;
    automatic.operatorByte = 2;
    EXPECT_EQ(MmsFileWriter::headerRecord(automatic)[55], 1);
    EXPECT_EQ(recordOf(built(automatic, {}), 0)[55], 1);
}

TEST(MmsFileWriter, RemoteControlOffIsTwentyFive) {
    MmsHeaderValues header;
    header.remoteControl = 25;
    EXPECT_EQ(MmsFileWriter::headerRecord(header)[10], 25);
    EXPECT_EQ(recordOf(built(header, {}), 0)[10], 0x6E);
}

TEST(MmsFileWriter, ElevenDigitPhoneNumberInRecordFive) {
    MmsTexts texts;
    texts.phoneNo = "13912345678";
    const SettingsFileBytes file = built({}, texts);
    EXPECT_EQ(recordOf(file, 5),
              concat({{0xEC, 0xCC, 0x6C, 0xEC, 0xDC, 0xCC, 0xBC, 0xAC, 0x9C, 0x8C, 0x7C},
                      filled(39, 0xFF),
                      filled(7, 0),
                      {11, 13, 10}}));
    const auto empty = concat({filled(50, 0xFF), filled(8, 0), {13, 10}});
    for (std::size_t n : {1u, 2u, 3u, 4u, 6u, 7u, 8u, 9u, 10u})
        EXPECT_EQ(recordOf(file, n), empty) << n;
}

TEST(MmsFileWriter, TextsGoToTheirRecordsInOrder) {
    MmsTexts texts{"url", "apn", "gw", "port", "phone", "mail", "acct", "pass", "two", "three"};
    const SettingsFileBytes file = built({}, texts);
    const char* expected[] = {"url",  "apn",  "gw",   "port", "phone",
                              "mail", "acct", "pass", "two",  "three"};
    for (std::size_t n = 1; n <= 10; ++n) {
        const auto record = recordOf(file, n);
        const std::string text = expected[n - 1];
        for (std::size_t i = 0; i < text.size(); ++i)
            EXPECT_EQ(scrambleByte(record[i]), static_cast<std::uint8_t>(text[i])) << n;
        EXPECT_EQ(record[text.size()], 0xFF) << n; // the NUL after the text
        EXPECT_EQ(record[57], text.size()) << n;
        EXPECT_EQ(texts[static_cast<MmsTextField>(n)], text);
    }
}

TEST(MmsFileWriter, ChecksumCoversTheStoredBytes) {
    MmsTexts texts;
    texts.url = "http://mmsc.example/";
    texts.email = "someone@example.com";
    const SettingsFileBytes file = built({}, texts);
    EXPECT_EQ(storedCheck(file), crcOfStoredRecords(file));
    EXPECT_EQ(recordOf(file, 11), concat({filled(56, 0), {file[716], file[717], 13, 10}}));

    // Over the plain records the value would differ.
    std::vector<std::uint8_t> plain(file.begin(), file.begin() + 660);
    for (std::size_t n = 0; n < 11; ++n)
        for (std::size_t i = 0; i < 50; ++i)
            plain[60 * n + i] = scrambleByte(plain[60 * n + i]);
    EXPECT_NE(storedCheck(file), settingsCrc16(plain));

    // One character more changes the check value.
    texts.email = "someone@example.co";
    EXPECT_NE(storedCheck(built({}, texts)), storedCheck(file));
}

TEST(MmsFileWriter, InternationalNumberingChangesOnlyByteSevenAndAddsEighteen) {
    MmsTexts texts;
    texts.phoneNo = "+4915112345678";
    MmsHeaderValues domestic;
    MmsHeaderValues international;
    international.internationalNumbering = true;
    const SettingsFileBytes a = built(domestic, texts);
    const SettingsFileBytes b = built(international, texts);
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            differing.push_back(i);
    EXPECT_TRUE(differing == std::vector<std::size_t>({7, 716, 717}) ||
                differing == std::vector<std::size_t>({7, 716}));
    EXPECT_EQ(a[7], 0xFF);
    EXPECT_EQ(b[7], 0xEF);
    EXPECT_EQ(storedCheck(a), crcOfStoredRecords(a));
    EXPECT_EQ(storedCheck(b), static_cast<std::uint16_t>(crcOfStoredRecords(b) + 18));
}

TEST(MmsFileWriter, InternationalAddendCarriesIntoTheHighByte) {
    // Look for a file whose CRC low byte is 0xEE or more, so that adding 18 carries.
    MmsHeaderValues header;
    header.internationalNumbering = true;
    MmsTexts texts;
    bool found = false;
    for (int n = 0; n < 4000 && !found; ++n) {
        texts.phoneNo = "+49" + std::to_string(100000000 + n);
        const SettingsFileBytes file = built(header, texts);
        const std::uint16_t crc = crcOfStoredRecords(file);
        if ((crc & 0xFF) < 0xEE)
            continue;
        found = true;
        EXPECT_EQ(file[716], (crc + 18) & 0xFF);
        EXPECT_EQ(file[717], ((crc >> 8) + 1) & 0xFF);
    }
    EXPECT_TRUE(found);
}

TEST(MmsFileWriter, WritesSetupDatAndTheSuccessMessage) {
    TempDir dir;
    RecordingMessages out;
    MmsTexts texts;
    texts.phoneNo = "13912345678";
    const SettingsFileOutcome outcome = MmsFileWriter::write(dir.path(), {}, texts, kEnglish, out);
    EXPECT_TRUE(outcome.written);
    const auto bytes = readBytes(dir.file("setup.dat"));
    const SettingsFileBytes expected = built({}, texts);
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(out.messages,
              std::vector<std::string>{
                  "MMS configuration file (URL|APN|Gateway|Port ...) has been generated\n" +
                  dir.file("setup.dat")});
    ASSERT_EQ(out.written.size(), 1u);
    EXPECT_EQ(out.written[0], std::make_pair(dir.file("setup.dat"), std::size_t{720}));
    EXPECT_EQ(testing::folderEntries(dir.path()), std::vector<std::string>{"setup.dat"});

    RecordingMessages chinese;
    EXPECT_TRUE(MmsFileWriter::write(dir.path(), {}, texts, kChinese, chinese).written);
    EXPECT_EQ(chinese.messages,
              std::vector<std::string>{"MMS配置文件已生成\n" + dir.file("setup.dat")});
}

TEST(MmsFileWriter, RepeatedWritesGiveTheSameBytes) {
    TempDir dir;
    RecordingMessages out;
    MmsTexts texts;
    texts.email = "a@b.c";
    MmsFileWriter::write(dir.path(), {}, texts, kEnglish, out);
    const auto first = readBytes(dir.file("setup.dat"));
    MmsFileWriter::write(dir.path(), {}, texts, kEnglish, out);
    EXPECT_EQ(first.size(), 720u);
    EXPECT_EQ(readBytes(dir.file("setup.dat")), first);
}

TEST(MmsFileWriter, LongerOldFilesDoNotShowThrough) {
    TempDir dir;
    testing::writeText(dir.file("setup.dat"), std::string(5000, 'x'));
    testing::writeText(dir.file("mms.dat"), std::string(2000, 'y'));
    RecordingMessages out;
    MmsTexts texts;
    texts.phoneNo = "13912345678";
    EXPECT_TRUE(MmsFileWriter::write(dir.path(), {}, texts, kEnglish, out).written);
    const SettingsFileBytes expected = built({}, texts);
    EXPECT_EQ(readBytes(dir.file("setup.dat")),
              std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(testing::folderEntries(dir.path()), std::vector<std::string>{"setup.dat"});
}

TEST(MmsFileWriter, LongestStorableTextKeepsItsNul) {
    MmsTexts texts;
    texts.url = std::string(56, 'u');
    const auto record = recordOf(built({}, texts), 1);
    EXPECT_EQ(record, concat({filled(50, 0xA8), filled(6, 'u'), {0, 56, 13, 10}}));
}

TEST(MmsFileWriter, TextThatCannotBeStoredWritesNothing) {
    TempDir dir;
    testing::writeText(dir.file("setup.dat"), "old");
    RecordingMessages out;
    MmsTexts texts;
    texts.phoneNo = "13912345678";
    texts.phoneOrEmail2 = "张三@example.com";
    const SettingsFileOutcome outcome = MmsFileWriter::write(dir.path(), {}, texts, kEnglish, out);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.refusedRecord, 9);
    EXPECT_EQ(outcome.refusal.character, U'张');
    EXPECT_EQ(out.messages, std::vector<std::string>{
                                "Cannot write " + dir.file("setup.dat") +
                                ": text 9: U+5F20 at character 1 has no code page 437 form"});
    EXPECT_TRUE(out.written.empty());
    EXPECT_EQ(testing::readText(dir.file("setup.dat")), "old");

    texts.phoneOrEmail2.clear();
    texts.url = std::string(57, 'u'); // would run into the length byte
    RecordingMessages longer;
    const SettingsFileOutcome tooLong =
        MmsFileWriter::write(dir.path(), {}, texts, kChinese, longer);
    EXPECT_EQ(tooLong.refusedRecord, 1);
    EXPECT_EQ(tooLong.refusal.fault, OemFault::TooLong);
    EXPECT_EQ(longer.messages, std::vector<std::string>{"无法写入 " + dir.file("setup.dat") +
                                                        "：text 1: longer than 56 characters"});
    EXPECT_EQ(testing::readText(dir.file("setup.dat")), "old");
}

} // namespace
} // namespace quorvex
