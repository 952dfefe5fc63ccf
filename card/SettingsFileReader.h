// SPDX-License-Identifier: MIT
#pragma once

#include "core/CardCheck.h"
#include "card/ScrambledSettingsFile.h"

#include <cstdint>
#include <span>
#include <string>

namespace quorvex {

// Reading setup.dat and smtp.dat back: the checks and decoding both files share.

// The plain form of a stored record: scrambling is its own inverse (inverting and swapping the
// nibbles each undo themselves and commute).
inline SettingsRecordBytes
recordUnscramble(std::span<const std::uint8_t, kSettingsRecordSize> stored) {
    return recordScramble(stored);
}

// Why the file cannot be a settings file at all (its size, a record end, the checksum record's
// zero bytes), empty when its frame is sound.
std::string settingsFileFrameFault(std::span<const std::uint8_t> file);

// SettingsCrc16 of records 0-10 as stored, and the value the checksum record holds.
std::uint16_t settingsFileCrc(std::span<const std::uint8_t> file);
unsigned storedSettingsChecksum(std::span<const std::uint8_t> file);

// Records 0-10 of a file with a sound frame, unscrambled.
PlainRecords plainRecords(std::span<const std::uint8_t> file);

// A plain text record read back: its text from code page 437 to UTF-8, or why it cannot be one
// a form wrote (bytes after the text, a length byte that does not count the text).
struct TextRecordRead {
    std::string text;
    std::string fault;
};
TextRecordRead readTextRecord(const SettingsRecordBytes& plain);

// The first fault of the texts of records `first` to `last`, with their texts in `texts`
// (`texts[i]` for record first + i).
CardCheck readTextRecords(const PlainRecords& plain, int first, int last,
                          std::span<std::string> texts);

// "record 3, byte 8: ..." for a fault message.
std::string recordFault(int record, int byte, std::string_view why);

} // namespace quorvex
