// SPDX-License-Identifier: MIT
#include "card/RecordLayouts.h"

#include "card/CameraClock.h"
#include "core/Language.h"

#include <algorithm>
#include <array>

namespace quorvex {

namespace {

using Names = std::span<const std::string_view>;

constexpr std::array<std::string_view, 3> kModes3{"Camera", "Video", "Camera+Video"};
constexpr std::array<std::string_view, 2> kModes2{"Camera", "Video"};
constexpr std::array<std::string_view, 3> kPictures{"01 Photo", "02 Photo", "03 Photo"};
constexpr std::array<std::string_view, 2> kOffOn{"Off", "On"};
constexpr std::array<std::string_view, 2> kOnOff{"On", "Off"};
constexpr std::array<std::string_view, 4> kSensitivity{"Normal", "High", "Low", "Off"};
constexpr std::array<std::string_view, 3> kDateFormats{"YYMMDD", "MMDDYY", "DDMMYY"};
constexpr std::array<std::string_view, 2> kLongitude{"E", "W"};
constexpr std::array<std::string_view, 2> kLatitude{"S", "N"};
constexpr std::array<std::string_view, 36> kSerialChars{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F", "G", "H",
    "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

// Indexed by MenuField; profiles are keyed by these, so they never change.
constexpr std::array<std::string_view, 54> kFieldKeys{
    "captureMode",      "imageSize",
    "videoSize",        "picturesPerTrigger",
    "videoLength",      "timeStamp",
    "interval",         "pirSensitivity",
    "timer1",           "sidePir",
    "timeLapse",        "timeLapseHours",
    "timeLapseMinutes", "timeLapseSeconds",
    "clockYear",        "clockMonth",
    "clockDay",         "clockHour",
    "clockMinute",      "clockSecond",
    "timer1StartHour",  "timer1StartMinute",
    "timer1StopHour",   "timer1StopMinute",
    "serialNumber",     "serialChar1",
    "serialChar2",      "serialChar3",
    "serialChar4",      "cameraLanguage",
    "tvMode",           "timer2",
    "timer2StartHour",  "timer2StartMinute",
    "timer2StopHour",   "timer2StopMinute",
    "sdCycle",          "beep",
    "dateFormat",       "longitudeDirection",
    "longitudeDegrees", "longitudeMinutes",
    "longitudeSeconds", "latitudeDirection",
    "latitudeDegrees",  "latitudeMinutes",
    "latitudeSeconds",  "wirelessDigit1",
    "wirelessDigit2",   "wirelessDigit3",
    "wirelessDigit4",   "wirelessSwitch",
    "sidePirCopy",      "",
};
static_assert(kFieldKeys.size() == static_cast<std::size_t>(MenuField::Unused) + 1);

// The models' image and video size lists; each camera form shows its layout's (the model table
// names only the entry a list opens on).
constexpr std::array<std::string_view, 3> kImageSizes5MpFirst{"5MP", "12MP", "1.3MP"};
constexpr std::array<std::string_view, 3> kImageSizes12MpFirst{"12MP", "5MP", "1.3MP"};
constexpr std::array<std::string_view, 3> kImageSizesP4{"12MP", "5MP", "2MP"};
constexpr std::array<std::string_view, 3> kImageSizesD2{"3MP", "5MP", "1.3MP"};
constexpr std::span<const std::string_view> kImagesK9A = std::span(kImageSizes5MpFirst).first(2);
constexpr std::array<std::string_view, 2> kVideoSizesVga{"640x480", "320x240"};
constexpr std::array<std::string_view, 3> kVideoSizesHd{"1280x720", "640x480", "320x240"};
constexpr std::array<std::string_view, 4> kVideoSizesFullHd{"1920x1080", "1280x720", "640x480",
                                                            "320x240"};
constexpr std::array<std::string_view, 3> kVideoSizesP4{"1440x1080", "1280x720", "640x480"};

constexpr LayoutField option(std::uint8_t offset, MenuField field, std::string_view name,
                             Names options) {
    return {.offset = offset,
            .field = field,
            .name = name,
            .kind = FieldKind::Option,
            .options = options,
            .min = 0,
            .max = static_cast<int>(options.size()) - 1};
}

constexpr LayoutField number(std::uint8_t offset, MenuField field, std::string_view name, int min,
                             int max, std::string_view unit = {}) {
    return {.offset = offset,
            .field = field,
            .name = name,
            .kind = FieldKind::Number,
            .min = min,
            .max = max,
            .unit = unit};
}

constexpr LayoutField clock(std::uint8_t offset, MenuField field, std::string_view name,
                            ClockPart part, int min, int max, int bias = 0) {
    return {.offset = offset,
            .field = field,
            .name = name,
            .kind = FieldKind::ClockPart,
            .min = min,
            .max = max,
            .bias = bias,
            .clock = part};
}

constexpr LayoutField zeros(std::uint8_t offset, std::uint8_t length) {
    return {.offset = offset,
            .length = length,
            .field = MenuField::Unused,
            .name = "unused",
            .kind = FieldKind::Fixed};
}

constexpr LayoutField fixedByte(std::uint8_t offset, std::uint8_t value) {
    return {.offset = offset,
            .field = MenuField::Unused,
            .name = "no control",
            .kind = FieldKind::Fixed,
            .fixed = value};
}

constexpr LayoutField sidePir() {
    return option(9, MenuField::SidePir, "Side PIR", kOffOn);
}

constexpr LayoutField sidePirCopy() {
    return {.offset = 51,
            .field = MenuField::SidePirCopy,
            .name = "Side PIR (copy)",
            .kind = FieldKind::CopyOf,
            .source = 9};
}

template <std::size_t... N> constexpr auto join(const std::array<LayoutField, N>&... parts) {
    std::array<LayoutField, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)),
      at += N),
     ...);
    return all;
}

