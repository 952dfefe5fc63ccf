// SPDX-License-Identifier: MIT
#pragma once

#include "card/SettingsFileSchema.h"
#include "tools/inspect/InspectReport.h"
#include "tools/inspect/RecordBytes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvex::inspect {

// The header records of setup.dat and smtp.dat: one byte per value. Each adds the field, or a
// problem when the byte is out of range, and returns the value when it is in range.
std::optional<int> optionByte(FileReport& report, int recordIndex, const Record& plain, int byte,
                              std::string_view name, std::span<const std::string_view> options);
std::optional<int> numberByte(FileReport& report, int recordIndex, const Record& plain, int byte,
                              std::string_view name, int min, int max);
std::optional<int> languageByte(FileReport& report, int recordIndex, const Record& plain, int byte);
// Pictures per day as its tens and units digits.
void pictureLimitBytes(FileReport& report, int recordIndex, const Record& plain, int tensByte);
// SMS remote control: 0-24 hours, 25 Off.
void remoteControlByte(FileReport& report, int recordIndex, const Record& plain, int byte);
// The name at `index` of an operator list, or where the index lies beyond it (the SMTP forms'
// country and operator lists can disagree, so such a position is not damage).
std::string operatorText(std::span<const std::string_view> names, int index);

// Manual mode (0) stores country 128 and operator 0; Auto mode (1) a country of the list.
// Problems are reported at `byte` of the header.
inline constexpr int kManualCountry = kManualCountryByte;
void checkDataModeAgainstCountry(FileReport& report, std::optional<int> mode, int country,
                                 int operatorIndex, int byte);

// A field with a decoded meaning, for values already checked by the caller.
void addByteField(FileReport& report, int recordIndex, const Record& plain, int byte,
                  std::string_view name, int value, std::string meaning);

} // namespace quorvex::inspect
