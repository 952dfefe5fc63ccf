// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/RecordLayouts.h"
#include "tools/inspect/InspectReport.h"

#include <cstdint>
#include <span>

namespace quorvex::inspect {

// Checks and decodes menu.dat by `layout`: size, CR LF, the checksum of bytes 0-49, every byte
// the layout fixes, and every field's range. A factory record of the layout is valid.
FileReport decodeMenuFile(std::span<const std::uint8_t> bytes, const RecordLayout& layout);

} // namespace quorvex::inspect
