// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorvex {

struct WriteOutcome {
    bool ok = false;
    std::string reason; // the system's reason when !ok
    // The device or folder refuses writing (a read-only file system, a locked card, no
    // permission), rather than the path being wrong or the device full.
    bool refused = false;
};

// Replaces `path` with exactly `bytes`, or leaves it as it was. The bytes go to a fresh temporary
// file in the same folder (created exclusively, so a planted link is never followed), which is
// flushed to the device, renamed over `path`, and the folder entry synced: a card pulled out right
// after success holds the complete file, and a failure at any step leaves no partial file.
//
// The temporary file of "menu.dat" is ".menu.dat.quorvex-XXXXXX.tmp" (six letters or digits). A
// write killed before its rename leaves that file behind; the next successful write of the same
// target removes every such leftover of that target (a link as a link) and no other file. A
// leftover still being written by another running write is left to it.
WriteOutcome writeFileDurably(const std::string& path, std::span<const std::uint8_t> bytes);

// Removes `path` if it is there (a link is removed as a link, never followed).
// True when nothing is left under that name.
bool removeIfPresent(const std::string& path, std::string* reason = nullptr);
// The same, telling why nothing could be removed the way a failed write does.
WriteOutcome removeEntry(const std::string& path);

// The output file's full path. On Windows "%s\name" from the folder text as it is (a folder
// "C:\" gives "C:\\name", which the file system accepts); elsewhere folder + "/" + name.
std::string outputFilePath(std::string_view folder, std::string_view name);

} // namespace quorvex
