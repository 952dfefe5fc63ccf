// SPDX-License-Identifier: MIT
#include "card/SettingsFileReader.h"

#include "core/SettingsCrc16.h"
#include "core/Utf8.h"

#include <algorithm>

namespace quorvex {

namespace {

constexpr std::size_t kChecksumRecord = kScrambledRecordCount;
constexpr std::size_t kTextArea = 57; // bytes 0-56

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
        return "the file has " + std::to_string(file.size()) + " bytes, not 720";
    for (std::size_t r = 0; r <= kChecksumRecord; ++r) {
        const auto record = recordBytes(file, r);
        if (record[58] != 13 || record[59] != 10)
            return recordFault(static_cast<int>(r), 58, "the record does not end in CR LF");
    }
    const auto checksum = recordBytes(file, kChecksumRecord);
    for (std::size_t i = 0; i < 56; ++i)
        if (checksum[i] != 0)
            return recordFault(static_cast<int>(kChecksumRecord), static_cast<int>(i),
                               "the checksum record holds no data before byte 56");
    return {};
}

std::uint16_t settingsFileCrc(std::span<const std::uint8_t> file) {
    return settingsCrc16(
        file.first(std::min(file.size(), kScrambledRecordCount * kSettingsRecordSize)));
}

unsigned storedSettingsChecksum(std::span<const std::uint8_t> file) {
    const auto record = recordBytes(file, kChecksumRecord);
    return record[56] | (record[57] << 8);
}

PlainRecords plainRecords(std::span<const std::uint8_t> file) {
    PlainRecords plain{};
    for (std::size_t r = 0; r < kScrambledRecordCount; ++r)
        plain[r] = recordUnscramble(recordBytes(file, r));
    return plain;
}

TextRecordRead readTextRecord(const SettingsRecordBytes& plain) {
    const auto end = static_cast<std::size_t>(
        std::find(plain.begin(), plain.begin() + kTextArea, std::uint8_t{0}) - plain.begin());
    TextRecordRead read;
    for (std::size_t i = end; i < kTextArea; ++i)
        if (plain[i] != 0)
            return {{}, "byte " + std::to_string(i) + " after the text is not 0"};
    for (std::size_t i = 0; i < end; ++i)
        ui::appendUtf8(read.text, characterForOemByte(plain[i]));
    // Every code page 437 character is one UTF-16 unit, so the count is the number of bytes.
    if (plain[kTextLengthByte] != end)
        read.fault = "the length byte holds " + std::to_string(plain[kTextLengthByte]) +
                     " for a text of " + std::to_string(end) + " characters";
    return read;
}

CardCheck readTextRecords(const PlainRecords& plain, int first, int last,
                          std::span<std::string> texts) {
    for (int r = first; r <= last; ++r) {
        TextRecordRead read = readTextRecord(plain[static_cast<std::size_t>(r)]);
        if (!read.fault.empty())
            return cardRefusal(CardVerdict::Damaged, recordFault(r, -1, read.fault));
        texts[static_cast<std::size_t>(r - first)] = std::move(read.text);
    }
    return {};
}

} // namespace quorvex
