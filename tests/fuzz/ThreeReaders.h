// SPDX-License-Identifier: MIT
#pragma once

#include "card/CardVerdict.h"
#include "tools/inspect/FileInspector.h"
#include "tools/inspect/ReportRendering.h"
#include "tools/write/ProfileReader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace quorvex::testing {

// What the three readers of a card make of the same bytes: the inspector's report, whether "Load
// from card" takes the file (a factory record is sound but has nothing to load), and whether
// quorvex-write takes the inspector's JSON of it and writes the same bytes again. Empty when they
// agree, else which one disagrees and why.
inline std::string readersDisagree(CardFile kind, std::span<const std::uint8_t> file,
                                   std::optional<int> modelId) {
    inspect::InspectResult result;
    result.reports.push_back(inspect::decodeSettingsFile(kind, file, {modelId}));
    const inspect::FileReport& report = result.reports.back();
    const CardCheck check = cardFileVerdict(kind, file, modelId);
    const bool loads =
        check.verdict == CardVerdict::Readable || check.verdict == CardVerdict::FactoryRecord;
    if (report.valid() != loads)
        return report.valid()
                   ? "the inspector calls it valid; Load from card refuses it: " + check.detail
                   : "the inspector finds " + report.problems.front().reason +
                         "; Load from card takes it";
    const auto plans =
        write::readProfile(inspect::renderJson(result), {modelId, write::ClockChoice::Keep});
    const auto* accepted = std::get_if<std::vector<write::FilePlan>>(&plans);
    if (!report.valid())
        return accepted ? "quorvex-write takes the JSON of a damaged file" : "";
    if (!accepted)
        return "quorvex-write refuses the JSON of a valid file: " +
               write::faultText(std::get<write::ProfileFault>(plans));
    if (accepted->size() != 1 || write::fileBytes(accepted->front(), std::nullopt) !=
                                     std::vector<std::uint8_t>(file.begin(), file.end()))
        return "quorvex-write writes other bytes than it read";
    return {};
}

} // namespace quorvex::testing
