// SPDX-License-Identifier: MIT
#include "tools/inspect/MenuFileDecoder.h"

#include "card/MenuFileReader.h"
#include "core/SettingsCrc16.h"
#include "tools/inspect/FieldText.h"
#include "tools/inspect/RecordBytes.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvex::inspect {

namespace {

std::string unitText(const LayoutField& field, int value) {
    if (field.unit == "seconds")
        return countWithUnit(value, "second", "seconds");
    return std::to_string(value);
}

std::string meaningOf(const LayoutField& field, const DecodedValue& decoded) {
    switch (field.kind) {
    case FieldKind::Option:
        return decoded.value >= 0 && static_cast<std::size_t>(decoded.value) < field.options.size()
                   ? std::string(field.options[static_cast<std::size_t>(decoded.value)])
                   : std::to_string(decoded.value);
    case FieldKind::OffsetNumber:
    case FieldKind::Number:
        return unitText(field, decoded.value);
    case FieldKind::Interval:
        return decoded.intervalUnit == IntervalUnit::Seconds
                   ? countWithUnit(decoded.value, "second", "seconds")
                   : countWithUnit(decoded.value, "minute", "minutes");
    case FieldKind::Language:
        return std::string(languageName(decoded.value));
    default:
        return std::to_string(decoded.value);
    }
}

std::string expectedText(const LayoutField& field) {
    switch (field.kind) {
    case FieldKind::Fixed:
        return "byte " + std::to_string(field.offset) + " is always " + std::to_string(field.fixed);
    case FieldKind::CopyOf:
        return std::string(field.name) + " is a copy of byte " + std::to_string(field.source);
    case FieldKind::Interval: {
        const std::string max = std::to_string(field.max);
        return "Interval is stored as 1-" + max + " (minutes) or " +
               std::to_string(kIntervalSecondsBase) + "-" +
               std::to_string(kIntervalSecondsBase + field.max) + " (0-" + max + " seconds)";
    }
    default: {
        std::string text = std::string(field.name) + " is stored as " +
                           std::to_string(field.min - field.bias) + "-" +
                           std::to_string(field.max - field.bias);
        if (field.kind == FieldKind::Option) {
            text += " (";
            for (std::size_t i = 0; i < field.options.size(); ++i)
                text += (i ? ", " : "") + std::string(field.options[i]);
            text += ")";
        }
        return text;
    }
    }
}

void decodeFields(FileReport& report, const Record& record, const RecordLayout& layout) {
    int clock[6]{};
    int clockParts = 0;
    for (const LayoutField& field : layout.fields) {
        const auto decoded = decodeMenuField(field, record);
        if (!decoded) {
            // A run of fixed bytes names each wrong byte.
            for (std::size_t i = field.offset;
                 i < static_cast<std::size_t>(field.offset) + field.length; ++i) {
                const bool wrong = field.kind != FieldKind::Fixed || record[i] != field.fixed;
                if (!wrong)
                    continue;
                std::string expected = expectedText(field);
                if (field.kind == FieldKind::Fixed && field.length > 1)
                    expected = "bytes " + std::to_string(field.offset) + "-" +
                               std::to_string(field.offset + field.length - 1) + " are always " +
                               std::to_string(field.fixed);
                addProblem(report, 0, static_cast<int>(i),
                           "holds " + std::to_string(record[i]) + "; " + expected);
            }
            continue;
        }
        if (field.kind == FieldKind::Fixed)
            continue;
        ReportField out{0,
                        field.offset,
                        std::string(field.name),
                        record[field.offset],
                        std::int64_t{decoded->value},
                        {},
                        meaningOf(field, *decoded),
                        std::string(menuFieldKey(field.field))};
        if (field.kind == FieldKind::Interval)
            out.unit = std::string(intervalUnitName(decoded->intervalUnit));
        if (field.kind == FieldKind::OffsetNumber)
            out.unit = std::string(field.unit);
        if (field.kind == FieldKind::CopyOf) {
            if (const LayoutField* source = fieldAtOffset(layout, field.source); source) {
                if (const auto value = decodeMenuField(*source, record))
                    out.meaning = meaningOf(*source, *value) + " (copy of byte " +
                                  std::to_string(field.source) + ")";
            }
        }
        report.fields.push_back(std::move(out));
        if (field.kind == FieldKind::ClockPart && field.clock != ClockPart::None) {
            clock[static_cast<int>(field.clock) - 1] = decoded->value;
            ++clockParts;
            if (clockParts == 6) {
                const std::string text =
                    clockText(clock[0], clock[1], clock[2], clock[3], clock[4], clock[5]);
                report.fields.push_back({0,
                                         findField(layout, MenuField::ClockYear)->offset,
                                         std::string(kClockLine.label),
                                         std::nullopt,
                                         text,
                                         {},
                                         text,
                                         std::string(kClockLine.key)});
            }
        }
    }
}

FileReport decodeWith(std::span<const std::uint8_t> bytes, const RecordLayout& layout) {
    FileReport report;
    report.kind = FileKind::Menu;
    report.size = bytes.size();
    report.layout = std::string(layout.name);
    if (bytes.size() != CameraSettingsRecord::kSize) {
        addProblem(report, -1, -1, menuRecordFault(bytes));
        return report;
    }
    const Record record = recordAt(bytes, 0);
    checkRecordEnd(report, 0, record);

    const std::uint16_t crc =
        settingsCrc16(std::span(record).first(CameraSettingsRecord::kPayloadSize));
    const unsigned stored =
        record[CameraSettingsRecord::kCrcLow] | (record[CameraSettingsRecord::kCrcHigh] << 8);
    if (stored == crc) {
        report.notes.push_back("Checksum " + hexWord(crc) + " of bytes 0-49 matches");
    } else {
        addProblem(report, 0, static_cast<int>(CameraSettingsRecord::kCrcLow),
                   "the checksum holds " + hexWord(stored) + " but bytes 0-49 give " +
                       hexWord(crc) + " (low byte at 56, high byte at 57)");
    }

    if (isFactoryRecord(layout, record)) {
        report.notes.push_back("Factory-reset record of the " + std::string(layout.name) +
                               " layout");
        if (layout.factory.varying.empty()) {
            report.fields.push_back({0,
                                     0,
                                     std::string(kFactoryLine.label),
                                     std::nullopt,
                                     std::string("factory reset"),
                                     {},
                                     "factory reset (bytes 0-3 = 255, date format byte 48 = 1)",
                                     std::string(kFactoryLine.key)});
            return report;
        }
    }
    decodeFields(report, record, layout);
    return report;
}

std::string fitsNote(const std::vector<const RecordLayout*>& layouts) {
    return "The record is valid in the layout of " + layoutListText(layouts);
}

} // namespace

