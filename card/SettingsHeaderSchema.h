// SPDX-License-Identifier: MIT
#pragma once

#include "card/CountryList.h"
#include "card/GprsOperatorData.h"
#include "card/MmsOperatorData.h"
#include "card/ScrambledSettingsFile.h"
#include "card/SettingsFileSchema.h"
#include "core/Language.h"
#include "core/ModelCatalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorvex {

// The header of setup.dat and smtp.dat (record 0, plain): where each field sits and the values
// the camera takes there. Readers, writers, the inspector and quorvex-write all read these.

// One byte of the header (pictures per day: the tens digit at `byte`, the units digit after it).
// Value i of a field with `options` is named options[i]; a layout marker has min == max.
struct HeaderField {
    FieldName name;
    std::size_t byte;
    int min = 0;
    int max = 255;
    std::span<const std::string_view> options{};

    constexpr bool holds(int value) const { return value >= min && value <= max; }
    constexpr bool isMarker() const { return min == max; }
    std::string range() const { return std::to_string(min) + "-" + std::to_string(max); }
    // The same field at `position`.
    constexpr HeaderField at(std::size_t position) const {
        HeaderField field = *this;
        field.byte = position;
        return field;
    }
};

constexpr HeaderField optionField(FieldName name, std::size_t byte,
                                  std::span<const std::string_view> options) {
    return {name, byte, 0, static_cast<int>(options.size()) - 1, options};
}

// Header bytes [from, to) that the camera ignores and the forms leave 0.
struct ReservedBytes {
    std::size_t from;
    std::size_t to;
};

// The SMS remote-control byte holds hours 0-24, or Off.
inline constexpr int kRemoteControlOff = 25;
// The forms offer a CSD connection (1) in Manual mode only.
inline constexpr int kCsdConnection = 1;

// The fields both headers hold, each at the byte its file gives it.
inline constexpr HeaderField kPicturesPerDay{{"picturesPerDay", "Pictures per day"}, 0, 0, 99};
inline constexpr HeaderField kCameraLanguage{
    {"cameraLanguage", "Camera language"}, 0, 1, kLanguageCount};
inline constexpr HeaderField kRemoteControl{
    {"remoteControl", "SMS remote control"}, 0, 0, kRemoteControlOff};
// A position among the operator slots of the file's catalogue.
constexpr HeaderField operatorField(std::size_t byte, std::size_t slots) {
    return {{"operator", "Operator"}, byte, 0, static_cast<int>(slots) - 1};
}
// A position of the file's catalogue, or kManualCountryByte in Manual mode.
constexpr HeaderField countryField(std::size_t byte, std::size_t countryCount) {
    return {{"country", "Country"}, byte, 0, static_cast<int>(countryCount) - 1};
}
// Manual mode stores kManualCountryByte and this operator.
inline constexpr int kManualOperatorByte = 0;
// What the readers say of a Manual-mode header that is not one.
inline std::string manualModeRule() {
    return "Manual mode stores country " + std::to_string(kManualCountryByte) + " and operator " +
           std::to_string(kManualOperatorByte);
}
inline constexpr std::array<std::string_view, 2> kDataModeOptions{"Manual", "Auto"};

// An entry of a form's MMS Send list and the code byte 0 stores for it; byte 1 stores its
// position plus 1. SMS keeps its code 3 where the list has no QVGA.
struct MmsSendChoice {
    int code;
    std::string_view name;
};
inline constexpr std::array<MmsSendChoice, 4> kFourEntrySend{
    {{0, "Off"}, {1, "VGA"}, {2, "QVGA"}, {3, "SMS"}}};
inline constexpr std::array<MmsSendChoice, 3> kThreeEntrySend{{{0, "Off"}, {1, "VGA"}, {3, "SMS"}}};
inline constexpr std::array<MmsSendChoice, 3> kP4Send{{{0, "Off"}, {1, "VGA"}, {2, "SMS"}}};

