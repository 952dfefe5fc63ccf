// SPDX-License-Identifier: MIT
#include "tools/inspect/HeaderFields.h"

#include "card/DataSetupMode.h"
#include "tools/inspect/FieldText.h"

namespace quorvex::inspect {

namespace {

int valueAt(const Record& plain, std::size_t byte) {
    return plain[byte];
}

void outOfRange(FileReport& report, const Record& plain, std::size_t byte, std::string_view name,
                std::string_view expected) {
    addProblem(report, 0, static_cast<int>(byte),
               "holds " + std::to_string(valueAt(plain, byte)) + " (plain); " + std::string(name) +
                   " is " + std::string(expected));
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
    const int value = valueAt(plain, field.byte);
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
    const int value = valueAt(plain, field.byte);
    if (!field.holds(value)) {
        outOfRange(report, plain, field.byte, field.name.label, expected);
        return std::nullopt;
    }
    return value;
}

std::optional<int> optionByte(FileReport& report, const Record& plain, const HeaderField& field) {
    std::string expected = field.range() + " (";
    for (std::size_t i = 0; i < field.options.size(); ++i)
        expected += (i ? ", " : "") + std::string(field.options[i]);
    const auto value = checkedByte(report, plain, field, expected + ")");
    if (value)
        addByteField(report, plain, field,
                     std::string(field.options[static_cast<std::size_t>(*value)]));
    return value;
}

std::optional<int> languageByte(FileReport& report, const Record& plain, const HeaderField& field) {
    const auto value = checkedByte(report, plain, field, field.range());
    if (value)
        addByteField(report, plain, field, std::string(languageName(*value)));
    return value;
}

void pictureLimitBytes(FileReport& report, const Record& plain, const HeaderField& field) {
    const int limit = pictureLimit(plain, field);
    if (valueAt(plain, field.byte) > 9)
        outOfRange(report, plain, field.byte, "the tens digit of the picture limit", "0-9");
    if (valueAt(plain, field.byte + 1) > 9)
        outOfRange(report, plain, field.byte + 1, "the units digit of the picture limit", "0-9");
    if (limit < 0)
        return;
    report.fields.push_back({0,
                             static_cast<int>(field.byte),
                             std::string(field.name.label),
                             std::nullopt,
                             std::int64_t{limit},
                             {},
                             limit == 0 ? "unlimited" : countWithUnit(limit, "picture", "pictures"),
                             std::string(field.name.key)});
}

void remoteControlByte(FileReport& report, const Record& plain, const HeaderField& field) {
    const auto value =
        checkedByte(report, plain, field,
                    std::to_string(field.min) + "-" + std::to_string(field.max - 1) +
                        " (hours) or " + std::to_string(kRemoteControlOff) + " (Off)");
    if (value)
        addByteField(report, plain, field,
                     *value == kRemoteControlOff ? "Off" : countWithUnit(*value, "hour", "hours"));
}

void checkReservedBytes(FileReport& report, const Record& plain,
                        std::span<const ReservedBytes> reserved) {
    for (const ReservedBytes& run : reserved) {
        const std::string last = std::to_string(run.to - 1);
        const std::string what =
            run.to - run.from > 2
                ? "the header from byte " + std::to_string(run.from) + " to " + last
                : "the header's byte " + std::to_string(run.from) +
                      (run.to - run.from == 2 ? "-" + last : std::string());
        checkZeroBytes(report, 0, plain, run.from, run.to, what);
    }
}

void checkDataModeAgainstCountry(FileReport& report, std::optional<int> mode,
                                 const HeaderField& country, int countryValue, int operatorIndex) {
    const int byte = static_cast<int>(country.byte);
    if (mode == dataModeByte(DataSetupMode::Manual) &&
        (countryValue != kManualCountryByte || operatorIndex != 0))
        addProblem(report, 0, byte,
                   "Manual mode stores country 128 and operator 0, not " +
                       std::to_string(countryValue) + " and " + std::to_string(operatorIndex));
    if (mode == dataModeByte(DataSetupMode::Auto) && countryValue == kManualCountryByte)
        addProblem(report, 0, byte, "Auto mode stores a country of the list, not 128 (Manual)");
}

} // namespace quorvex::inspect
