// SPDX-License-Identifier: MIT
#pragma once

#include "core/InfoMessages.h"
#include "core/Language.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::camera_menu {

// ValidateIntRange: passes when min <= value <= max; otherwise shows the range message with the
// bounds filled in and fails.
bool validateIntRange(int value, int min, int max, LanguageId language, ui::InfoMessages& messages);

// The integer of a number edit as the dialog framework reads it: an optional minus sign and digits,
// nothing else; nullopt for an empty text, other characters or a value beyond int.
std::optional<int> parseEditInteger(std::string_view text);

// "%d" placeholders filled in order (the range message's own format; nothing else is expanded).
std::string formatPercentD(std::string_view format, int first, int second);

// The framework's message for a text over its limit, "%1" being the limit.
std::string tooManyCharactersText(int limit);

} // namespace quorvex::camera_menu
