// SPDX-License-Identifier: MIT
#pragma once

#include "card/RecordScramble.h"
#include "core/LanguageNames.h" // languageName(), which the record reports print
#include "tools/inspect/InspectReport.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorvex::inspect {

inline constexpr std::size_t kRecordSize = kSettingsRecordSize;
using Record = SettingsRecordBytes;

// Record `index` of a file whose size has already been checked.
Record recordAt(std::span<const std::uint8_t> file, std::size_t index);

// The plain form of a stored setup.dat or smtp.dat record (bytes 0-49 unscrambled).
Record unscrambledRecord(const Record& stored);

void addProblem(FileReport& report, int record, int byte, std::string reason);

// Bytes 58-59 must be CR LF.
void checkRecordEnd(FileReport& report, int recordIndex, const Record& record);

// Bytes [from, to) must be 0.
void checkZeroBytes(FileReport& report, int recordIndex, const Record& record, std::size_t from,
                    std::size_t to, std::string_view what);

// A text for a terminal or JSON: printable ASCII and well-formed UTF-8 as they are, everything
// else (control bytes, stray high bytes, the backslash) escaped as \xNN or \\.
std::string printableText(std::span<const std::uint8_t> bytes);

// A path for a terminal or JSON: as printableText, except that on Windows, where every path comes
// from UTF-16 (so is well-formed) and the backslash separates folders, the backslash stays single.
std::string printablePath(std::string_view path);

// A text of a setup.dat or smtp.dat record (code page 437, as the cameras read it) in UTF-8,
// control bytes and the backslash escaped.
std::string oemTextAsUtf8(std::span<const std::uint8_t> bytes);

std::string hexByte(int value);
std::string hexWord(unsigned value);

} // namespace quorvex::inspect
