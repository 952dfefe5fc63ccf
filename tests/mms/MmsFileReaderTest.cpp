// SPDX-License-Identifier: MIT
#include "card/MmsFileReader.h"

#include "card/SettingsFileReader.h"
#include "core/SettingsCrc16.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

MmsHeaderValues manualHeader() {
    MmsHeaderValues h;
    h.sendCode = 3;
    h.sendPosition = 4;
    h.connectionType = 1;
    h.picturesPerDay = 37;
    h.cameraLanguage = 5;
    h.tvMode = 1;
    h.internationalNumbering = true;
    h.countryByte = 0x80;
    h.operatorByte = 0;
    h.remoteControl = 12;
    h.mode = DataSetupMode::Manual;
    return h;
}

const MmsTexts kTexts{"http://mms.example.net", "mms",   "10.0.0.172", "8080", "+4915112345678",
                      "jäger@example.org",      "guest", "sécret",     "",     "13900000000"};

SettingsFileBytes written(const MmsHeaderValues& header) {
    return MmsFileWriter::build(header, kTexts).bytes;
}

// Changes a plain byte of a record and stores the file's checksum anew, so only that byte is
// wrong.
void changePlainByte(SettingsFileBytes& file, std::size_t record, std::size_t byte,
                     std::uint8_t value, std::uint16_t addend) {
    file[record * 60 + byte] = byte < kScrambledBytes ? scrambleByte(value) : value;
    const std::uint16_t crc = static_cast<std::uint16_t>(settingsFileCrc(file) + addend);
    file[11 * 60 + 56] = static_cast<std::uint8_t>(crc & 0xFF);
    file[11 * 60 + 57] = static_cast<std::uint8_t>(crc >> 8);
}

TEST(MmsFileReader, ReadsBackWhatTheWriterStored) {
    const MmsFileContent content = readMmsFile(written(manualHeader()), MmsSendList::FourEntries);
    ASSERT_TRUE(content.check.readable()) << content.check.detail;
    const MmsHeaderValues& h = content.header;
    EXPECT_EQ(h.sendCode, 3);
    EXPECT_EQ(h.sendPosition, 4);
    EXPECT_EQ(h.connectionType, 1);
    EXPECT_EQ(h.picturesPerDay, 37);
    EXPECT_EQ(h.cameraLanguage, 5);
    EXPECT_TRUE(h.internationalNumbering);
    EXPECT_EQ(h.remoteControl, 12);
    EXPECT_EQ(h.mode, DataSetupMode::Manual);
    // Code page 437 back to Unicode.
    for (int field = 1; field <= 10; ++field)
        EXPECT_EQ(content.texts[static_cast<MmsTextField>(field)],
                  kTexts[static_cast<MmsTextField>(field)]);
}

TEST(MmsFileReader, RefusesDamageAndAnotherFormsSendList) {
    const auto verdict = [](const SettingsFileBytes& file) {
        return readMmsFile(file, MmsSendList::FourEntries).check;
    };
    SettingsFileBytes file = written(manualHeader());
    file[11 * 60 + 56] ^= 1;
    EXPECT_EQ(verdict(file).verdict, CardVerdict::Damaged);

    // A byte after a text's NUL, and a length byte that does not count the text.
    file = written(manualHeader());
    changePlainByte(file, 3, 20, 'x', 18);
    EXPECT_EQ(verdict(file).detail, "record 3: byte 20 after the text is not 0");
    file = written(manualHeader());
    changePlainByte(file, 4, 57, 5, 18);
    EXPECT_EQ(verdict(file).detail, "record 4: the length byte holds 5 for a text of 4 characters");

    // The numbering byte must agree with the checksum; Manual mode stores country 128.
    file = written(manualHeader());
    changePlainByte(file, 0, 7, 0, 18);
    EXPECT_EQ(verdict(file).verdict, CardVerdict::Damaged);
    file = written(manualHeader());
    changePlainByte(file, 0, 8, 3, 18);
    EXPECT_EQ(verdict(file).verdict, CardVerdict::Damaged);

    // SMS of the four-entry list (code 3 at position 4) is no entry of the P4 form's list.
    const MmsFileContent p4 = readMmsFile(written(manualHeader()), MmsSendList::P4);
    EXPECT_EQ(p4.check.verdict, CardVerdict::OtherLayout);
    EXPECT_EQ(p4.check.detail, "MMS Send of the generic MMS form");
}

} // namespace
} // namespace quorvex
