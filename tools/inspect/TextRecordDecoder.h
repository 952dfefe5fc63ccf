// SPDX-License-Identifier: MIT
#pragma once

#include "tools/inspect/InspectReport.h"
#include "tools/inspect/RecordBytes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quorvex::inspect {

struct TextRecordSpec {
    std::string_view name;
    std::size_t longest; // characters the form lets the user type
};

// Header, ten text records and a checksum record: the shape of setup.dat and smtp.dat.
inline constexpr std::size_t kTextFileRecords = 12;
inline constexpr std::size_t kTextFileSize = kTextFileRecords * kRecordSize;
inline constexpr std::size_t kChecksumRecord = 11;

// Decodes a plain text record (text in 0-56, character count at 57) into a field and returns the
// text's bytes.
std::vector<std::uint8_t> decodeTextRecord(FileReport& report, int recordIndex, const Record& plain,
                                           const TextRecordSpec& spec);

// Size, CR LF of every record and the zero bytes of the checksum record; returns false when the
// size is wrong (nothing else can be read then).
bool checkTextFileFrame(FileReport& report, std::span<const std::uint8_t> file);

// The checksum stored in record 11.
unsigned storedTextFileChecksum(std::span<const std::uint8_t> file);
// SettingsCrc16 of records 0-10 as stored.
std::uint16_t textFileCrc(std::span<const std::uint8_t> file);

} // namespace quorvex::inspect
