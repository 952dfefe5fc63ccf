// SPDX-License-Identifier: MIT
#include "tools/inspect/HeaderFields.h"

#include "tools/inspect/FieldText.h"

namespace quorvex::inspect {

namespace {

void outOfRange(FileReport& report, int recordIndex, const Record& plain, int byte,
                std::string_view name, std::string expected) {
    addProblem(report, recordIndex, byte,
               "holds " + std::to_string(plain[static_cast<std::size_t>(byte)]) + " (plain); " +
                   std::string(name) + " is " + expected);
}

} // namespace

std::string operatorText(std::span<const std::string_view> names, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < names.size())
        return std::string(names[static_cast<std::size_t>(index)]);
    return "position " + std::to_string(index) + " (the country offers " +
           std::to_string(names.size()) + (names.size() == 1 ? " operator)" : " operators)");
}

void addByteField(FileReport& report, int recordIndex, const Record& plain, int byte,
                  std::string_view name, int value, std::string meaning) {
    report.fields.push_back({recordIndex,
                             byte,
                             std::string(name),
                             plain[static_cast<std::size_t>(byte)],
                             std::int64_t{value},
                             {},
                             std::move(meaning)});
}

std::optional<int> optionByte(FileReport& report, int recordIndex, const Record& plain, int byte,
                              std::string_view name, std::span<const std::string_view> options) {
    const int value = plain[static_cast<std::size_t>(byte)];
    if (static_cast<std::size_t>(value) >= options.size()) {
        std::string expected = "0-" + std::to_string(options.size() - 1) + " (";
        for (std::size_t i = 0; i < options.size(); ++i)
            expected += (i ? ", " : "") + std::string(options[i]);
        outOfRange(report, recordIndex, plain, byte, name, expected + ")");
        return std::nullopt;
    }
    addByteField(report, recordIndex, plain, byte, name, value,
                 std::string(options[static_cast<std::size_t>(value)]));
    return value;
}

std::optional<int> numberByte(FileReport& report, int recordIndex, const Record& plain, int byte,
                              std::string_view name, int min, int max) {
    const int value = plain[static_cast<std::size_t>(byte)];
    if (value < min || value > max) {
        outOfRange(report, recordIndex, plain, byte, name,
                   std::to_string(min) + "-" + std::to_string(max));
        return std::nullopt;
    }
    addByteField(report, recordIndex, plain, byte, name, value, std::to_string(value));
    return value;
}

std::optional<int> languageByte(FileReport& report, int recordIndex, const Record& plain,
                                int byte) {
    const int value = plain[static_cast<std::size_t>(byte)];
    if (languageName(value).empty()) {
        outOfRange(report, recordIndex, plain, byte, "Camera language", "1-15");
        return std::nullopt;
    }
    addByteField(report, recordIndex, plain, byte, "Camera language", value,
                 std::string(languageName(value)));
    return value;
}

void pictureLimitBytes(FileReport& report, int recordIndex, const Record& plain, int tensByte) {
    const int tens = plain[static_cast<std::size_t>(tensByte)];
    const int units = plain[static_cast<std::size_t>(tensByte + 1)];
    if (tens > 9)
        outOfRange(report, recordIndex, plain, tensByte, "the tens digit of the picture limit",
                   "0-9");
    if (units > 9)
        outOfRange(report, recordIndex, plain, tensByte + 1, "the units digit of the picture limit",
                   "0-9");
    if (tens > 9 || units > 9)
        return;
    const int limit = tens * 10 + units;
    report.fields.push_back(
        {recordIndex,
         tensByte,
         "Pictures per day",
         std::nullopt,
         std::int64_t{limit},
         {},
         limit == 0 ? "unlimited" : countWithUnit(limit, "picture", "pictures")});
}

void remoteControlByte(FileReport& report, int recordIndex, const Record& plain, int byte) {
    const int value = plain[static_cast<std::size_t>(byte)];
    if (value > 25) {
        outOfRange(report, recordIndex, plain, byte, "SMS remote control",
                   "0-24 (hours) or 25 (Off)");
        return;
    }
    addByteField(report, recordIndex, plain, byte, "SMS remote control", value,
                 value == 25 ? "Off" : countWithUnit(value, "hour", "hours"));
}

void checkDataModeAgainstCountry(FileReport& report, std::optional<int> mode, int country,
                                 int operatorIndex, int byte) {
    if (mode == 0 && (country != kManualCountry || operatorIndex != 0))
        addProblem(report, 0, byte,
                   "Manual mode stores country 128 and operator 0, not " + std::to_string(country) +
                       " and " + std::to_string(operatorIndex));
    if (mode == 1 && country == kManualCountry)
        addProblem(report, 0, byte, "Auto mode stores a country of the list, not 128 (Manual)");
}

} // namespace quorvex::inspect
