// SPDX-License-Identifier: MIT
#pragma once

#include "tools/inspect/InspectReport.h"

#include <cstdint>
#include <optional>
#include <span>

namespace quorvex::inspect {

// Checks and decodes smtp.dat: size, CR LF, the checksum, the plain header in the P4 or K4
// layout (the model's SMTP form, or whichever fits bytes 6-8) and the ten texts, including the
// user name derived from the sender address.
FileReport decodeSmtpFile(std::span<const std::uint8_t> bytes, std::optional<int> modelId);

} // namespace quorvex::inspect
