// SPDX-License-Identifier: MIT
#pragma once

#include "mms/MmsForm.h"

#include <vector>

// The checks "Generate" runs in the MMS forms, in their order: the standard ones, and those of
// SMS mode. Lengths count characters.
namespace quorvex::mms {

// The standard checks; the two forms differ only in the Chinese text of a gateway without a dot.
std::vector<GenerateCheck> standardChecks(const Message& gatewayWithoutDot);
std::vector<GenerateCheck> smsChecks();

} // namespace quorvex::mms
