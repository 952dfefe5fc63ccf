// SPDX-License-Identifier: MIT
#pragma once

#include "tools/inspect/FileInspector.h"

#include <string>

namespace quorvex::inspect {

// 0 every file valid, 1 some file damaged, 2 some path could not be inspected.
int exitStatusFor(const InspectResult& result);

// Where a problem or field sits: "byte 7" in menu.dat, "record 3, byte 57" in the others.
std::string locationText(FileKind kind, int record, int byte);

std::string renderText(const FileReport& report);
std::string renderJson(const InspectResult& result);

} // namespace quorvex::inspect