// Bytes 0-8: the capture options every form writes in the same place.
constexpr std::array<LayoutField, 9> captureBytes(Names modes, const LayoutField& image,
                                                  const LayoutField& video) {
    return {option(0, MenuField::Mode, "Capture mode", modes),
            image,
            video,
            option(3, MenuField::PictureCount, "Pictures per trigger", kPictures),
            {.offset = 4,
             .field = MenuField::VideoLength,
             .name = "Video length",
             .kind = FieldKind::OffsetNumber,
             .min = 1,
             .max = 60,
             .bias = 1,
             .unit = "seconds"},
            option(5, MenuField::TimeStamp, "Time stamp", kOnOff),
            {.offset = 6,
             .field = MenuField::Interval,
             .name = "Interval",
             .kind = FieldKind::Interval,
             .min = 0,
             .max = 60},
            option(7, MenuField::Sensitivity, "PIR sensitivity", kSensitivity),
            option(8, MenuField::Timer1, "Timer 1", kOffOn)};
}

constexpr std::array<LayoutField, 9> captureBytes(Names modes, Names images, Names videos) {
    return captureBytes(modes, option(1, MenuField::ImageSize, "Image size", images),
                        option(2, MenuField::VideoSize, "Video size", videos));
}

// Bytes 10-30: time lapse, clock, timer 1, serial number, language and TV mode.
constexpr std::array kCommonBytes{
    option(10, MenuField::TimeLapse, "Time lapse", kOnOff),
    number(11, MenuField::TimeLapseHours, "Time-lapse hours", 0, 23),
    number(12, MenuField::TimeLapseMinutes, "Time-lapse minutes", 0, 59),
    number(13, MenuField::TimeLapseSeconds, "Time-lapse seconds", 0, 59),
    clock(14, MenuField::ClockYear, "Clock year", ClockPart::Year, camera_menu::kFirstClockYear,
          camera_menu::kLastClockYear, camera_menu::kFirstClockYear),
    clock(15, MenuField::ClockMonth, "Clock month", ClockPart::Month, 1, 12),
    // The clock year is limited to 2010-2031 after it was read, so the day need not exist in
    // that year (29 February); only the ranges are fixed.
    clock(16, MenuField::ClockDay, "Clock day", ClockPart::Day, 1, 31),
    clock(17, MenuField::ClockHour, "Clock hour", ClockPart::Hour, 0, 23),
    clock(18, MenuField::ClockMinute, "Clock minute", ClockPart::Minute, 0, 59),
    clock(19, MenuField::ClockSecond, "Clock second", ClockPart::Second, 0, 59),
    number(20, MenuField::Timer1StartHour, "Timer 1 start hour", 0, 23),
    number(21, MenuField::Timer1StartMinute, "Timer 1 start minute", 0, 59),
    number(22, MenuField::Timer1StopHour, "Timer 1 stop hour", 0, 23),
    number(23, MenuField::Timer1StopMinute, "Timer 1 stop minute", 0, 59),
    option(24, MenuField::SerialNumber, "Serial number", kOffOn),
    option(25, MenuField::SerialChar1, "Serial character 1", kSerialChars),
    option(26, MenuField::SerialChar2, "Serial character 2", kSerialChars),
    option(27, MenuField::SerialChar3, "Serial character 3", kSerialChars),
    option(28, MenuField::SerialChar4, "Serial character 4", kSerialChars),
    LayoutField{.offset = 29,
                .field = MenuField::CameraLanguage,
                .name = "Camera language",
                .kind = FieldKind::Language,
                .min = 1,
                .max = kLanguageCount},
    LayoutField{.offset = 30,
                .field = MenuField::TvMode,
                .name = "TV mode",
                .kind = FieldKind::TvMode,
                .min = 0,
                .max = 255},
};

