// SPDX-License-Identifier: MIT
#include "tools/write/ProfileReader.h"

#include "card/SettingsHeaderSchema.h"
#include "tools/inspect/FileInspector.h"
#include "tools/write/ProfileFields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>

namespace quorvex::write {

namespace {

using inspect::FileKind;
using nlohmann::json;

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<int> intKey(const json& entry, const char* key) {
    const auto found = entry.find(key);
    if (found == entry.end() || !found->is_number_integer())
        return std::nullopt;
    return found->get<int>();
}

// The schema's key of a label and label of a key; a profile written before fields had keys names
// them by their labels alone.
std::vector<HeaderField> headerFields(FileKind kind) {
    if (kind == FileKind::Setup) {
        const auto fields = kSetupHeader.fields();
        return {fields.begin(), fields.end()};
    }
    std::vector<HeaderField> fields;
    for (SmtpLayout layout : {SmtpLayout::P4, SmtpLayout::K4})
        for (const HeaderField& field : kSmtpHeader.fields(layout))
            fields.push_back(field);
    return fields;
}
std::span<const TextRecordSchema, 10> textRecords(FileKind kind) {
    return kind == FileKind::Setup ? kSetupTextRecords : kSmtpTextRecords;
}

std::optional<FieldName> schemaName(std::optional<FileKind> kind,
                                    const std::function<bool(FieldName)>& match) {
    if (!kind)
        return std::nullopt;
    if (*kind == FileKind::Menu) {
        for (const FieldName name : {kClockLine, kFactoryLine})
            if (match(name))
                return name;
        for (const RecordLayout* layout : allMenuLayouts())
            for (const LayoutField& field : layout->fields)
                if (const FieldName name{menuFieldKey(field.field), field.name};
                    !name.key.empty() && match(name))
                    return name;
        return std::nullopt;
    }
    for (const HeaderField& field : headerFields(*kind))
        if (match(field.name))
            return field.name;
    for (const TextRecordSchema& text : textRecords(*kind))
        if (match(text.name()))
            return text.name();
    return std::nullopt;
}

FilePlan readFile(const json& file, const ProfileOptions& options) {
    const auto kindKey = file.find("kind");
    if (kindKey == file.end() || !kindKey->is_string())
        throw Refusal{{"", {"kind"}, "each file needs its kind: menu.dat, setup.dat or smtp.dat"}};
    const auto kind = inspect::fileKindFromName(kindKey->get<std::string>());
    if (!kind)
        throw Refusal{
            {"", {"kind"}, spelled(*kindKey) + " is not menu.dat, setup.dat or smtp.dat"}};
    const std::string fileName = inspect::fileKindName(*kind);
    if (const auto valid = file.find("valid"); valid != file.end() && *valid == false)
        throw Refusal{{fileName,
                       {},
                       "the profile was made from a damaged file; it describes no file the "
                       "camera reads"}};
    const ProfileFields fields(file, fileName);
    FilePlan plan;
    plan.kind = *kind;
    switch (*kind) {
    case FileKind::Menu: {
        MenuFilePlan menu = readMenuProfile(file, fields, options);
        plan.summary = fileName + " (" + std::string(menu.layout->name) + " layout" +
                       (menu.factory ? ", factory reset)" : ")");
        plan.content = std::move(menu);
        break;
    }
    case FileKind::Setup:
        plan.summary = fileName;
        plan.content = readSetupProfile(fields, options);
        break;
    case FileKind::Smtp: {
        SmtpFilePlan smtp = readSmtpProfile(file, fields, options);
        plan.summary =
            fileName + (smtp.header.layout == SmtpLayout::P4 ? " (P4 layout)" : " (K4 layout)");
        plan.content = std::move(smtp);
        break;
    }
    }
    return plan;
}

} // namespace

std::string spelled(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string faultText(const ProfileFault& fault) {
    std::string fields;
    for (const std::string& field : fault.fields)
        fields += (fields.empty() ? "\"" : ", \"") + field + "\"";
    if (!fields.empty())
        fields = (fault.fields.size() == 1 ? "field " : "fields ") + fields;
    std::string text = fault.file;
    if (!fields.empty())
        text += (text.empty() ? "" : ", ") + fields;
    return text + (text.empty() ? "" : ": ") + fault.reason;
}

ProfileFields::ProfileFields(const json& file, std::string fileName)
    : m_fileName(std::move(fileName)) {
    const auto list = file.find("fields");
    if (list == file.end() || !list->is_array())
        refuse("", "the file has no \"fields\" list");
    const auto kind = inspect::fileKindFromName(m_fileName);
    for (const json& entry : *list) {
        const auto name = entry.is_object() ? entry.find("name") : entry.end();
        if (!entry.is_object() || name == entry.end() || !name->is_string())
            refuse("", "every entry of \"fields\" needs a \"name\", not " + spelled(entry));
        const auto value = entry.find("value");
        if (value == entry.end())
            refuse(name->get<std::string>(), "has no \"value\"");
        const auto unit = entry.find("unit");
        const auto key = entry.find("key");
        std::string label = name->get<std::string>();
        const auto named = schemaName(kind, [&](FieldName n) { return n.label == label; });
        std::string fieldKey = key != entry.end() && key->is_string() ? key->get<std::string>()
                               : named                                ? std::string(named->key)
                                                                      : label;
        m_entries.push_back(
            {std::move(label), std::move(fieldKey), &*value, intKey(entry, "record").value_or(-1),
             intKey(entry, "byte").value_or(-1),
             unit != entry.end() && unit->is_string() ? unit->get<std::string>() : std::string()});
    }
}

const ProfileFields::Entry* ProfileFields::find(std::string_view key) const {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [key](const Entry& e) { return e.key == key; });
    return found == m_entries.end() ? nullptr : &*found;
}

std::string ProfileFields::labelOf(std::string_view field) const {
    if (const Entry* entry = find(field))
        return entry->name;
    const auto named = schemaName(inspect::fileKindFromName(m_fileName),
                                  [field](FieldName n) { return n.key == field; });
    return std::string(named ? named->label : field);
}

const ProfileFields::Entry& ProfileFields::require(std::string_view name) const {
    const Entry* entry = find(name);
    if (!entry)
        refuse(name, "is missing");
    return *entry;
}

std::int64_t ProfileFields::number(const Entry& entry) const {
    if (!entry.value->is_number_integer())
        refuse(entry.name, "wrong type: a whole number is expected, not " + spelled(*entry.value));
    return entry.value->get<std::int64_t>();
}

int ProfileFields::numberIn(std::string_view name, int min, int max) const {
    const Entry& entry = require(name);
    const std::int64_t value = number(entry);
    if (value < min || value > max)
        refuse(name, std::to_string(value) + " is outside " + std::to_string(min) + "-" +
                         std::to_string(max));
    return static_cast<int>(value);
}

std::string ProfileFields::textOf(const Entry& entry) const {
    if (!entry.value->is_string())
        refuse(entry.name, "wrong type: a text is expected, not " + spelled(*entry.value));
    const std::string& escaped = entry.value->get_ref<const std::string&>();
    std::string text;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            text += escaped[i];
        } else if (i + 1 < escaped.size() && escaped[i + 1] == '\\') {
            text += '\\';
            ++i;
        } else if (i + 3 < escaped.size() && escaped[i + 1] == 'x' &&
                   hexDigit(escaped[i + 2]) >= 0 && hexDigit(escaped[i + 3]) >= 0 &&
                   hexDigit(escaped[i + 2]) < 8) {
            text += static_cast<char>(hexDigit(escaped[i + 2]) * 16 + hexDigit(escaped[i + 3]));
            i += 3;
        } else {
            refuse(entry.name, "a backslash starts \\\\ or \\xNN (00-7F), as the inspector "
                               "writes them");
        }
    }
    return text;
}

