// SPDX-License-Identifier: MIT
// setup.dat and smtp.dat from a profile: the values go into the writers' own header and text
// structures under the keys the inspector gives them; the file built from them is then read back
// by the inspector, which checks every byte as it checks a card, and must say what the profile
// says, field by field.
#include "tools/write/ProfileFields.h"

#include "card/SettingsHeaderSchema.h"
#include "tools/inspect/FileInspector.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

namespace quorvex::write {

namespace {

using nlohmann::json;

// The field a refused text belongs to: the profile's entry of that record.
void refuseText(const ProfileFields& fields, const SettingsFileBuild& build) {
    if (!build.ok())
        fields.refuse(fields.nameAt(build.refusedRecord, 0),
                      refusalReason(build.refusedRecord, build.refusal));
}

bool sameValue(const json& profile, const inspect::ReportField& decoded) {
    if (const auto* number = std::get_if<std::int64_t>(&decoded.value))
        return profile.is_number_integer() && profile.get<std::int64_t>() == *number;
    if (const auto* text = std::get_if<std::string>(&decoded.value))
        return profile.is_string() && profile.get<std::string>() == *text;
    return false;
}

std::string decodedText(const inspect::ReportField& decoded) {
    if (const auto* number = std::get_if<std::int64_t>(&decoded.value))
        return std::to_string(*number);
    if (const auto* text = std::get_if<std::string>(&decoded.value))
        return spelled(json(*text));
    return "nothing";
}

// The first field of the profile that `report` does not hold with the profile's value: its name
// and why.
std::optional<std::pair<std::string, std::string>>
firstMismatch(const ProfileFields& fields, const inspect::FileReport& report) {
    std::map<std::string, std::vector<const inspect::ReportField*>> decoded;
    for (const inspect::ReportField& field : report.fields)
        decoded[field.key].push_back(&field);
    std::map<std::string, std::size_t> seen;
    for (const ProfileFields::Entry& entry : fields.entries()) {
        const auto found = decoded.find(entry.key);
        if (found == decoded.end())
            return std::pair(entry.name, "unknown field: " + fields.fileName() + " has none");
        const std::size_t n = seen[entry.key]++;
        if (n >= found->second.size())
            return std::pair(entry.name,
                             "is given more often than " + fields.fileName() + " has it");
        const inspect::ReportField& field = *found->second[n];
        if (!sameValue(*entry.value, field))
            return std::pair(entry.name, "is " + spelled(*entry.value) + ", but " +
                                             fields.fileName() + " would hold " +
                                             decodedText(field) + " (" + field.meaning + ")");
    }
    return std::nullopt;
}

// Reads the built file as the inspector reads a card: any problem refuses the field it lies in;
// every field the profile names must be one the file holds, with the value the profile gives.
void checkAsInspected(const ProfileFields& fields, inspect::FileKind kind,
                      std::span<const std::uint8_t> bytes, const ProfileOptions& options) {
    const inspect::FileReport checked =
        inspect::decodeSettingsFile(kind, bytes, inspect::InspectOptions{options.modelId});
    if (!checked.valid()) {
        const inspect::Problem& problem = checked.problems.front();
        fields.refuse(problem.record < 0
                          ? std::vector<std::string>{}
                          : fields.namesAt(problem.record, problem.byte, problem.reason),
                      problem.reason);
    }
    // Bytes 6-8 of smtp.dat that fit both header layouts are named as the P4 layout's without a
    // model and as the model's form's with one; a profile may have been made either way.
    auto mismatch = firstMismatch(fields, checked);
    if (mismatch && options.modelId)
        if (!firstMismatch(fields, inspect::decodeSettingsFile(kind, bytes, {})))
            return;
    if (mismatch)
        fields.refuse(mismatch->first, mismatch->second);
}

// The names the inspector gives the fields of a file of this kind and header layout: read from
// what it makes of the writer's default file.
void refuseUnknownFields(const ProfileFields& fields, inspect::FileKind kind,
                         std::span<const std::uint8_t> defaultFile) {
    const inspect::FileReport report =
        inspect::decodeSettingsFile(kind, defaultFile, inspect::InspectOptions{});
    for (const ProfileFields::Entry& entry : fields.entries())
        if (std::none_of(report.fields.begin(), report.fields.end(),
                         [&](const inspect::ReportField& f) { return f.key == entry.key; }))
            fields.refuse(entry.name, "unknown field: " + fields.fileName() + " has none");
}

// A field's value within the range its schema gives.
int numberIn(const ProfileFields& fields, const HeaderField& field) {
    return fields.numberIn(field.name.key, field.min, field.max);
}

DataSetupMode dataMode(const ProfileFields& fields, const HeaderField& field) {
    return numberIn(fields, field) == dataModeByte(DataSetupMode::Auto) ? DataSetupMode::Auto
                                                                        : DataSetupMode::Manual;
}

} // namespace

SetupFilePlan readSetupProfile(const ProfileFields& fields, const ProfileOptions& options) {
    SetupFilePlan plan;
    refuseUnknownFields(fields, inspect::FileKind::Setup,
                        MmsFileWriter::build(plan.header, plan.texts).bytes);
    MmsHeaderValues& h = plan.header;
    const SetupHeaderSchema& s = kSetupHeader;
    h.sendCode = fields.byteValue(s.mmsSend.name.key);
    h.sendPosition = fields.byteValue(s.mmsSendPosition.name.key);
    h.connectionType = fields.byteValue(s.connectionType.name.key);
    h.picturesPerDay = numberIn(fields, s.picturesPerDay);
    h.cameraLanguage = fields.byteValue(s.cameraLanguage.name.key);
    h.tvMode = fields.byteValue(s.tvMode.name.key);
    h.internationalNumbering = numberIn(fields, s.numbering) == kInternationalNumbering;
    h.countryByte = fields.byteValue(s.country.name.key);
    h.operatorByte = fields.byteValue(s.operatorIndex.name.key);
    h.remoteControl = fields.byteValue(s.remoteControl.name.key);
    h.mode = dataMode(fields, s.dataMode);
    for (const TextRecordSchema& text : kSetupTextRecords)
        plan.texts[static_cast<MmsTextField>(text.record)] = fields.text(text.key);
    const SettingsFileBuild build = MmsFileWriter::build(plan.header, plan.texts);
    refuseText(fields, build);
    checkAsInspected(fields, inspect::FileKind::Setup, build.bytes, options);
    return plan;
}

SmtpFilePlan readSmtpProfile(const json& file, const ProfileFields& fields,
                             const ProfileOptions& options) {
    SmtpFilePlan plan;
    SmtpHeaderValues& h = plan.header;
    // The inspector names the header layout first: "P4", "K4", or "P4 or K4 (...)" when bytes
    // 6-8 fit both, read as P4.
    const auto layout = file.find("layout");
    const std::string layoutName =
        layout != file.end() && layout->is_string() ? layout->get<std::string>() : "";
    if (layoutName.starts_with(kSmtpHeader.p4.name))
        h.layout = SmtpLayout::P4;
    else if (layoutName.starts_with(kSmtpHeader.k4.name))
        h.layout = SmtpLayout::K4;
    else
        fields.refuse("layout", (layout == file.end() ? std::string("is missing")
                                                      : spelled(*layout) + " is no header layout") +
                                    "; smtp.dat is written in the \"P4\" or the \"K4\" layout");
    refuseUnknownFields(fields, inspect::FileKind::Smtp,
                        SmtpFileWriter::build(plan.header, plan.texts).bytes);
    const SmtpHeaderSchema& s = kSmtpHeader;
    h.operatorIndex = fields.byteValue(s.operatorIndex.name.key);
    h.countryIndex = fields.byteValue(s.country.name.key);
    h.picturesPerDay = numberIn(fields, s.picturesPerDay);
    h.cameraLanguage = fields.byteValue(s.cameraLanguage.name.key);
    if (s.layout(h.layout).find(kSmtpStatus))
        h.smtpStatus = fields.byteValue(kSmtpStatus.name.key);
    h.remoteControl = fields.byteValue(kRemoteControl.name.key);
    h.mode = dataMode(fields, s.mmsMode);
    for (const TextRecordSchema& text : kSmtpTextRecords)
        if (text.record != kSenderUserNameRecord)
            plan.texts[static_cast<SmtpTextField>(text.record)] = fields.text(text.key);
    const SettingsFileBuild build = SmtpFileWriter::build(plan.header, plan.texts);
    refuseText(fields, build);
    checkAsInspected(fields, inspect::FileKind::Smtp, build.bytes, options);
    return plan;
}

} // namespace quorvex::write
