// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

#include <algorithm>
#include <array>
#include <cstddef>

// What every template table is assembled with: groups of controls joined into one array, and
// dialog-unit values narrowed to the template's shorts.
namespace quorvex::ui::template_parts {

template <std::size_t... N> constexpr auto join(const std::array<ControlSpec, N>&... parts) {
    std::array<ControlSpec, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)),
      at += N),
     ...);
    return all;
}

constexpr short s(int v) {
    return static_cast<short>(v);
}

} // namespace quorvex::ui::template_parts
