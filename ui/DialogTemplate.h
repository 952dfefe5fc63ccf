// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace quorvex::ui {

enum class ControlKind { Static, GroupBox, Edit, List, Button };

// Style flags of a template control.
namespace style {
inline constexpr unsigned ReadOnly = 1u << 0;
inline constexpr unsigned DigitsOnly = 1u << 1;
inline constexpr unsigned Centred = 1u << 2;
inline constexpr unsigned Password = 1u << 3;
inline constexpr unsigned DefaultButton = 1u << 4;
inline constexpr unsigned MultiLine = 1u << 5;
inline constexpr unsigned Hidden = 1u << 6;
inline constexpr unsigned Disabled = 1u << 7;
inline constexpr unsigned Link = 1u << 8;   // a static the user can click (a web address)
inline constexpr unsigned Icon = 1u << 9;   // a static that shows the window's icon
inline constexpr unsigned Right = 1u << 10; // right-aligned static text
} // namespace style

inline constexpr int kUnnamed = -1; // frames and labels the program never addresses

// One control of a dialog template; position and size in dialog units.
struct ControlSpec {
    int id;
    ControlKind kind;
    std::string_view text;
    short x, y, width, height;
    unsigned flags = 0;
    int limit = 0; // edits: most characters accepted, 0 for no limit
};

struct DialogTemplate {
    int id;
    std::string_view title;
    short width, height;
    std::span<const ControlSpec> controls;
};

} // namespace quorvex::ui
