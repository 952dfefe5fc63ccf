// SPDX-License-Identifier: MIT
#pragma once

#include "core/InfoMessages.h"
#include "core/Language.h"

#include <span>
#include <string_view>
#include <utility>

namespace quorvex {

// A form's text and the name the user knows its field by.
struct NamedText {
    std::string_view name;
    std::string_view text;
};

// Whether every text fits its record in the camera's code page. The first that does not is named
// with its offending character in one message, so the form writes nothing rather than a "?".
bool allStorable(std::span<const NamedText> texts, LanguageId language, ui::InfoMessages& out);

} // namespace quorvex
