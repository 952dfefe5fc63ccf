// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace quorvex::inspect {

// quorvex-inspect [--model N] [--json] PATH...
class InspectCommand final {
  public:
    // Returns the exit status: 0 all valid, 1 something damaged, 2 usage error or unreadable path.
    int execute(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) const;
};

} // namespace quorvex::inspect
