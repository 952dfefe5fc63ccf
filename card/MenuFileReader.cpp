// SPDX-License-Identifier: MIT
#include "card/MenuFileReader.h"

#include "core/SettingsCrc16.h"

#include <algorithm>
#include <vector>

namespace quorvex {

namespace {

using Record = CameraSettingsRecord;

std::string hexWord(unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 12; shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xF];
    return text;
}

// The first byte of `field` that holds what the field cannot hold.
std::string wrongByteText(const LayoutField& field, std::span<const std::uint8_t> record) {
    std::size_t at = field.offset;
    if (field.kind == FieldKind::Fixed)
        while (at + 1 < static_cast<std::size_t>(field.offset) + field.length &&
               record[at] == field.fixed)
            ++at;
    const std::string holds = "byte " + std::to_string(at) + " holds " + std::to_string(record[at]);
    if (field.kind == FieldKind::Fixed)
        return holds + "; it is always " + std::to_string(field.fixed);
    return holds + ", which is no value of " + std::string(field.name);
}

// The layouts a foreign record fits, for a message: a model's own layouts before the generic
// ones, at most two named.
std::string fittingLayoutsText(std::vector<const RecordLayout*> layouts) {
    constexpr std::size_t kNamed = 2;
    std::stable_partition(layouts.begin(), layouts.end(),
                          [](const RecordLayout* layout) { return !layout->generic(); });
    const std::size_t more = layouts.size() > kNamed ? layouts.size() - kNamed : 0;
    layouts.resize(layouts.size() - more);
    std::string text = layoutListText(layouts);
    if (more > 0)
        text += " and " + std::to_string(more) + " more layout" + (more > 1 ? "s" : "");
    return text;
}

} // namespace

std::string menuRecordFault(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != Record::kSize)
        return "the file has " + std::to_string(bytes.size()) + " bytes; menu.dat has " +
               std::to_string(Record::kSize);
    if (bytes[Record::kLineEnd] != kCr || bytes[Record::kLineEnd + 1] != kLf)
        return "bytes 58-59 are not CR LF";
    const std::uint16_t crc = settingsCrc16(bytes.first(Record::kPayloadSize));
    const unsigned stored = bytes[Record::kCrcLow] | (bytes[Record::kCrcHigh] << 8);
    if (stored != crc)
        return "the checksum holds " + hexWord(stored) + " but bytes 0-49 give " + hexWord(crc);
    return {};
}

bool fitsMenuLayout(const RecordLayout& layout, std::span<const std::uint8_t> record) {
    if (isFactoryRecord(layout, record))
        return true;
    for (const LayoutField& field : layout.fields)
        if (!decodeMenuField(field, record))
            return false;
    return true;
}

std::string layoutListText(std::span<const RecordLayout* const> layouts) {
    std::string text;
    for (const RecordLayout* layout : layouts) {
        if (layout->id == MenuLayoutId::GenericAnyModel && layouts.size() > 1)
            continue;
        const std::string models = modelsWithLayout(layout->id);
        text += (text.empty() ? "" : "; ") + std::string(layout->name) +
                (models.empty() ? " (any model)" : " (ModelId " + models + ")");
    }
    return text;
}

MenuFileContent readMenuFile(std::span<const std::uint8_t> bytes, const RecordLayout& layout) {
    MenuFileContent content;
    if (std::string fault = menuRecordFault(bytes); !fault.empty()) {
        content.check = cardRefusal(CardVerdict::Damaged, std::move(fault));
        return content;
    }
    if (isFactoryRecord(layout, bytes)) {
        content.check = cardRefusal(CardVerdict::FactoryRecord);
        return content;
    }
    const LayoutField* wrong = nullptr;
    for (const LayoutField& field : layout.fields) {
        const auto decoded = decodeMenuField(field, bytes);
        if (!decoded) {
            wrong = &field;
            break;
        }
        if (field.kind == FieldKind::Fixed || field.kind == FieldKind::CopyOf)
            continue;
        content.values.values[field.field] = decoded->value;
        if (field.kind == FieldKind::Interval)
            content.values.intervalUnit = decoded->intervalUnit;
    }
    if (!wrong)
        return content;
    content.values = {};
    std::vector<const RecordLayout*> others;
    bool otherFactory = false;
    for (const RecordLayout* other : allMenuLayouts()) {
        if (other == &layout || other->id == MenuLayoutId::GenericAnyModel ||
            !fitsMenuLayout(*other, bytes))
            continue;
        others.push_back(other);
        otherFactory = otherFactory || isFactoryRecord(*other, bytes);
    }
    if (otherFactory)
        content.check = cardRefusal(CardVerdict::FactoryRecord);
    else if (!others.empty())
        content.check = cardRefusal(CardVerdict::OtherLayout, fittingLayoutsText(others));
    else
        content.check = cardRefusal(CardVerdict::Damaged, wrongByteText(*wrong, bytes));
    return content;
}

} // namespace quorvex
