// SPDX-License-Identifier: MIT
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace quorvex::write {

// quorvex-write [--model N] [--clock now|keep] [--dry-run] PROFILE FOLDER...
class WriteCommand final {
  public:
    // Returns the exit status: 0 every card written, 1 some card not written, 2 usage error or a
    // profile that cannot be read or is refused (then nothing is written). PROFILE "-" is `in`.
    int execute(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                std::ostream& err) const;
};

} // namespace quorvex::write