std::string ProfileFields::text(std::string_view name) const {
    return textOf(require(name));
}

std::string ProfileFields::nameAt(int record, int byte) const {
    const Entry* best = nullptr;
    for (const Entry& e : m_entries)
        if (e.record == record && e.byte <= byte && (!best || e.byte > best->byte))
            best = &e;
    if (best)
        return best->name;
    return "record " + std::to_string(record) + ", byte " + std::to_string(byte);
}

std::vector<std::string> ProfileFields::namesAt(int record, int byte,
                                                std::string_view reason) const {
    // A problem with a combination of bytes ("bytes 6-8 hold ...") concerns every field in it.
    int first = byte;
    int last = byte;
    if (const auto at = reason.find("bytes "); at != std::string_view::npos) {
        const char* begin = reason.data() + at + 6;
        const char* end = reason.data() + reason.size();
        int from = 0;
        int to = 0;
        const auto [dash, ec1] = std::from_chars(begin, end, from);
        if (ec1 == std::errc{} && dash != end && *dash == '-' && from == byte &&
            std::from_chars(dash + 1, end, to).ec == std::errc{})
            last = to;
    }
    std::vector<std::string> names;
    for (const Entry& e : m_entries)
        if (e.record == record && e.byte > first && e.byte <= last &&
            std::find(names.begin(), names.end(), e.name) == names.end())
            names.push_back(e.name);
    const std::string own = nameAt(record, first);
    if (std::find(names.begin(), names.end(), own) == names.end())
        names.insert(names.begin(), own);
    return names;
}

