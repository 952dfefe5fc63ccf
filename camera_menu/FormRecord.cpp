// SPDX-License-Identifier: MIT
#include "camera_menu/FormRecord.h"

#include <algorithm>

namespace quorvex::camera_menu {

namespace {

int storedValue(const LayoutField& field, const MenuValues& values) {
    const int value = values.get(field.field);
    switch (field.kind) {
    case FieldKind::Fixed:
        return field.fixed;
    case FieldKind::Interval:
        return values.intervalUnit == 0 ? value + 128 : value;
    case FieldKind::ClockPart:
        if (field.clock == ClockPart::Year)
            return std::clamp(value, 2010, 2031) - field.bias;
        return value - field.bias;
    default:
        return value - field.bias;
    }
}

} // namespace

CameraSettingsRecord buildFormRecord(const RecordLayout& layout, const MenuValues& values) {
    CameraSettingsRecord record;
    for (const LayoutField& field : layout.fields) {
        if (field.kind == FieldKind::CopyOf)
            continue;
        const int value = storedValue(field, values);
        for (std::size_t i = 0; i < field.length; ++i)
            record.set(field.offset + i, value);
    }
    for (const LayoutField& field : layout.fields)
        if (field.kind == FieldKind::CopyOf)
            record[field.offset] = record[field.source];
    return record;
}

CameraSettingsRecord buildPatternRecord(const RecordLayout& layout, const MenuValues& moment) {
    CameraSettingsRecord record;
    for (const FactoryByte& b : layout.factory.bytes)
        record[b.offset] = b.value;
    for (MenuField varying : layout.factory.varying)
        if (const LayoutField* field = findField(layout, varying))
            record.set(field->offset, storedValue(*field, moment));
    return record;
}

} // namespace quorvex::camera_menu
