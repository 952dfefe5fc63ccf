// SPDX-License-Identifier: MIT
#pragma once

#include "card/SettingsHeaderSchema.h"
#include "tools/inspect/InspectReport.h"
#include "tools/inspect/RecordBytes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvex::inspect {

// The header records of setup.dat and smtp.dat, field by field as the schema places them. Each
// adds the field, or a problem when its byte is out of range, and returns the value when it is in
// range.
std::optional<int> optionByte(FileReport& report, const Record& plain, const HeaderField& field);
std::optional<int> languageByte(FileReport& report, const Record& plain, const HeaderField& field);
// Pictures per day as its tens and units digits.
void pictureLimitBytes(FileReport& report, const Record& plain, const HeaderField& field);
// SMS remote control: hours, or Off.
void remoteControlByte(FileReport& report, const Record& plain, const HeaderField& field);
// A number field with the range of its field, or a problem naming `expected`.
std::optional<int> checkedByte(FileReport& report, const Record& plain, const HeaderField& field,
                               std::string_view expected);
// The reserved runs are 0.
void checkReservedBytes(FileReport& report, const Record& plain,
                        std::span<const ReservedBytes> reserved);
// The name at `index` of an operator list, or where the index lies beyond it (the SMTP forms'
// country and operator lists can disagree, so such a position is not damage).
std::string operatorText(std::span<const std::string_view> names, int index);

// Manual mode (0) stores country 128 and operator 0; Auto mode (1) a country of the list.
// Problems are reported at the country's byte.
void checkDataModeAgainstCountry(FileReport& report, std::optional<int> mode,
                                 const HeaderField& country, int countryValue, int operatorIndex);

// A field with a decoded meaning, for values already checked by the caller.
void addByteField(FileReport& report, const Record& plain, const HeaderField& field,
                  std::string meaning);

} // namespace quorvex::inspect
