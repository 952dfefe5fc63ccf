// SPDX-License-Identifier: MIT
#pragma once

#include "card/CountryList.h"
#include "card/GprsOperatorData.h"
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

// One byte of the header (two for pictures per day: the tens digit at `byte`, the units digit
// after it). A field whose values have names lists them in `options`, value i being options[i];
// a layout marker takes `min` only.
struct HeaderField {
    FieldName name;
    std::size_t byte;
    int min = 0;
    int max = 255;
    std::span<const std::string_view> options{};

    constexpr bool holds(int value) const { return value >= min && value <= max; }
    constexpr bool isMarker() const { return min == max; }
    // "0-9"
    std::string range() const { return std::to_string(min) + "-" + std::to_string(max); }
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

// The SMS remote-control byte: hours 0-24, or Off.
inline constexpr int kRemoteControlOff = 25;
// Value 1 of the connection type; the forms offer it in Manual mode only.
inline constexpr int kCsdConnection = 1;

inline constexpr FieldName kOperatorName{"operator", "Operator"};
inline constexpr FieldName kCountryName{"country", "Country"};
inline constexpr FieldName kRemoteControlName{"remoteControl", "SMS remote control"};
inline constexpr FieldName kSmtpStatusName{"smtpStatus", "SMTP Status"};

inline constexpr std::array<std::string_view, 2> kDataModeOptions{"Manual", "Auto"};

inline constexpr HeaderField pictureLimitAt(std::size_t tensByte) {
    return {{"picturesPerDay", "Pictures per day"}, tensByte, 0, 99};
}
inline constexpr HeaderField cameraLanguageAt(std::size_t byte) {
    return {{"cameraLanguage", "Camera language"}, byte, 1, kLanguageCount};
}
inline constexpr HeaderField remoteControlAt(std::size_t byte) {
    return {kRemoteControlName, byte, 0, kRemoteControlOff};
}
// The catalogues offer at most ten operators a country.
inline constexpr HeaderField operatorAt(std::size_t byte) {
    return {kOperatorName, byte, 0, 9};
}
// A catalogue position, or kManualCountryByte in Manual mode.
inline constexpr HeaderField countryAt(std::size_t byte, std::size_t countryCount) {
    return {kCountryName, byte, 0, static_cast<int>(countryCount) - 1};
}

// An entry of the MMS Send list of a form: the code header byte 0 stores for it (the list
// position plus 1 goes to byte 1).
struct MmsSendChoice {
    int code;
    std::string_view name;
};
inline constexpr std::array<MmsSendChoice, 4> kFourEntrySend{
    {{0, "Off"}, {1, "VGA"}, {2, "QVGA"}, {3, "SMS"}}};
// SMS keeps its code 3 where the list has no QVGA.
inline constexpr std::array<MmsSendChoice, 3> kThreeEntrySend{{{0, "Off"}, {1, "VGA"}, {3, "SMS"}}};
inline constexpr std::array<MmsSendChoice, 3> kP4Send{{{0, "Off"}, {1, "VGA"}, {2, "SMS"}}};

constexpr std::span<const MmsSendChoice> mmsSendChoices(MmsSendList list) {
    switch (list) {
    case MmsSendList::FourEntries:
        return kFourEntrySend;
    case MmsSendList::ThreeEntries:
        return kThreeEntrySend;
    case MmsSendList::P4:
        return kP4Send;
    }
    return {};
}

inline constexpr std::array<std::string_view, 2> kConnectionOptions{"APN", "CSD"};
inline constexpr std::array<std::string_view, 2> kNumberingOptions{"China (domestic numbers)",
                                                                   "International"};

// setup.dat. The numbering byte also decides the checksum's addend.
struct SetupHeaderSchema {
    HeaderField mmsSend;
    HeaderField mmsSendPosition;
    HeaderField connectionType;
    HeaderField picturesPerDay;
    HeaderField cameraLanguage;
    HeaderField tvMode; // the low byte of the TvMode preference, any value
    HeaderField numbering;
    HeaderField country;
    HeaderField operatorIndex;
    HeaderField remoteControl;
    HeaderField dataMode;
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
    .picturesPerDay = pictureLimitAt(3),
    .cameraLanguage = cameraLanguageAt(5),
    .tvMode = {{"tvMode", "TV mode"}, 6},
    .numbering = optionField({"numbering", "Numbering"}, 7, kNumberingOptions),
    .country = countryAt(8, kCountryCount),
    .operatorIndex = operatorAt(9),
    .remoteControl = remoteControlAt(10),
    .dataMode = optionField({"dataMode", "Data mode"}, 55, kDataModeOptions),
    .reserved = {{{11, 55}, {56, 58}}},
};

// Bytes 6-8 of smtp.dat differ by the form that writes them; each form's bytes hold its fields
// and markers of value 1 that tell the layouts apart.
struct SmtpLayoutSchema {
    std::string_view name; // "P4", "K4"
    std::array<HeaderField, 3> bytes;

