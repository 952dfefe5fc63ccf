// SPDX-License-Identifier: MIT
#pragma once

#include "card/ScrambledSettingsFile.h"
#include "card/SettingsFileSchema.h"
#include "card/SettingsHeaderSchema.h"
#include "core/CardCheck.h"

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

// What keeps a plain text record from being one a form wrote. The length byte is read as the
// writers write it: the number of code page 437 bytes of the text, since every such character is
// one UTF-16 unit. A writer whose code page could not hold a text would store no bytes and keep
// the count, but nothing that reaches this camera's code page is refused for its length, so an
// empty text with a count, or a count other than the bytes, is damage.
enum class TextRecordFault {
    None,
    BytesAfterText, // a byte of the text area after the text's NUL is not 0
    LengthByte,     // the length byte does not count the text
    TooLong,        // more characters than the form lets the user type
};

// A plain text record read back: its bytes and their text from code page 437 to UTF-8, or its
// first fault and the byte it lies at.
struct TextRecordRead {
    std::string oemBytes;
    std::string text;
    TextRecordFault fault = TextRecordFault::None;
    int faultByte = -1;
    bool ok() const { return fault == TextRecordFault::None; }
};
TextRecordRead readTextRecord(const SettingsRecordBytes& plain, const TextRecordSchema& schema);

// The reason of a text record's fault, for the message of a card that is not loaded.
std::string textRecordFaultText(const SettingsRecordBytes& plain, const TextRecordSchema& schema,
                                const TextRecordRead& read);

// The first fault of the texts of records 1-10, with their texts in `texts` (`texts[i]` for
// record i + 1).
CardCheck readTextRecords(const PlainRecords& plain, std::span<const TextRecordSchema, 10> schema,
                          std::span<std::string, 10> texts);

// "record 3, byte 8: ..." for a fault message.
std::string recordFault(int record, int byte, std::string_view why);

// The fault of a checksum record that does not match records 0-10.
std::string checksumFault();

// Damage at `byte` of the header.
CardCheck headerFault(std::size_t byte, std::string_view why);

// The first fault of the picture limit's digits and the camera language, which both headers
// hold; empty when both are sound.
CardCheck pictureAndLanguageFault(std::span<const std::uint8_t> plainHeader,
                                  const HeaderField& pictures, const HeaderField& language);

} // namespace quorvex
