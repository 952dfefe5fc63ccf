// SPDX-License-Identifier: MIT
#include "tools/inspect/ReportRendering.h"

#include "tools/inspect/RecordBytes.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <vector>

namespace quorvex::inspect {

int exitStatusFor(bool anyUnreadable, bool anyDamaged) {
    return anyUnreadable ? 2 : anyDamaged ? 1 : 0;
}

int exitStatusFor(const InspectResult& result) {
    return exitStatusFor(!result.errors.empty(),
                         std::any_of(result.reports.begin(), result.reports.end(),
                                     [](const FileReport& report) { return !report.valid(); }));
}

std::string locationText(FileKind kind, int record, int byte) {
    if (record < 0)
        return "file";
    if (kind == FileKind::Menu)
        return byte < 0 ? "record" : "byte " + std::to_string(byte);
    std::string text = "record " + std::to_string(record);
    if (byte >= 0)
        text += ", byte " + std::to_string(byte);
    return text;
}

std::string renderText(const FileReport& report) {
    std::string out = printablePath(report.path) + ": " + fileKindName(report.kind) + ", " +
                      std::to_string(report.size) + " bytes, " + report.layout + "\n";
    for (const std::string& note : report.notes)
        out += "  " + note + "\n";
    std::vector<std::string> locations;
    std::size_t width = 0;
    for (const ReportField& field : report.fields) {
        const bool wholeRecord = report.kind != FileKind::Menu && field.byte == 0 && !field.stored;
        locations.push_back(wholeRecord ? "record " + std::to_string(field.record)
                                        : locationText(report.kind, field.record, field.byte));
        width = std::max(width, locations.back().size());
    }
    for (std::size_t i = 0; i < report.fields.size(); ++i) {
        const ReportField& field = report.fields[i];
        out += "  " + locations[i] + std::string(width - locations[i].size() + 2, ' ') +
               field.name + ": " + field.meaning + "\n";
    }
    if (report.valid()) {
        out += "  valid\n";
    } else {
        out += "  DAMAGED (" + std::to_string(report.problems.size()) +
               (report.problems.size() == 1 ? " problem)\n" : " problems)\n");
        for (const Problem& problem : report.problems)
            out += "    " + locationText(report.kind, problem.record, problem.byte) + ": " +
                   problem.reason + "\n";
    }
    return out;
}

namespace {

using nlohmann::json;

json fileJson(const FileReport& report) {
    json fields = json::array();
    for (const ReportField& field : report.fields) {
        json f{{"record", field.record},
               {"byte", field.byte},
               {"key", field.key},
               {"name", field.name},
               {"meaning", field.meaning}};
        if (field.stored)
            f["stored"] = *field.stored;
        if (const auto* number = std::get_if<std::int64_t>(&field.value))
            f["value"] = *number;
        if (const auto* text = std::get_if<std::string>(&field.value))
            f["value"] = *text;
        if (!field.unit.empty())
            f["unit"] = field.unit;
        fields.push_back(std::move(f));
    }
    json problems = json::array();
    for (const Problem& problem : report.problems) {
        json p{{"reason", problem.reason}};
        p["record"] = problem.record >= 0 ? json(problem.record) : json(nullptr);
        p["byte"] = problem.byte >= 0 ? json(problem.byte) : json(nullptr);
        problems.push_back(std::move(p));
    }
    return {{"path", report.path},
            {"kind", fileKindName(report.kind)},
            {"version", kProfileVersion},
            {"size", report.size},
            {"layout", report.layout},
            {"valid", report.valid()},
            {"notes", report.notes},
            {"fields", std::move(fields)},
            {"problems", std::move(problems)}};
}

// Pretty-printed at the depth it sits in the document. Paths come from the user and may hold
// any bytes; what is not UTF-8 is replaced instead of failing.
std::string dumpAtDepth(const json& value, int depth) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    std::string text = value.dump(2, ' ', false, json::error_handler_t::replace);
    // A dumped string holds no raw line break, so every one is the layout's own.
    std::string out = indent;
    for (char c : text) {
        out += c;
        if (c == '\n')
            out += indent;
    }
    return out;
}

} // namespace

void JsonDocumentWriter::begin() {
    m_out << "{\n  \"files\": [";
}

void JsonDocumentWriter::file(const FileReport& report) {
    m_out << (m_anyFile ? ",\n" : "\n") << dumpAtDepth(fileJson(report), 2);
    m_anyFile = true;
}

void JsonDocumentWriter::end(std::span<const InspectError> errors, int status) {
    json list = json::array();
    for (const InspectError& error : errors)
        list.push_back({{"path", error.path}, {"reason", error.reason}});
    m_out << (m_anyFile ? "\n  ],\n" : "],\n") << "  \"errors\": " << dumpAtDepth(list, 1).substr(2)
          << ",\n  \"status\": " << status << "\n}\n";
}

std::string renderJson(const InspectResult& result) {
    std::ostringstream out;
    JsonDocumentWriter writer(out);
    writer.begin();
    for (const FileReport& report : result.reports)
        writer.file(report);
    writer.end(result.errors, exitStatusFor(result));
    return out.str();
}

} // namespace quorvex::inspect