FileReport decodeMenuFile(std::span<const std::uint8_t> bytes, const RecordLayout& layout) {
    FileReport report = decodeWith(bytes, layout);
    if (report.valid() || !menuRecordFault(bytes).empty())
        return report;
    // A record that is fine for another form was most likely read with the wrong model.
    const Record record = recordAt(bytes, 0);
    std::vector<const RecordLayout*> others;
    for (const RecordLayout* other : allMenuLayouts())
        if (other != &layout && other->id != MenuLayoutId::GenericAnyModel &&
            fitsMenuLayout(*other, record))
            others.push_back(other);
    if (!others.empty())
        report.notes.push_back(fitsNote(others));
    return report;
}

FileReport decodeMenuFileOfAnyModel(std::span<const std::uint8_t> bytes) {
    std::vector<const RecordLayout*> fitting;
    std::optional<FileReport> chosen;
    bool chosenIsGeneric = false;
    for (const RecordLayout* layout : allMenuLayouts()) {
        FileReport report = decodeWith(bytes, *layout);
        if (!report.valid())
            continue;
        fitting.push_back(layout);
        // A model's own layout names the sizes; the generic one only gives list positions.
        if (!chosen || chosenIsGeneric) {
            chosen = std::move(report);
            chosenIsGeneric = layout->id == MenuLayoutId::GenericAnyModel;
        }
    }
    if (!chosen)
        return decodeWith(bytes, genericMenuLayout());
    chosen->notes.push_back(fitsNote(fitting));
    return std::move(*chosen);
}

} // namespace quorvex::inspect
