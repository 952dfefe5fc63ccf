// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

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

// A list closed to one line and a one-line static, as every template draws them.
inline constexpr int kListHeight = 14;
inline constexpr int kLabelHeight = 10;

constexpr ControlSpec label(int id, std::string_view text, int x, int y, int w) {
    return {id, ControlKind::Static, text, s(x), s(y), s(w), kLabelHeight};
}
constexpr ControlSpec list(int id, int x, int y, int w) {
    return {id, ControlKind::List, "", s(x), s(y), s(w), kListHeight};
}

// "Load from card…", on a line of its own below a configurator's buttons, under "Select": it
// reads what the folder row writes. The form sets its text in the interface language.
inline constexpr int kLoadLineHeight = 21; // the gap above it and its height
constexpr ControlSpec loadFromCardButton(int buttonsBottom) {
    return {kIdLoadFromCard,
            ControlKind::Button,
            "Load from card...",
            10,
            s(buttonsBottom + 5),
            130,
            16};
}

} // namespace quorvex::ui::template_parts
