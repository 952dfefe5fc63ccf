// SPDX-License-Identifier: MIT
#include "tools/inspect/ReportRendering.h"

#include "tools/inspect/RecordBytes.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <vector>

namespace quorvex::inspect {

int exitStatusFor(const InspectResult& result) {
    if (!result.errors.empty())
        return 2;
    for (const FileReport& report : result.reports)
        if (!report.valid())
            return 1;
    return 0;
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
    std::string out = printableText({reinterpret_cast<const std::uint8_t*>(report.path.data()),
                                     report.path.size()}) +
                      ": " + fileKindName(report.kind) + ", " + std::to_string(report.size) +
                      " bytes, " + report.layout + "\n";
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

std::string renderJson(const InspectResult& result) {
    using nlohmann::json;
    json files = json::array();
    for (const FileReport& report : result.reports) {
        json fields = json::array();
        for (const ReportField& field : report.fields) {
            json f{{"record", field.record},
                   {"byte", field.byte},
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
        files.push_back({{"path", report.path},
                         {"kind", fileKindName(report.kind)},
                         {"size", report.size},
                         {"layout", report.layout},
                         {"valid", report.valid()},
                         {"notes", report.notes},
                         {"fields", std::move(fields)},
                         {"problems", std::move(problems)}});
    }
    json errors = json::array();
    for (const InspectError& error : result.errors)
        errors.push_back({{"path", error.path}, {"reason", error.reason}});
    const json root{{"files", std::move(files)},
                    {"errors", std::move(errors)},
                    {"status", exitStatusFor(result)}};
    // Paths come from the user and may hold any bytes; replace what is not UTF-8 instead of
    // failing.
    return root.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

} // namespace quorvex::inspect
