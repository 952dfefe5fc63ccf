// SPDX-License-Identifier: MIT
#pragma once

#include "card/SettingsFileSchema.h"
#include "tools/inspect/InspectReport.h"
#include "tools/inspect/RecordBytes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvex::inspect {

// Decodes a plain text record (text in 0-56, character count at 57) into a field and returns the
// text's bytes.
std::vector<std::uint8_t> decodeTextRecord(FileReport& report, const Record& plain,
                                           const TextRecordSchema& schema);

// Size, CR LF of every record and the zero bytes of the checksum record; returns false when the
// size is wrong (nothing else can be read then).
bool checkTextFileFrame(FileReport& report, std::span<const std::uint8_t> file);

} // namespace quorvex::inspect
