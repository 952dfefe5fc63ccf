// SPDX-License-Identifier: MIT
#include "tools/inspect/HeaderFields.h"

#include "card/DataSetupMode.h"
#include "tools/inspect/FieldText.h"

namespace quorvex::inspect {

namespace {

void outOfRange(FileReport& report, const Record& plain, std::size_t byte, std::string_view name,
                std::string_view expected) {
    addProblem(report, 0, static_cast<int>(byte),
               "holds " + std::to_string(plain[byte]) + " (plain); " + std::string(name) + " is " +
                   std::string(expected));
}

bool isRemoteControl(const HeaderField& field) {
    return field.name.key == kRemoteControl.name.key;
}

// "0-2 (Off, VGA, SMS)", "0-24 (hours) or 25 (Off)", "1-15"
std::string expectedValues(const HeaderField& field) {
    if (isRemoteControl(field))
        return std::to_string(field.min) + "-" + std::to_string(field.max - 1) + " (hours) or " +
               std::to_string(kRemoteControlOff) + " (Off)";
    std::string expected = field.range();
    for (std::size_t i = 0; i < field.options.size(); ++i)
        expected += (i ? ", " : " (") + std::string(field.options[i]);
    return expected + (field.options.empty() ? "" : ")");
}

std::string meaningOf(const HeaderField& field, int value) {
    if (!field.options.empty())
        return std::string(field.options[static_cast<std::size_t>(value)]);
    if (isRemoteControl(field))
        return value == kRemoteControlOff ? "Off" : countWithUnit(value, "hour", "hours");
    if (field.name.key == kCameraLanguage.name.key)
        return std::string(languageName(value));
    return std::to_string(value);
}

} // namespace

std::string operatorText(std::span<const std::string_view> names, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < names.size())
        return std::string(names[static_cast<std::size_t>(index)]);
    return "position " + std::to_string(index) + " (the country offers " +
           std::to_string(names.size()) + (names.size() == 1 ? " operator)" : " operators)");
}

void addByteField(FileReport& report, const Record& plain, const HeaderField& field,
                  std::string meaning) {
    const int value = plain[field.byte];
    report.fields.push_back({0,
                             static_cast<int>(field.byte),
                             std::string(field.name.label),
                             value,
                             std::int64_t{value},
                             {},
                             std::move(meaning),
                             std::string(field.name.key)});
}

std::optional<int> checkedByte(FileReport& report, const Record& plain, const HeaderField& field,
                               std::string_view expected) {
    const int value = plain[field.byte];
    if (field.holds(value))
        return value;
    outOfRange(report, plain, field.byte, field.name.label, expected);
    return std::nullopt;
}

std::optional<int> headerByte(FileReport& report, const Record& plain, const HeaderField& field) {
    const auto value = checkedByte(report, plain, field, expectedValues(field));
    if (value)
        addByteField(report, plain, field, meaningOf(field, *value));
    return value;
}

void pictureLimitBytes(FileReport& report, const Record& plain, const HeaderField& field) {
    if (plain[field.byte] > 9)
        outOfRange(report, plain, field.byte, "the tens digit of the picture limit", "0-9");
    if (plain[field.byte + 1] > 9)
        outOfRange(report, plain, field.byte + 1, "the units digit of the picture limit", "0-9");
    const int limit = pictureLimit(plain, field);
    if (limit >= 0)
        report.fields.push_back(
            {0,
             static_cast<int>(field.byte),
             std::string(field.name.label),
             std::nullopt,
             std::int64_t{limit},
             {},
             limit == 0 ? "unlimited" : countWithUnit(limit, "picture", "pictures"),
             std::string(field.name.key)});
}

std::string countryRange(const HeaderField& country) {
    return country.range() + " or " + std::to_string(kManualCountryByte) + " (Manual)";
}

void checkReservedBytes(FileReport& report, const Record& plain,
                        std::span<const ReservedBytes> reserved) {
    for (const ReservedBytes& run : reserved) {
        const std::string first = std::to_string(run.from);
        const std::string last = std::to_string(run.to - 1);
        checkZeroBytes(report, 0, plain, run.from, run.to,
                       run.to - run.from > 2    ? "the header from byte " + first + " to " + last
                       : run.to - run.from == 2 ? "the header's byte " + first + "-" + last
                                                : "the header's byte " + first);
    }
}

void checkDataModeAgainstCountry(FileReport& report, std::optional<int> mode,
                                 const HeaderField& country, int countryValue, int operatorIndex) {
    const int byte = static_cast<int>(country.byte);
    const std::string manual = std::to_string(kManualCountryByte);
    if (mode == dataModeByte(DataSetupMode::Manual) &&
        (countryValue != kManualCountryByte || operatorIndex != kManualOperatorByte))
        addProblem(report, 0, byte,
                   manualModeRule() + ", not " + std::to_string(countryValue) + " and " +
                       std::to_string(operatorIndex));
    if (mode == dataModeByte(DataSetupMode::Auto) && countryValue == kManualCountryByte)
        addProblem(report, 0, byte,
                   "Auto mode stores a country of the list, not " + manual + " (Manual)");
}

} // namespace quorvex::inspect