// Timer 2 right after the TV mode byte (generic, K7, K9, D2).
constexpr std::array kTimer2At31{
    option(31, MenuField::Timer2, "Timer 2", kOffOn),
    number(32, MenuField::Timer2StartHour, "Timer 2 start hour", 0, 23),
    number(33, MenuField::Timer2StartMinute, "Timer 2 start minute", 0, 59),
    number(34, MenuField::Timer2StopHour, "Timer 2 stop hour", 0, 23),
    number(35, MenuField::Timer2StopMinute, "Timer 2 stop minute", 0, 59),
};

constexpr LayoutField dateFormat() {
    return option(48, MenuField::DateFormat, "Date format", kDateFormats);
}
constexpr LayoutField sdCycle(std::uint8_t offset) {
    return option(offset, MenuField::SdCycle, "SD cycle", kOffOn);
}

constexpr std::array<LayoutField, 6> genericTail(const LayoutField& byte36) {
    return {byte36, zeros(37, 11), dateFormat(), zeros(49, 2), sidePirCopy(), zeros(52, 4)};
}

constexpr auto genericLayout(Names modes, const LayoutField& image, const LayoutField& video,
                             const LayoutField& byte36) {
    return join(captureBytes(modes, image, video), std::array{sidePir()}, kCommonBytes, kTimer2At31,
                genericTail(byte36));
}

constexpr auto kGenericAnyModel = genericLayout(
    kModes3, number(1, MenuField::ImageSize, "Image size (position in the model's list)", 0, 2),
    number(2, MenuField::VideoSize, "Video size (position in the model's list)", 0, 3),
    sdCycle(36));
constexpr auto kGenericK4 =
    genericLayout(kModes3, option(1, MenuField::ImageSize, "Image size", kImageSizes5MpFirst),
                  option(2, MenuField::VideoSize, "Video size", kVideoSizesVga), zeros(36, 1));
constexpr auto kGenericK5 =
    genericLayout(kModes3, option(1, MenuField::ImageSize, "Image size", kImageSizes12MpFirst),
                  option(2, MenuField::VideoSize, "Video size", kVideoSizesHd), zeros(36, 1));
// No model selected or an unknown one: the form offers only two modes.
constexpr auto kGenericOther =
    genericLayout(kModes2, option(1, MenuField::ImageSize, "Image size", kImageSizes5MpFirst),
                  option(2, MenuField::VideoSize, "Video size", kVideoSizesVga), zeros(36, 1));
constexpr auto kGeneric1080P =
    genericLayout(kModes3, option(1, MenuField::ImageSize, "Image size", kImageSizes5MpFirst),
                  option(2, MenuField::VideoSize, "Video size", kVideoSizesFullHd), sdCycle(36));

// P4 and P7: beep, SD cycle and timer 2 in 31-37.
constexpr std::array kP4Tail{
    option(31, MenuField::Beep, "Beep sound", kOffOn),
    sdCycle(32),
    option(33, MenuField::Timer2, "Timer 2", kOffOn),
    number(34, MenuField::Timer2StartHour, "Timer 2 start hour", 0, 23),
    number(35, MenuField::Timer2StartMinute, "Timer 2 start minute", 0, 59),
    number(36, MenuField::Timer2StopHour, "Timer 2 stop hour", 0, 23),
    number(37, MenuField::Timer2StopMinute, "Timer 2 stop minute", 0, 59),
    zeros(38, 10),
    dateFormat(),
    zeros(49, 7),
};

