// SPDX-License-Identifier: MIT
#pragma once

#include "card/RecordLayouts.h"
#include "tools/inspect/InspectReport.h"

#include <cstdint>
#include <span>

namespace quorvex::inspect {

// Checks and decodes menu.dat by `layout`: size, CR LF, the checksum of bytes 0-49, every byte
// the layout fixes, and every field's range. A factory record of the layout is valid.
FileReport decodeMenuFile(std::span<const std::uint8_t> bytes, const RecordLayout& layout);

// menu.dat when the model is not known: valid when it is valid in some layout, decoded in the
// first that fits (a model's before the generic one with the lists left open), with a note naming
// every layout it fits; damaged when it fits none, and then read in the generic layout.
FileReport decodeMenuFileOfAnyModel(std::span<const std::uint8_t> bytes);

} // namespace quorvex::inspect
