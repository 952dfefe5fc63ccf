// SPDX-License-Identifier: MIT
// libFuzzer target for the card file decoders. The first byte picks the file kind, the model and
// whether the harness repairs the checksums and record ends, so that most inputs get past the
// envelope checks into the field decoding.
#include "core/SettingsCrc16.h"
#include "tools/inspect/FileInspector.h"
#include "tools/inspect/ReportRendering.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using namespace quorvex;
using namespace quorvex::inspect;

void repair(FileKind kind, std::vector<std::uint8_t>& file, bool international) {
    if (kind == FileKind::Menu) {
        if (file.size() != 60)
            return;
        const std::uint16_t crc = settingsCrc16(std::span(file).first(50));
        file[56] = static_cast<std::uint8_t>(crc & 0xFF);
        file[57] = static_cast<std::uint8_t>(crc >> 8);
        file[58] = 13;
        file[59] = 10;
        return;
    }
    if (file.size() != 720)
        return;
    for (std::size_t r = 0; r < 12; ++r) {
        file[r * 60 + 58] = 13;
        file[r * 60 + 59] = 10;
    }
    const unsigned addend = kind == FileKind::Smtp ? 15 : international ? 18 : 0;
    const auto check =
        static_cast<std::uint16_t>(settingsCrc16(std::span(file).first(660)) + addend);
    file[660 + 56] = static_cast<std::uint8_t>(check & 0xFF);
    file[660 + 57] = static_cast<std::uint8_t>(check >> 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const auto kind = static_cast<FileKind>((control & 3) % 3);
    InspectOptions options;
    const int model = (control >> 2) & 0x1F; // 0-31: 18-31 read without a model
    if (model <= 17)
        options.modelId = model;
    std::vector<std::uint8_t> file(data + 1, data + size);
    if (control & 0x80)
        repair(kind, file, (control & 0x40) != 0);

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
