// SPDX-License-Identifier: MIT
#include "tools/inspect/InspectReport.h"

namespace quorvex::inspect {

std::string fileKindName(FileKind kind) {
    return std::string(cardFileName(kind));
}

} // namespace quorvex::inspect
