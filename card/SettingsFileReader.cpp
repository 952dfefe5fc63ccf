// SPDX-License-Identifier: MIT
#include "card/SettingsFileReader.h"

#include "core/SettingsCrc16.h"
#include "core/Utf8.h"

#include <algorithm>

namespace quorvex {

namespace {

std::span<const std::uint8_t, kSettingsRecordSize> recordBytes(std::span<const std::uint8_t> file,
                                                               std::size_t index) {
    return file.subspan(index * kSettingsRecordSize).first<kSettingsRecordSize>();
}

} // namespace

std::string recordFault(int record, int byte, std::string_view why) {
    std::string text = "record " + std::to_string(record);
    if (byte >= 0)
        text += ", byte " + std::to_string(byte);
    return text + ": " + std::string(why);
}

std::string settingsFileFrameFault(std::span<const std::uint8_t> file) {
    if (file.size() != kSettingsFileSize)
        return "the file has " + std::to_string(file.size()) + " bytes, not " +
               std::to_string(kSettingsFileSize);
    for (std::size_t r = 0; r <= kChecksumRecord; ++r) {
        const auto record = recordBytes(file, r);
        if (record[kRecordEndByte] != kCr || record[kRecordEndByte + 1] != kLf)
            return recordFault(static_cast<int>(r), static_cast<int>(kRecordEndByte),
                               "the record does not end in CR LF");
    }
    const auto checksum = recordBytes(file, kChecksumRecord);
    for (std::size_t i = 0; i < kChecksumLowByte; ++i)
        if (checksum[i] != 0)
            return recordFault(static_cast<int>(kChecksumRecord), static_cast<int>(i),
                               "the checksum record holds no data before byte " +
                                   std::to_string(kChecksumLowByte));
    return {};
}

std::uint16_t settingsFileCrc(std::span<const std::uint8_t> file) {
    return settingsCrc16(
        file.first(std::min(file.size(), kScrambledRecordCount * kSettingsRecordSize)));
}

unsigned storedSettingsChecksum(std::span<const std::uint8_t> file) {
    const auto record = recordBytes(file, kChecksumRecord);
    return record[kChecksumLowByte] | (record[kChecksumLowByte + 1] << 8);
}

PlainRecords plainRecords(std::span<const std::uint8_t> file) {
    PlainRecords plain{};
    for (std::size_t r = 0; r < kScrambledRecordCount; ++r)
        plain[r] = recordUnscramble(recordBytes(file, r));
    return plain;
}

TextRecordRead readTextRecord(const SettingsRecordBytes& plain, const TextRecordSchema& schema) {
    const auto end = static_cast<std::size_t>(
        std::find(plain.begin(), plain.begin() + kTextArea, std::uint8_t{0}) - plain.begin());
    TextRecordRead read;
    read.oemBytes.assign(plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(end));
    for (std::size_t i = 0; i < end; ++i)
        ui::appendUtf8(read.text, characterForOemByte(plain[i]));
    for (std::size_t i = end; i < kTextArea; ++i)
        if (plain[i] != 0)
            return {read.oemBytes, read.text, TextRecordFault::BytesAfterText, static_cast<int>(i)};
    if (plain[kTextLengthByte] != end)
        read.fault = TextRecordFault::LengthByte;
    else if (end > schema.limit)
        read.fault = TextRecordFault::TooLong;
    if (!read.ok())
        read.faultByte = static_cast<int>(kTextLengthByte);
    return read;
}

std::string textRecordFaultText(const SettingsRecordBytes& plain, const TextRecordSchema& schema,
                                const TextRecordRead& read) {
    switch (read.fault) {
    case TextRecordFault::None:
        break;
    case TextRecordFault::BytesAfterText:
        return "byte " + std::to_string(read.faultByte) + " after the text is not 0";
    case TextRecordFault::LengthByte:
        return "the length byte holds " + std::to_string(plain[kTextLengthByte]) +
               " for a text of " + std::to_string(read.oemBytes.size()) + " characters";
    case TextRecordFault::TooLong:
        return std::string(schema.label) + " has " + std::to_string(read.oemBytes.size()) +
               " characters; the form allows " + std::to_string(schema.limit);
    }
    return {};
}

CardCheck readTextRecords(const PlainRecords& plain, std::span<const TextRecordSchema, 10> schema,
                          std::span<std::string, 10> texts) {
    for (const TextRecordSchema& field : schema) {
        const auto& record = plain[static_cast<std::size_t>(field.record)];
        TextRecordRead read = readTextRecord(record, field);
        if (!read.ok())
            return cardRefusal(
                CardVerdict::Damaged,
                recordFault(field.record, -1, textRecordFaultText(record, field, read)));
        texts[static_cast<std::size_t>(field.record - 1)] = std::move(read.text);
    }
    return {};
}

std::string checksumFault() {
    return recordFault(static_cast<int>(kChecksumRecord), static_cast<int>(kChecksumLowByte),
                       "the checksum does not match");
}

CardCheck headerFault(std::size_t byte, std::string_view why) {
    return cardRefusal(CardVerdict::Damaged, recordFault(0, static_cast<int>(byte), why));
}

CardCheck pictureAndLanguageFault(std::span<const std::uint8_t> plainHeader,
                                  const HeaderField& pictures, const HeaderField& language) {
    if (pictureLimit(plainHeader, pictures) < 0)
        return headerFault(pictures.byte + (plainHeader[pictures.byte] > 9 ? 0 : 1),
                           "no digit of a picture limit");
    if (!language.holds(plainHeader[language.byte]))
        return headerFault(language.byte, "no camera language");
    return {};
}

} // namespace quorvex
