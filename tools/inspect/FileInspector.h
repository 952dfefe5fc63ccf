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

struct InspectResult {
    std::vector<FileReport> reports;
    std::vector<InspectError> errors;
};

// The kind of settings file a name stands for, ignoring case as the card's file system does.
std::optional<FileKind> fileKindFromName(std::string_view fileName);

// Decodes the bytes of a file of the given kind.
FileReport decodeSettingsFile(FileKind kind, std::span<const std::uint8_t> bytes,
                              const InspectOptions& options);

// A file by its name, or a folder: each of menu.dat, setup.dat and smtp.dat it holds.
void inspectPath(const std::string& path, const InspectOptions& options, InspectResult& result);

} // namespace quorvex::inspect
