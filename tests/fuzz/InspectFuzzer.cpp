// SPDX-License-Identifier: MIT
// libFuzzer target for the card file decoders: whatever the bytes, the report says where and why
// a file is damaged and renders as text and JSON.
#include "tests/fuzz/FuzzInput.h"
#include "tools/inspect/FileInspector.h"
#include "tools/inspect/ReportRendering.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace quorvex;
using namespace quorvex::inspect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = testing::fuzzInput(data, size);
    if (!input)
        return 0;
    const FileKind kind = input->kind;
    const std::vector<std::uint8_t>& file = input->file;
    InspectOptions options{input->modelId};

    InspectResult result;
    result.reports.push_back(decodeSettingsFile(kind, file, options));
    const FileReport& report = result.reports.back();
    if (report.size != file.size())
        std::abort();
    // A damaged file always says where and why.
    for (const Problem& p : report.problems)
        if (p.reason.empty() || p.record > 11 || p.byte > 59)
            std::abort();
    const std::string text = renderText(report);
    const std::string json = renderJson(result);
    if (text.empty() || json.empty())
        std::abort();
    if ((exitStatusFor(result) == 0) != report.valid())
        std::abort();
    return 0;
}