    constexpr bool fits(std::span<const std::uint8_t> plainHeader) const {
        for (const HeaderField& f : bytes)
            if (!f.holds(plainHeader[f.byte]))
                return false;
        return true;
    }
    // The field of that name among the bytes, or null (the K4 layout has no SMTP Status).
    constexpr const HeaderField* find(const FieldName& field) const {
        for (const HeaderField& f : bytes)
            if (f.name.key == field.key)
                return &f;
        return nullptr;
    }
};

inline constexpr std::array<std::string_view, 3> kSmtpStatusOptions{"Off", "VGA", "SMS"};
inline constexpr int kLayoutMarker = 1;

constexpr HeaderField layoutMarkerAt(FieldName name, std::size_t byte) {
    return {name, byte, kLayoutMarker, kLayoutMarker};
}

// smtp.dat.
struct SmtpHeaderSchema {
    HeaderField operatorIndex;
    HeaderField country;
    HeaderField picturesPerDay;
    HeaderField cameraLanguage;
    SmtpLayoutSchema p4;
    SmtpLayoutSchema k4;
    HeaderField mmsMode;
    std::array<ReservedBytes, 3> reserved;

    constexpr const SmtpLayoutSchema& layout(SmtpLayout which) const {
        return which == SmtpLayout::P4 ? p4 : k4;
    }
    // Every field of both layouts, in byte order within each.
    constexpr std::array<HeaderField, 11> fields() const {
        return {operatorIndex, country,     picturesPerDay, cameraLanguage,
                p4.bytes[0],   p4.bytes[1], p4.bytes[2],    k4.bytes[0],
                k4.bytes[1],   k4.bytes[2], mmsMode};
    }
};

inline constexpr FieldName kP4MarkerName{"p4LayoutMarker", "P4 layout marker"};
inline constexpr FieldName kK4MarkerName{"k4LayoutMarker", "K4 layout marker"};

inline constexpr SmtpHeaderSchema kSmtpHeader{
    .operatorIndex = operatorAt(1),
    .country = countryAt(2, kGprsCountryCount),
    .picturesPerDay = pictureLimitAt(3),
    .cameraLanguage = cameraLanguageAt(5),
    .p4 = {"P4",
           {optionField(kSmtpStatusName, 6, kSmtpStatusOptions), remoteControlAt(7),
            layoutMarkerAt(kP4MarkerName, 8)}},
    .k4 = {"K4",
           {layoutMarkerAt(kK4MarkerName, 6), layoutMarkerAt(kK4MarkerName, 7),
            remoteControlAt(8)}},
    .mmsMode = optionField({"mmsMode", "MMS Mode"}, 55, kDataModeOptions),
    .reserved = {{{0, 1}, {9, 55}, {56, 58}}},
};

// The first byte of `run` that is not 0, or -1.
constexpr int firstNonZero(std::span<const std::uint8_t> plainHeader, ReservedBytes run) {
    for (std::size_t i = run.from; i < run.to; ++i)
        if (plainHeader[i] != 0)
            return static_cast<int>(i);
    return -1;
}

// The picture limit from its two digits, or -1 when a byte holds no digit.
constexpr int pictureLimit(std::span<const std::uint8_t> plainHeader, const HeaderField& field) {
    const int tens = plainHeader[field.byte];
    const int units = plainHeader[field.byte + 1];
    return tens > 9 || units > 9 ? -1 : tens * 10 + units;
}

} // namespace quorvex
