// SPDX-License-Identifier: MIT
#pragma once

#include "tools/inspect/InspectReport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::inspect {

struct InspectOptions {
    std::optional<int> modelId; // menu.dat layout, MMS Send list and SMTP header layout
};

// A path that could not be inspected (missing, unreadable, not a settings file).
struct InspectError {
    std::string path;
    std::string reason;
};

// Takes each report or error the moment its path has been read.
class InspectSink {
  public:
    virtual ~InspectSink() = default;
    virtual void report(FileReport report) = 0;
    virtual void error(InspectError error) = 0;
};

// Every report and error kept, for a caller that wants them all at once.
struct InspectResult final : InspectSink {
    std::vector<FileReport> reports;
    std::vector<InspectError> errors;

    void report(FileReport report) override { reports.push_back(std::move(report)); }
    void error(InspectError error) override { errors.push_back(std::move(error)); }
};

// The kind of settings file a name stands for, ignoring case as the card's file system does.
std::optional<FileKind> fileKindFromName(std::string_view fileName);

// Decodes the bytes of a file of the given kind.
FileReport decodeSettingsFile(FileKind kind, std::span<const std::uint8_t> bytes,
                              const InspectOptions& options);

// A file by its name, or a folder: each of menu.dat, setup.dat and smtp.dat it holds, handed to
// `sink` one by one as each is read.
void inspectPath(const std::string& path, const InspectOptions& options, InspectSink& sink);

} // namespace quorvex::inspect
