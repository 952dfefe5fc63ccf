// SPDX-License-Identifier: MIT
#include "tools/inspect/FileInspector.h"

#include "card/CardFolder.h"
#include "card/RecordLayouts.h"
#include "card/ScrambledSettingsFile.h"
#include "core/SystemText.h"
#include "tools/inspect/MenuFileDecoder.h"
#include "tools/inspect/SetupFileDecoder.h"
#include "tools/inspect/SmtpFileDecoder.h"

#include <array>
#include <filesystem>

namespace quorvex::inspect {

namespace {

namespace fs = std::filesystem;

constexpr std::array<FileKind, 3> kKindsInFolderOrder{FileKind::Menu, FileKind::Setup,
                                                      FileKind::Smtp};

void inspectFile(const fs::path& path, FileKind kind, const InspectOptions& options,
                 InspectSink& sink) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status)) {
        sink.error({utf8FromPath(path), ec ? ec.message() : "not a regular file"});
        return;
    }
    const CardFileBytes read = readCardFile(path);
    if (!read.error.empty()) {
        sink.error({utf8FromPath(path), read.error});
        return;
    }
    const std::vector<std::uint8_t>& bytes = read.bytes;
    FileReport report = decodeSettingsFile(kind, bytes, options);
    if (read.tooLong()) {
        // Only the size matters for a file this long; say how long it really is.
        const auto size = fs::file_size(path, ec);
        report.size = ec ? bytes.size() : static_cast<std::size_t>(size);
        report.problems.clear();
        report.problems.push_back(
            {-1, -1,
             "the file has " +
                 (ec ? "more than " + std::to_string(kCardReadLimit)
                     : std::to_string(report.size)) +
                 " bytes; " + fileKindName(kind) + " has " +
                 (kind == FileKind::Menu ? std::to_string(CameraSettingsRecord::kSize)
                                         : settingsFileSizeText())});
    }
    report.path = utf8FromPath(path);
    sink.report(std::move(report));
}

void inspectFolder(const fs::path& folder, const InspectOptions& options, InspectSink& sink) {
    std::error_code ec;
    std::array<std::optional<fs::path>, 3> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto kind = fileKindFromName(utf8FromPath(it->path().filename()));
        if (!kind)
            continue;
        auto& slot = found[static_cast<std::size_t>(*kind)];
        // On a case-sensitive file system both MENU.DAT and menu.dat may exist; take the
        // first in name order so the choice does not depend on the directory order.
        if (!slot || it->path().filename() < slot->filename())
            slot = it->path();
    }
    if (ec) {
        sink.error({utf8FromPath(folder), ec.message()});
        return;
    }
    bool any = false;
    for (FileKind kind : kKindsInFolderOrder) {
        if (const auto& path = found[static_cast<std::size_t>(kind)]) {
            inspectFile(*path, kind, options, sink);
            any = true;
        }
    }
    if (!any)
        sink.error({utf8FromPath(folder), "holds no menu.dat, setup.dat or smtp.dat"});
}

} // namespace

std::optional<FileKind> fileKindFromName(std::string_view fileName) {
    for (FileKind kind : kKindsInFolderOrder)
        if (isCardFileName(fileName, fileKindName(kind)))
            return kind;
    return std::nullopt;
}

FileReport decodeSettingsFile(FileKind kind, std::span<const std::uint8_t> bytes,
                              const InspectOptions& options) {
    FileReport report;
    switch (kind) {
    case FileKind::Menu:
        report = options.modelId ? decodeMenuFile(bytes, menuLayoutForModel(*options.modelId))
                                 : decodeMenuFileOfAnyModel(bytes);
        break;
    case FileKind::Setup:
        report = decodeSetupFile(bytes, options.modelId);
        break;
    case FileKind::Smtp:
        report = decodeSmtpFile(bytes, options.modelId);
        break;
    }
    // The report explains the file byte by byte; whether it is valid is the one verdict every
    // reader of a card follows, so a fault the decoding has no words for is still named.
    if (report.valid()) {
        const CardCheck check = cardFileVerdict(kind, bytes, options.modelId);
        if (check.verdict == CardVerdict::Damaged || check.verdict == CardVerdict::OtherLayout)
            report.problems.push_back({-1, -1, check.detail});
    }
    return report;
}

void inspectPath(const std::string& path, const InspectOptions& options, InspectSink& sink) {
    std::error_code ec;
    const fs::path p = pathFromUtf8(path);
    const auto status = fs::status(p, ec);
    if (ec) {
        sink.error({path, ec.message()});
        return;
    }
    if (fs::is_directory(status)) {
        inspectFolder(p, options, sink);
        return;
    }
    const auto kind = fileKindFromName(utf8FromPath(p.filename()));
    if (!kind) {
        sink.error({path, "is not named menu.dat, setup.dat or smtp.dat"});
        return;
    }
    inspectFile(p, *kind, options, sink);
}

} // namespace quorvex::inspect
