// SPDX-License-Identifier: MIT
// menu.dat from a profile: every field by its key in the record layout the inspector read the
// file with, checked and encoded by that layout.
#include "tools/inspect/FieldText.h"
#include "tools/write/ProfileFields.h"

#include <limits>

namespace quorvex::write {

namespace {

using nlohmann::json;

constexpr std::string_view kFactoryValue = "factory reset";

const RecordLayout* layoutNamed(std::string_view name) {
    for (const RecordLayout* layout : allMenuLayouts())
        if (layout->name == name)
            return layout;
    return nullptr;
}

std::string layoutNames() {
    std::string names;
    for (const RecordLayout* layout : allMenuLayouts())
        names += (names.empty() ? "\"" : ", \"") + std::string(layout->name) + "\"";
    return names;
}

const RecordLayout& profileLayout(const json& file, const ProfileFields& fields,
                                  const ProfileOptions& options) {
    const auto name = file.find("layout");
    if (name == file.end()) {
        if (options.modelId)
            return menuLayoutForModel(*options.modelId);
        fields.refuse("layout", "is missing; it names the record layout (" + layoutNames() + ")");
    }
    const RecordLayout* layout =
        name->is_string() ? layoutNamed(name->get<std::string>()) : nullptr;
    if (!layout)
        fields.refuse("layout", spelled(*name) + " is no record layout (" + layoutNames() + ")");
    return *layout;
}

std::string rangeText(const LayoutField& field, std::int64_t value, IntervalUnit unit) {
    const std::string start = std::to_string(value) + " is outside ";
    switch (field.kind) {
    case FieldKind::Option: {
        std::string text = start + "0-" + std::to_string(field.max) + " (";
        for (std::size_t i = 0; i < field.options.size(); ++i)
            text += (i ? ", " : "") + std::to_string(i) + " " + std::string(field.options[i]);
        return text + ")";
    }
    case FieldKind::Interval:
        return start + (unit == IntervalUnit::Seconds ? "0-" : "1-") + std::to_string(field.max) +
               " " + std::string(intervalUnitName(unit));
    default:
        return start + std::to_string(field.min) + "-" + std::to_string(field.max) +
               (field.unit.empty() ? "" : " " + std::string(field.unit));
    }
}

std::string clockLine(const MenuValues& values) {
    return inspect::clockText(values.get(MenuField::ClockYear), values.get(MenuField::ClockMonth),
                              values.get(MenuField::ClockDay), values.get(MenuField::ClockHour),
                              values.get(MenuField::ClockMinute),
                              values.get(MenuField::ClockSecond));
}

const LayoutField* fieldKeyed(const RecordLayout& layout, std::string_view key) {
    for (const LayoutField& f : layout.fields)
        if (f.kind != FieldKind::Fixed && menuFieldKey(f.field) == key)
            return &f;
    return nullptr;
}

void readValues(const ProfileFields& fields, const ProfileOptions& options, MenuFilePlan& plan) {
    const RecordLayout& layout = *plan.layout;
    for (const ProfileFields::Entry& entry : fields.entries()) {
        if (entry.key != kClockLine.key && !fieldKeyed(layout, entry.key))
            fields.refuse(entry.name,
                          "unknown field: the " + std::string(layout.name) + " layout has none");
        if (fields.find(entry.key) != &entry)
            fields.refuse(entry.name, "is given twice");
    }
    for (const LayoutField& field : layout.fields) {
        if (field.kind == FieldKind::Fixed || field.kind == FieldKind::CopyOf)
            continue;
        const ProfileFields::Entry* found = fields.find(menuFieldKey(field.field));
        if (!found)
            fields.refuse(field.name, "is missing");
        const ProfileFields::Entry& entry = *found;
        const std::int64_t value = fields.number(entry);
        IntervalUnit unit = IntervalUnit::Minutes;
        if (field.kind == FieldKind::Interval) {
            // The unit is part of the value: 30 seconds and 30 minutes are different bytes.
            constexpr auto seconds = intervalUnitName(IntervalUnit::Seconds);
            constexpr auto minutes = intervalUnitName(IntervalUnit::Minutes);
            if (entry.unit != seconds && entry.unit != minutes)
                fields.refuse(field.name, "needs its \"unit\": \"" + std::string(seconds) +
                                              "\" or \"" + std::string(minutes) + "\"");
            unit = entry.unit == seconds ? IntervalUnit::Seconds : IntervalUnit::Minutes;
            plan.values.intervalUnit = unit;
        }
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max() ||
            !encodeMenuField(field, static_cast<int>(value), unit))
            fields.refuse(field.name, rangeText(field, value, unit));
        plan.values.values[field.field] = static_cast<int>(value);
    }
    for (const ProfileFields::Entry& entry : fields.entries()) {
        const LayoutField* field = fieldKeyed(layout, entry.key);
        if (field && field->kind == FieldKind::CopyOf) {
            const LayoutField* source = fieldAtOffset(layout, field->source);
            const int expected = source ? plan.values.get(source->field) : 0;
            if (fields.number(entry) != expected)
                fields.refuse(entry.name, "is a copy of " +
                                              std::string(source ? source->name : "its source") +
                                              ", which is " + std::to_string(expected));
        } else if (entry.key == kClockLine.key) {
            const std::string clock = fields.textOf(entry);
            if (options.clock == ClockChoice::Keep && clock != clockLine(plan.values))
                fields.refuse(entry.name, "says " + clock + " but the clock fields say " +
                                              clockLine(plan.values));
        }
    }
}

// A record built in the profile's layout must also be one the model's form writes.
void checkFitsModel(const ProfileFields& fields, const MenuFilePlan& plan, int modelId) {
    const RecordLayout& target = menuLayoutForModel(modelId);
    if (&target == plan.layout)
        return;
    const auto record = plan.factory ? buildFactoryRecord(*plan.layout, plan.values)
                                     : buildMenuRecord(*plan.layout, plan.values);
    const auto bytes = record.value().bytes();
    const std::string model = "ModelId " + std::to_string(modelId) + "'s camera form (" +
                              std::string(target.name) + " layout)";
    if (plan.factory) {
        if (!isFactoryRecord(target, bytes))
            fields.refuse(kFactoryLine.label, model + " writes another factory record");
        return;
    }
    if (isFactoryRecord(target, bytes))
        return;
    for (const LayoutField& field : target.fields) {
        if (decodeMenuField(field, bytes))
            continue;
        const LayoutField* own = fieldAtOffset(*plan.layout, field.offset);
        fields.refuse(own && own->kind != FieldKind::Fixed ? own->name : field.name,
                      model + " reads byte " + std::to_string(field.offset) + " = " +
                          std::to_string(bytes[field.offset]) + " as no value of its own");
    }
}

} // namespace

MenuFilePlan readMenuProfile(const json& file, const ProfileFields& fields,
                             const ProfileOptions& options) {
    MenuFilePlan plan;
    plan.layout = &profileLayout(file, fields, options);
    if (const ProfileFields::Entry* factory = fields.find(kFactoryLine.key)) {
        if (fields.textOf(*factory) != kFactoryValue)
            fields.refuse(factory->name, "is \"" + std::string(kFactoryValue) + "\" or absent");
        if (!plan.layout->factory.varying.empty())
            fields.refuse(factory->name, "the " + std::string(plan.layout->name) +
                                             " layout's factory record is given by its fields");
        for (const ProfileFields::Entry& entry : fields.entries())
            if (entry.key != kFactoryLine.key)
                fields.refuse(entry.name, "unknown field: a factory reset record has no fields");
        plan.factory = true;
    } else {
        readValues(fields, options, plan);
    }
    if (options.modelId)
        checkFitsModel(fields, plan, *options.modelId);
    return plan;
}

} // namespace quorvex::write