constexpr auto kP4 = join(captureBytes(kModes3, kImageSizesP4, kVideoSizesP4),
                          std::array{sidePir()}, kCommonBytes, kP4Tail);
constexpr auto kP7 = join(captureBytes(kModes3, kImageSizesP4, kVideoSizesP4),
                          std::array{zeros(9, 1)}, kCommonBytes, kP4Tail);

constexpr std::array kK7Tail{zeros(36, 12), dateFormat(), zeros(49, 7)};
constexpr auto kK7 = join(captureBytes(kModes3, kImageSizes12MpFirst, kVideoSizesHd),
                          std::array{fixedByte(9, 1)}, kCommonBytes, kTimer2At31, kK7Tail);

constexpr std::array kK9Tail{
    sdCycle(36),
    zeros(37, 3),
    option(40, MenuField::LongitudeDirection, "Longitude direction", kLongitude),
    number(41, MenuField::LongitudeDegrees, "Longitude degrees", 0, 180),
    number(42, MenuField::LongitudeMinutes, "Longitude minutes", 0, 59),
    number(43, MenuField::LongitudeSeconds, "Longitude seconds", 0, 59),
    option(44, MenuField::LatitudeDirection, "Latitude direction", kLatitude),
    number(45, MenuField::LatitudeDegrees, "Latitude degrees", 0, 90),
    number(46, MenuField::LatitudeMinutes, "Latitude minutes", 0, 59),
    number(47, MenuField::LatitudeSeconds, "Latitude seconds", 0, 59),
    dateFormat(),
    zeros(49, 2),
    sidePirCopy(),
    zeros(52, 4),
};
constexpr auto kK9A = join(captureBytes(kModes3, kImagesK9A, kVideoSizesFullHd),
                           std::array{sidePir()}, kCommonBytes, kTimer2At31, kK9Tail);
constexpr auto kK9MG = join(captureBytes(kModes3, kImageSizes5MpFirst, kVideoSizesFullHd),
                            std::array{sidePir()}, kCommonBytes, kTimer2At31, kK9Tail);

constexpr std::array kD2Tail{
    number(36, MenuField::WirelessDigit1, "Wireless code digit 1", 0, 9),
    number(37, MenuField::WirelessDigit2, "Wireless code digit 2", 0, 9),
    number(38, MenuField::WirelessDigit3, "Wireless code digit 3", 0, 9),
    number(39, MenuField::WirelessDigit4, "Wireless code digit 4", 0, 9),
    option(40, MenuField::WirelessSwitch, "Wireless code", kOffOn),
    zeros(41, 7),
    dateFormat(),
    zeros(49, 7),
};
constexpr auto kD2 = join(captureBytes(kModes3, kImageSizesD2, kVideoSizesVga),
                          std::array{zeros(9, 1)}, kCommonBytes, kTimer2At31, kD2Tail);

// The generic form's "Default" sets its lists and values and writes them with the current clock.
constexpr std::array<FactoryByte, 8> kGenericFactoryBytes{
    {{1, 1}, {2, 1}, {4, 9}, {6, 1}, {9, 1}, {10, 1}, {48, 1}, {51, 1}}};
constexpr std::array<MenuField, 8> kGenericFactoryVarying{
    MenuField::ClockYear,   MenuField::ClockMonth,  MenuField::ClockDay,       MenuField::ClockHour,
    MenuField::ClockMinute, MenuField::ClockSecond, MenuField::CameraLanguage, MenuField::TvMode};
constexpr FactoryPattern kGenericFactory{kGenericFactoryBytes, kGenericFactoryVarying};

// Every other form writes the same fixed reset pattern.
constexpr std::array<FactoryByte, 5> kResetBytes{{{0, 255}, {1, 255}, {2, 255}, {3, 255}, {48, 1}}};
constexpr FactoryPattern kResetFactory{kResetBytes};

