// SPDX-License-Identifier: MIT
#pragma once

#include "card/CameraSettingsRecord.h"
#include "card/SettingsFileSchema.h"
#include "core/ModelCatalogue.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>

namespace quorvex {

// What a menu.dat byte means, independent of where a layout puts it.
enum class MenuField {
    Mode,
    ImageSize,
    VideoSize,
    PictureCount,
    VideoLength,
    TimeStamp,
    Interval,
    Sensitivity,
    Timer1,
    SidePir,
    TimeLapse,
    TimeLapseHours,
    TimeLapseMinutes,
    TimeLapseSeconds,
    ClockYear,
    ClockMonth,
    ClockDay,
    ClockHour,
    ClockMinute,
    ClockSecond,
    Timer1StartHour,
    Timer1StartMinute,
    Timer1StopHour,
    Timer1StopMinute,
    SerialNumber,
    SerialChar1,
    SerialChar2,
    SerialChar3,
    SerialChar4,
    CameraLanguage,
    TvMode,
    Timer2,
    Timer2StartHour,
    Timer2StartMinute,
    Timer2StopHour,
    Timer2StopMinute,
    SdCycle,
    Beep,
    DateFormat,
    LongitudeDirection,
    LongitudeDegrees,
    LongitudeMinutes,
    LongitudeSeconds,
    LatitudeDirection,
    LatitudeDegrees,
    LatitudeMinutes,
    LatitudeSeconds,
    WirelessDigit1,
    WirelessDigit2,
    WirelessDigit3,
    WirelessDigit4,
    WirelessSwitch,
    SidePirCopy, // the copy of the side PIR byte outside the checksum
    Unused,      // bytes the layout fixes to a value (0 unless `fixed` says otherwise)
};

// The stable key profiles name a field by, the same in every layout ("timeLapseHours"); empty for
// the bytes a layout fixes.
std::string_view menuFieldKey(MenuField field);

// The clock as one line and the factory record, which the inspector reports besides the fields.
inline constexpr FieldName kClockLine{"clock", "Clock"};
inline constexpr FieldName kFactoryLine{"record", "Record"};

enum class FieldKind {
    Option,       // the 0-based position in `options`
    Number,       // the value itself, min..max
    OffsetNumber, // value - bias is stored (video length in seconds - 1)
    Interval,     // minutes 1-60 as they are, seconds 0-60 plus 128
    ClockPart,    // one part of the clock; the year is stored minus `bias`
    Language,     // LanguageId 1-15
    TvMode,       // the TvMode preference, any byte
    Fixed,        // always `fixed`
    CopyOf,       // always the byte at `source`
};

enum class ClockPart { None, Year, Month, Day, Hour, Minute, Second };

struct LayoutField {
    std::uint8_t offset = 0;
    std::uint8_t length = 1; // more than 1 only for runs of fixed bytes
    MenuField field = MenuField::Unused;
    std::string_view name;
    FieldKind kind = FieldKind::Fixed;
    std::span<const std::string_view> options{};
    int min = 0; // value range as the form holds it (before the bias)
    int max = 0;
    int bias = 0;
    std::string_view unit{};
    ClockPart clock = ClockPart::None;
    std::uint8_t fixed = 0;  // Fixed: the byte's value
    std::uint8_t source = 0; // CopyOf: the byte copied
};

// A payload byte the factory record gives a value other than 0.
struct FactoryByte {
    std::uint8_t offset;
    std::uint8_t value;
};

// The factory record ("Default") of a layout. Some forms write a fixed pattern; the generic
// form builds it from the form, so its clock, language and TV mode bytes follow the moment of
// writing.
struct FactoryPattern {
    std::span<const FactoryByte> bytes;   // bytes 0-55 not listed here or in `varying` are 0
    std::span<const MenuField> varying{}; // fields taken from the moment of writing
};

struct RecordLayout {
    MenuLayoutId id;
    std::string_view name;               // "generic", "P4", ...
    std::span<const LayoutField> fields; // sorted by offset, covering bytes 0-55 once
    FactoryPattern factory;

    // One of the generic camera form's layouts.
    constexpr bool generic() const {
        return id == MenuLayoutId::GenericAnyModel || id == MenuLayoutId::GenericK4 ||
               id == MenuLayoutId::GenericK5 || id == MenuLayoutId::GenericOther ||
               id == MenuLayoutId::Generic1080P;
    }
};

// Generic layout with the model-dependent lists left open (image and video size as positions,
// three modes, SD cycle allowed).
const RecordLayout& genericMenuLayout();
// The layout the camera form of `modelId` writes; ModelIds outside 1-17 get the generic form's.
const RecordLayout& menuLayoutForModel(int modelId);
std::span<const RecordLayout* const> allMenuLayouts();
const RecordLayout& menuLayout(MenuLayoutId id);

// The layout's entry for `field`, or null when the layout has none.
const LayoutField* findField(const RecordLayout& layout, MenuField field);
// The layout's entry covering byte `offset`, or null past byte 55.
const LayoutField* fieldAtOffset(const RecordLayout& layout, std::size_t offset);

// The unit of the interval byte: seconds 0-60 are stored plus 128, minutes 1-60 as they are.
enum class IntervalUnit { Seconds, Minutes };
inline constexpr int kIntervalSecondsBase = 128;

// "seconds" or "minutes", as reports and profiles spell the unit.
constexpr std::string_view intervalUnitName(IntervalUnit unit) {
    return unit == IntervalUnit::Seconds ? "seconds" : "minutes";
}

// Field values as the forms hold them: list positions, seconds of video, the full clock year,
// the interval value with its unit in `intervalUnit`.
struct MenuValues {
    std::map<MenuField, int> values;
    IntervalUnit intervalUnit = IntervalUnit::Minutes;

    int get(MenuField field) const {
        const auto found = values.find(field);
        return found == values.end() ? 0 : found->second;
    }
};

// The stored byte for `value`, or nullopt when the value is outside the field's range.
std::optional<std::uint8_t> encodeMenuField(const LayoutField& field, int value,
                                            IntervalUnit intervalUnit = IntervalUnit::Minutes);

// The form's value of a stored byte (with the interval's unit), or nullopt when no value of the
// field is stored as this byte.
struct DecodedValue {
    int value = 0;
    IntervalUnit intervalUnit = IntervalUnit::Minutes;
};
std::optional<DecodedValue> decodeMenuField(const LayoutField& field,
                                            std::span<const std::uint8_t> record);

// What a value outside its field's range does to a record: refuses it (a record that decodes back
// to exactly these values), or is stored as its low 8 bits, as the forms store what they hold (an
// hour of 30 taken over in a failed pass; the clock year is limited to 2010-2031 first).
enum class OutOfRange { Refuse, StoreLowBits };

// Payload of a record in `layout`: every field from `values` (missing ones count as 0), the fixed
// bytes and copies; nullopt when a value is refused. Not sealed.
std::optional<CameraSettingsRecord> buildMenuRecord(const RecordLayout& layout,
                                                    const MenuValues& values,
                                                    OutOfRange outOfRange = OutOfRange::Refuse);

// The layout's factory record; only the varying fields are taken from `moment`.
std::optional<CameraSettingsRecord> buildFactoryRecord(const RecordLayout& layout,
                                                       const MenuValues& moment,
                                                       OutOfRange outOfRange = OutOfRange::Refuse);

// Whether bytes 0-55 of `record` are the layout's factory record (any moment).
bool isFactoryRecord(const RecordLayout& layout, std::span<const std::uint8_t> record);

} // namespace quorvex