constexpr std::span<const MmsSendChoice> mmsSendChoices(MmsSendList list) {
    return list == MmsSendList::FourEntries    ? std::span<const MmsSendChoice>(kFourEntrySend)
           : list == MmsSendList::ThreeEntries ? std::span<const MmsSendChoice>(kThreeEntrySend)
                                               : std::span<const MmsSendChoice>(kP4Send);
}

// Byte 1 stores the entry's place in the list plus 1.
constexpr int sendPositionByte(int listIndex) {
    return listIndex + 1;
}
constexpr int sendListIndex(int positionByte) {
    return positionByte - 1;
}

// The entry of `list` that bytes 0-1 name, or null.
constexpr const MmsSendChoice* mmsSendChoiceAt(MmsSendList list, int code, int positionByte) {
    const auto choices = mmsSendChoices(list);
    const int index = sendListIndex(positionByte);
    if (index < 0 || static_cast<std::size_t>(index) >= choices.size() ||
        choices[static_cast<std::size_t>(index)].code != code)
        return nullptr;
    return &choices[static_cast<std::size_t>(index)];
}

inline constexpr std::array<std::string_view, 2> kConnectionOptions{"APN", "CSD"};
inline constexpr std::array<std::string_view, 2> kNumberingOptions{"China (domestic numbers)",
                                                                   "International"};
// The numbering byte's code for international numbers (domestic: 0).
inline constexpr int kInternationalNumbering = 1;
constexpr int numberingByte(bool international) {
    return international ? kInternationalNumbering : 0;
}

// setup.dat; the numbering byte also picks the checksum's addend.
struct SetupHeaderSchema {
    HeaderField mmsSend, mmsSendPosition, connectionType, picturesPerDay, cameraLanguage;
    HeaderField tvMode; // the low byte of the TvMode preference, any value
    HeaderField numbering, country, operatorIndex, remoteControl, dataMode;
    std::array<ReservedBytes, 2> reserved;

    constexpr std::array<HeaderField, 11> fields() const {
        return {mmsSend,   mmsSendPosition, connectionType, picturesPerDay, cameraLanguage, tvMode,
                numbering, country,         operatorIndex,  remoteControl,  dataMode};
    }
};

inline constexpr SetupHeaderSchema kSetupHeader{
    .mmsSend = {{"mmsSend", "MMS Send"}, 0},
    .mmsSendPosition = {{"mmsSendPosition", "MMS Send position"}, 1},
    .connectionType = optionField({"connectionType", "Connection type"}, 2, kConnectionOptions),
    .picturesPerDay = kPicturesPerDay.at(3),
    .cameraLanguage = kCameraLanguage.at(5),
    .tvMode = {{"tvMode", "TV mode"}, 6},
    .numbering = optionField({"numbering", "Numbering"}, 7, kNumberingOptions),
    .country = countryField(8, kCountryCount),
    .operatorIndex = operatorField(9, kOperatorSlots),
    .remoteControl = kRemoteControl.at(10),
    .dataMode = optionField({"dataMode", "Data mode"}, 55, kDataModeOptions),
    .reserved = {{{11, 55}, {56, 58}}},
};

// Bytes 6-8 of smtp.dat as the form of a layout writes them: its fields and the markers of
// value 1 that tell the layouts apart.
struct SmtpLayoutSchema {
    std::string_view name;
    std::array<HeaderField, 3> bytes;

    constexpr bool fits(std::span<const std::uint8_t> plainHeader) const {
        for (const HeaderField& f : bytes)
            if (!f.holds(plainHeader[f.byte]))
                return false;
        return true;
    }
    // The layout's byte of `field`, or null (the K4 layout has no SMTP Status).
    constexpr const HeaderField* find(const HeaderField& field) const {
        for (const HeaderField& f : bytes)
            if (f.name.key == field.name.key)
                return &f;
        return nullptr;
    }
};