constexpr bool coversRecordOnce(std::span<const LayoutField> fields) {
    std::size_t next = 0;
    for (const LayoutField& f : fields) {
        if (f.offset != next || f.length == 0)
            return false;
        next += f.length;
    }
    return next == CameraSettingsRecord::kUncheckedEnd;
}
static_assert(coversRecordOnce(kGenericAnyModel) && coversRecordOnce(kGenericK4) &&
              coversRecordOnce(kGenericK5) && coversRecordOnce(kGenericOther) &&
              coversRecordOnce(kGeneric1080P) && coversRecordOnce(kP4) && coversRecordOnce(kP7) &&
              coversRecordOnce(kK7) && coversRecordOnce(kK9A) && coversRecordOnce(kK9MG) &&
              coversRecordOnce(kD2));

const RecordLayout kLayoutGenericAny{MenuLayoutId::GenericAnyModel, "generic", kGenericAnyModel,
                                     kGenericFactory};
const RecordLayout kLayoutGenericK4{MenuLayoutId::GenericK4, "generic (K4)", kGenericK4,
                                    kGenericFactory};
const RecordLayout kLayoutGenericK5{MenuLayoutId::GenericK5, "generic (K5)", kGenericK5,
                                    kGenericFactory};
const RecordLayout kLayoutGenericOther{MenuLayoutId::GenericOther, "generic (no model)",
                                       kGenericOther, kGenericFactory};
const RecordLayout kLayoutGeneric1080P{MenuLayoutId::Generic1080P, "generic (1080P)", kGeneric1080P,
                                       kGenericFactory};
const RecordLayout kLayoutP4{MenuLayoutId::P4, "P4", kP4, kResetFactory};
const RecordLayout kLayoutP7{MenuLayoutId::P7, "P7", kP7, kResetFactory};
const RecordLayout kLayoutK7{MenuLayoutId::K7, "K7", kK7, kResetFactory};
const RecordLayout kLayoutK9A{MenuLayoutId::K9A, "K9 (K9A, K9WA)", kK9A, kResetFactory};
const RecordLayout kLayoutK9MG{MenuLayoutId::K9MG, "K9 (K9MG)", kK9MG, kResetFactory};
const RecordLayout kLayoutD2{MenuLayoutId::D2, "D2", kD2, kResetFactory};

constexpr std::array<const RecordLayout*, 11> kAllLayouts{
    &kLayoutGenericAny,   &kLayoutGenericK4, &kLayoutGenericK5, &kLayoutGenericOther,
    &kLayoutGeneric1080P, &kLayoutP4,        &kLayoutP7,        &kLayoutK7,
    &kLayoutK9A,          &kLayoutK9MG,      &kLayoutD2};

} // namespace

std::string_view menuFieldKey(MenuField field) {
    return kFieldKeys[static_cast<std::size_t>(field)];
}

const RecordLayout& genericMenuLayout() {
    return kLayoutGenericAny;
}

const RecordLayout& menuLayoutForModel(int modelId) {
    return menuLayout(modelFacts(modelId).layout);
}

std::span<const RecordLayout* const> allMenuLayouts() {
    return kAllLayouts;
}

const RecordLayout& menuLayout(MenuLayoutId id) {
    for (const RecordLayout* layout : kAllLayouts)
        if (layout->id == id)
            return *layout;
    return kLayoutGenericAny;
}

const LayoutField* findField(const RecordLayout& layout, MenuField field) {
    if (field == MenuField::Unused)
        return nullptr;
    const auto found = std::find_if(layout.fields.begin(), layout.fields.end(),
                                    [field](const LayoutField& f) { return f.field == field; });
    return found == layout.fields.end() ? nullptr : &*found;
}

const LayoutField* fieldAtOffset(const RecordLayout& layout, std::size_t offset) {
    for (const LayoutField& f : layout.fields)
        if (offset >= f.offset && offset < static_cast<std::size_t>(f.offset) + f.length)
            return &f;
    return nullptr;
}

std::optional<std::uint8_t> encodeMenuField(const LayoutField& field, int value,
                                            IntervalUnit intervalUnit) {
    switch (field.kind) {
    case FieldKind::Fixed:
        return field.fixed;
    case FieldKind::CopyOf:
        return std::nullopt; // taken from the source byte by the builder
    case FieldKind::Interval:
        if (intervalUnit == IntervalUnit::Seconds && value >= 0 && value <= field.max)
            return static_cast<std::uint8_t>(value + kIntervalSecondsBase);
        if (intervalUnit == IntervalUnit::Minutes && value >= 1 && value <= field.max)
            return static_cast<std::uint8_t>(value);
        return std::nullopt;
    default:
        if (value < field.min || value > field.max)
            return std::nullopt;
        return static_cast<std::uint8_t>(value - field.bias);
    }
}

