// SPDX-License-Identifier: MIT
#pragma once

#include "tools/write/ProfileReader.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::write {

// Writes one planned file into a card's folder through the file's own writer (atomically and
// durably, a leftover mms.dat removed as the forms do). nullopt when written, else why not.
std::optional<std::string> writePlan(const FilePlan& plan, std::string_view folder,
                                     const std::optional<camera_menu::ClockFields>& now);

} // namespace quorvex::write