void ProfileFields::refuse(std::string_view field, std::string reason) const {
    refuse(std::vector<std::string>{field.empty() ? std::string() : labelOf(field)},
           std::move(reason));
}

void ProfileFields::refuse(std::vector<std::string> fields, std::string reason) const {
    if (fields.size() == 1 && fields[0].empty())
        fields.clear();
    throw Refusal{{m_fileName, std::move(fields), std::move(reason)}};
}

std::variant<std::vector<FilePlan>, ProfileFault> readProfile(std::string_view text,
                                                              const ProfileOptions& options) {
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded())
        return ProfileFault{"", {}, "not JSON (the profile is what quorvex-inspect --json prints)"};
    try {
        std::vector<const json*> files;
        if (document.is_object() && document.contains("kind")) {
            files.push_back(&document);
        } else if (const auto list = document.is_object() ? document.find("files") : document.end();
                   list != document.end() && list->is_array()) {
            for (const json& file : *list)
                files.push_back(&file);
        }
        if (files.empty())
            return ProfileFault{"", {}, "the profile holds no file"};
        std::vector<FilePlan> plans;
        std::array<bool, 3> seen{};
        for (const json* file : files) {
            if (!file->is_object())
                return ProfileFault{"", {}, "each file of the profile is a JSON object"};
            FilePlan plan = readFile(*file, options);
            if (std::exchange(seen[static_cast<std::size_t>(plan.kind)], true))
                return ProfileFault{inspect::fileKindName(plan.kind),
                                    {},
                                    "the profile holds two files of this kind"};
            plans.push_back(std::move(plan));
        }
        return plans;
    } catch (const Refusal& refusal) {
        return refusal.fault;
    }
}

CameraSettingsRecord menuRecord(const MenuFilePlan& plan,
                                const std::optional<camera_menu::ClockFields>& now) {
    MenuValues values = plan.values;
    if (now) {
        values.values[MenuField::ClockYear] = now->year;
        values.values[MenuField::ClockMonth] = now->month;
        values.values[MenuField::ClockDay] = now->day;
        values.values[MenuField::ClockHour] = now->hour;
        values.values[MenuField::ClockMinute] = now->minute;
        values.values[MenuField::ClockSecond] = now->second;
    }
    // Every value was checked when the profile was read, and the clock is the camera's range.
    return (plan.factory ? buildFactoryRecord(*plan.layout, values)
                         : buildMenuRecord(*plan.layout, values))
        .value();
}

std::vector<std::uint8_t> fileBytes(const FilePlan& plan,
                                    const std::optional<camera_menu::ClockFields>& now) {
    if (const auto* menu = std::get_if<MenuFilePlan>(&plan.content)) {
        CameraSettingsRecord record = menuRecord(*menu, now);
        const auto sealed = record.seal();
        return {sealed.begin(), sealed.end()};
    }
    const SettingsFileBuild build =
        std::holds_alternative<SetupFilePlan>(plan.content)
            ? MmsFileWriter::build(std::get<SetupFilePlan>(plan.content).header,
                                   std::get<SetupFilePlan>(plan.content).texts)
            : SmtpFileWriter::build(std::get<SmtpFilePlan>(plan.content).header,
                                    std::get<SmtpFilePlan>(plan.content).texts);
    return {build.bytes.begin(), build.bytes.end()};
}

} // namespace quorvex::write