std::optional<DecodedValue> decodeMenuField(const LayoutField& field,
                                            std::span<const std::uint8_t> record) {
    if (record.size() < static_cast<std::size_t>(field.offset) + field.length)
        return std::nullopt;
    const int stored = record[field.offset];
    switch (field.kind) {
    case FieldKind::Fixed:
        for (std::size_t i = 0; i < field.length; ++i)
            if (record[field.offset + i] != field.fixed)
                return std::nullopt;
        return DecodedValue{field.fixed};
    case FieldKind::CopyOf:
        if (record.size() <= field.source || record[field.source] != stored)
            return std::nullopt;
        return DecodedValue{stored};
    case FieldKind::Interval:
        if (stored >= kIntervalSecondsBase && stored <= kIntervalSecondsBase + field.max)
            return DecodedValue{stored - kIntervalSecondsBase, IntervalUnit::Seconds};
        if (stored >= 1 && stored <= field.max)
            return DecodedValue{stored, IntervalUnit::Minutes};
        return std::nullopt;
    default: {
        const int value = stored + field.bias;
        if (value < field.min || value > field.max)
            return std::nullopt;
        return DecodedValue{value};
    }
    }
}

namespace {

// The byte a field stores for `value`, or nullopt when it is refused.
std::optional<int> storedByte(const LayoutField& field, int value, IntervalUnit intervalUnit,
                              OutOfRange outOfRange) {
    if (outOfRange == OutOfRange::Refuse) {
        const auto byte = encodeMenuField(field, value, intervalUnit);
        return byte ? std::optional<int>(*byte) : std::nullopt;
    }
    switch (field.kind) {
    case FieldKind::Fixed:
        return field.fixed;
    case FieldKind::Interval:
        return intervalUnit == IntervalUnit::Seconds ? value + kIntervalSecondsBase : value;
    case FieldKind::ClockPart:
        if (field.clock == ClockPart::Year)
            return std::clamp(value, field.min, field.max) - field.bias;
        return value - field.bias;
    default:
        return value - field.bias;
    }
}

} // namespace

std::optional<CameraSettingsRecord>
buildMenuRecord(const RecordLayout& layout, const MenuValues& values, OutOfRange outOfRange) {
    CameraSettingsRecord record;
    for (const LayoutField& field : layout.fields) {
        if (field.kind == FieldKind::CopyOf)
            continue;
        const auto byte =
            storedByte(field, values.get(field.field), values.intervalUnit, outOfRange);
        if (!byte)
            return std::nullopt;
        for (std::size_t i = 0; i < field.length; ++i)
            record.set(field.offset + i, *byte);
    }
    for (const LayoutField& field : layout.fields)
        if (field.kind == FieldKind::CopyOf)
            record[field.offset] = record[field.source];
    return record;
}

std::optional<CameraSettingsRecord>
buildFactoryRecord(const RecordLayout& layout, const MenuValues& moment, OutOfRange outOfRange) {
    CameraSettingsRecord record;
    for (const FactoryByte& b : layout.factory.bytes)
        record[b.offset] = b.value;
    for (MenuField varying : layout.factory.varying) {
        const LayoutField* field = findField(layout, varying);
        if (!field)
            return std::nullopt;
        const auto byte = storedByte(*field, moment.get(varying), moment.intervalUnit, outOfRange);
        if (!byte)
            return std::nullopt;
        record.set(field->offset, *byte);
    }
    return record;
}

bool isFactoryRecord(const RecordLayout& layout, std::span<const std::uint8_t> record) {
    if (record.size() < CameraSettingsRecord::kUncheckedEnd)
        return false;
    std::array<bool, CameraSettingsRecord::kUncheckedEnd> free{};
    for (MenuField varying : layout.factory.varying) {
        const LayoutField* field = findField(layout, varying);
        if (!field || !decodeMenuField(*field, record))
            return false;
        free[field->offset] = true;
    }
    std::array<std::uint8_t, CameraSettingsRecord::kUncheckedEnd> expected{};
    for (const FactoryByte& b : layout.factory.bytes)
        expected[b.offset] = b.value;
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (!free[i] && record[i] != expected[i])
            return false;
    return true;
}

} // namespace quorvex
