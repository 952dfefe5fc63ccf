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

// The header records of setup.dat and smtp.dat, field by field as the schema places them.

// Adds the field with what its value means (the option's name, the language, hours), or a
// problem when its byte is out of range; returns the value when it is in range.
std::optional<int> headerByte(FileReport& report, const Record& plain, const HeaderField& field);
// The value when it is in range, else a problem saying the field is `expected`.
std::optional<int> checkedByte(FileReport& report, const Record& plain, const HeaderField& field,
                               std::string_view expected);
// Adds the field with a meaning the caller decoded.
void addByteField(FileReport& report, const Record& plain, const HeaderField& field,
                  std::string meaning);
// Pictures per day as its tens and units digits.
void pictureLimitBytes(FileReport& report, const Record& plain, const HeaderField& field);
// "0-42 or 128 (Manual)"
std::string countryRange(const HeaderField& country);
// The reserved runs are 0.
void checkReservedBytes(FileReport& report, const Record& plain,
                        std::span<const ReservedBytes> reserved);
// The name at `index` of an operator list, or where the index lies beyond it (the SMTP forms'
// country and operator lists can disagree, so such a position is not damage).
std::string operatorText(std::span<const std::string_view> names, int index);

// Manual mode stores kManualCountryByte and operator 0; Auto mode a country of the list. Problems are
// reported at the country's byte.
void checkDataModeAgainstCountry(FileReport& report, std::optional<int> mode,
                                 const HeaderField& country, int countryValue, int operatorIndex);

} // namespace quorvex::inspect
