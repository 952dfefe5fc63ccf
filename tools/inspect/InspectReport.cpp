// SPDX-License-Identifier: MIT
#include "tools/inspect/InspectReport.h"

namespace quorvex::inspect {

std::string fileKindName(FileKind kind) {
    switch (kind) {
    case FileKind::Menu:
        return "menu.dat";
    case FileKind::Setup:
        return "setup.dat";
    case FileKind::Smtp:
        return "smtp.dat";
    }
    return {};
}

} // namespace quorvex::inspect