inline constexpr std::array<std::string_view, 3> kSmtpStatusOptions{"Off", "VGA", "SMS"};
inline constexpr HeaderField kSmtpStatus =
    optionField({"smtpStatus", "SMTP Status"}, 0, kSmtpStatusOptions);
inline constexpr HeaderField kP4Marker{{"p4LayoutMarker", "P4 layout marker"}, 0, 1, 1};
inline constexpr HeaderField kK4Marker{{"k4LayoutMarker", "K4 layout marker"}, 0, 1, 1};

// smtp.dat.
struct SmtpHeaderSchema {
    HeaderField operatorIndex, country, picturesPerDay, cameraLanguage;
    SmtpLayoutSchema p4, k4;
    HeaderField mmsMode;
    std::array<ReservedBytes, 3> reserved;

    constexpr const SmtpLayoutSchema& layout(SmtpLayout which) const {
        return which == SmtpLayout::P4 ? p4 : k4;
    }
    // The fields a form of `which` writes.
    constexpr std::array<HeaderField, 8> fields(SmtpLayout which) const {
        const auto& bytes = layout(which).bytes;
        return {operatorIndex, country,  picturesPerDay, cameraLanguage,
                bytes[0],      bytes[1], bytes[2],       mmsMode};
    }
};

inline constexpr SmtpHeaderSchema kSmtpHeader{
    .operatorIndex = operatorField(1, kGprsOperatorSlots),
    .country = countryField(2, kGprsCountryCount),
    .picturesPerDay = kPicturesPerDay.at(3),
    .cameraLanguage = kCameraLanguage.at(5),
    .p4 = {"P4", {kSmtpStatus.at(6), kRemoteControl.at(7), kP4Marker.at(8)}},
    .k4 = {"K4", {kK4Marker.at(6), kK4Marker.at(7), kRemoteControl.at(8)}},
    .mmsMode = optionField({"mmsMode", "MMS Mode"}, 55, kDataModeOptions),
    .reserved = {{{0, 1}, {9, 55}, {56, 58}}},
};

// Every byte of a header before its CR LF is one field's or reserved.
template <std::size_t N, std::size_t R>
constexpr bool coversHeader(const std::array<HeaderField, N>& fields,
                            const std::array<ReservedBytes, R>& reserved) {
    std::array<int, kRecordEndByte> uses{};
    for (const HeaderField& f : fields) {
        ++uses[f.byte];
        if (f.name.key == kPicturesPerDay.name.key)
            ++uses[f.byte + 1];
    }
    for (const ReservedBytes& run : reserved)
        for (std::size_t i = run.from; i < run.to; ++i)
            ++uses[i];
    for (int n : uses)
        if (n != 1)
            return false;
    return true;
}
static_assert(coversHeader(kSetupHeader.fields(), kSetupHeader.reserved));
static_assert(coversHeader(kSmtpHeader.fields(SmtpLayout::P4), kSmtpHeader.reserved));
static_assert(coversHeader(kSmtpHeader.fields(SmtpLayout::K4), kSmtpHeader.reserved));

// The first byte of `run` that is not 0, or -1.
constexpr int firstNonZero(std::span<const std::uint8_t> plainHeader, ReservedBytes run) {
    for (std::size_t i = run.from; i < run.to; ++i)
        if (plainHeader[i] != 0)
            return static_cast<int>(i);
    return -1;
}

// The picture limit as its tens and units digits, at `field.byte` and the byte after it.
inline void setPictureLimit(SettingsRecordBytes& plainHeader, const HeaderField& field, int limit) {
    setRecordByte(plainHeader, field.byte, limit / 10);
    setRecordByte(plainHeader, field.byte + 1, limit % 10);
}

// The picture limit from its two digits, or -1 when a byte holds no digit.
constexpr int pictureLimit(std::span<const std::uint8_t> plainHeader, const HeaderField& field) {
    const int tens = plainHeader[field.byte];
    const int units = plainHeader[field.byte + 1];
    return tens > 9 || units > 9 ? -1 : tens * 10 + units;
}

} // namespace quorvex
