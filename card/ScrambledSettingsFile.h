// SPDX-License-Identifier: MIT
#pragma once

#include "card/OemCodePage.h"
#include "card/RecordScramble.h"
#include "core/InfoMessages.h"
#include "core/Language.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorvex {

// What setup.dat and smtp.dat have in common: a header and ten text records, stored scrambled,
// then an unscrambled checksum record; 720 bytes in all.
inline constexpr std::size_t kScrambledRecordCount = 11;
inline constexpr std::size_t kChecksumRecord = 11;
inline constexpr std::size_t kSettingsFileSize = 720;
// The checksum record holds the checksum, low byte first, at 56-57 and 0 before it.
inline constexpr std::size_t kChecksumLowByte = 56;
// "720 (12 records of 60)"
inline std::string settingsFileSizeText() {
    return std::to_string(kSettingsFileSize) + " (" + std::to_string(kChecksumRecord + 1) +
           " records of " + std::to_string(kSettingsRecordSize) + ")";
}
using SettingsFileBytes = std::array<std::uint8_t, kSettingsFileSize>;
using PlainRecords = std::array<SettingsRecordBytes, kScrambledRecordCount>;

// Text records hold the text in their text area, bytes 0-56, followed by its NUL, so at most 56
// bytes of text; a longer one would run into the length byte at 57 or beyond the record. The
// length byte counts the text's characters, and every code page 437 character is one byte.
inline constexpr std::size_t kTextArea = 57;
inline constexpr std::size_t kTextRecordCapacity = kTextArea - 1;
inline constexpr std::size_t kTextLengthByte = 57;

// The working file in which earlier versions staged the plain records. We build in memory, but a
// completed generation still leaves no file of that name in the folder, whatever was there.
inline constexpr std::string_view kWorkingFileName = "mms.dat";

// A text as a text record will store it: code page 437, at most kTextRecordCapacity bytes.
// The forms call this to refuse a field before generating.
OemText storableText(std::string_view utf8);

// A plain record: CR LF at 58-59, everything else 0.
SettingsRecordBytes emptyRecord();

// Stores the low 8 bits of value (-1, a list without selection, gives 0xFF).
void setRecordByte(SettingsRecordBytes& record, std::size_t offset, int value);

// The plain text record of bytes already in code page 437: the bytes, zeros up to 56, the
// character count at 57 (one byte per character in code page 437), CR LF. Bytes beyond
// kTextRecordCapacity are not stored; textRecordFor refuses such a text instead.
SettingsRecordBytes textRecord(std::string_view oemBytes);

struct TextRecordResult {
    SettingsRecordBytes record{};
    OemText text; // why it cannot be stored, when !text.ok()
};
TextRecordResult textRecordFor(std::string_view utf8);

// Scrambles records 0-10 and appends the checksum record: SettingsCrc16 over the 660 stored
// bytes plus `checksumAddend`, low 16 bits, low byte at 56.
SettingsFileBytes assembleSettingsFile(const PlainRecords& plain, std::uint16_t checksumAddend);

// A file as it will go onto the card, or the text that keeps it from being built.
struct SettingsFileBuild {
    SettingsFileBytes bytes{};
    int refusedRecord = 0; // 1-10: the text record that cannot be stored; bytes are then unusable
    OemText refusal;       // the offending character of that text
    bool ok() const { return refusedRecord == 0; }
};

// Fills plain[record] with the text record of `utf8`; on refusal notes it in `build` and
// returns false (the first refusal is kept).
bool placeTextRecord(PlainRecords& plain, int record, std::string_view utf8,
                     SettingsFileBuild& build);

struct SettingsFileOutcome {
    bool written = false;
    int refusedRecord = 0; // as in SettingsFileBuild; nothing was written then
    OemText refusal;
};

// Why a text cannot be stored, for the "Cannot write" message: "text 5: U+4E2D at character
// 1 has no code page 437 form".
std::string refusalReason(int record, const OemText& text);

// Replaces <folder>/<fileName> with `bytes` and removes a working file left in the folder; shows
// `successText` only once the file is complete on the device, otherwise "Cannot write ...".
// A failure leaves the previous file as it was and no temporary file behind.
bool writeSettingsFile(std::string_view folder, std::string_view fileName,
                       std::span<const std::uint8_t, kSettingsFileSize> bytes,
                       std::string_view successText, LanguageId language,
                       ui::InfoMessages& messages);

// writeSettingsFile for a build; a refused build writes nothing and shows "Cannot write" for
// <folder>/<fileName> with refusalReason.
SettingsFileOutcome writeSettingsFile(std::string_view folder, std::string_view fileName,
                                      const SettingsFileBuild& build, std::string_view successText,
                                      LanguageId language, ui::InfoMessages& messages);

} // namespace quorvex
