// SPDX-License-Identifier: MIT
#pragma once

#include "tools/inspect/InspectReport.h"

#include <cstdint>
#include <optional>
#include <span>

namespace quorvex::inspect {

// Checks and decodes setup.dat (MMS settings): size, CR LF, the checksum and the numbering it
// implies, the plain header and the ten texts. `modelId` picks the MMS form whose MMS Send list
// applies; without it any form's list is accepted.
FileReport decodeSetupFile(std::span<const std::uint8_t> bytes, std::optional<int> modelId);

} // namespace quorvex::inspect
