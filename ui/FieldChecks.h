// SPDX-License-Identifier: MIT
#pragma once

#include "core/InfoMessages.h"
#include "core/Language.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::ui {

// A number edit out of range, shared by every form; the two %d are the bounds, lower first.
inline constexpr Message kMessageIntegerRange{"Please enter an integer between %d and %d!",
                                              "请输入一个介于%d和%d之间的值!"};

// The dialog framework's own checks speak Chinese in every language.
inline constexpr std::string_view kFrameworkIntegerRequired = "请输入一个整数。";
// %1 and %2 are the bounds.
inline constexpr std::string_view kFrameworkIntegerRange = "请输入一个 %1 至 %2 之间的整数。";
// %1 is the character limit.
inline constexpr std::string_view kFrameworkTooManyCharacters = "输入的字符请不要多于 %1 个。";

// ValidateIntRange: passes when min <= value <= max; otherwise shows the range message with the
// bounds filled in and fails.
bool validateIntRange(int value, int min, int max, LanguageId language, InfoMessages& messages);

// The integer of a number edit as the dialog framework reads it: an optional minus sign and digits,
// nothing else; nullopt for an empty text, other characters or a value beyond int.
std::optional<int> parseEditInteger(std::string_view text);

// "%d" placeholders filled in order (the range message's own format; nothing else is expanded).
std::string formatPercentD(std::string_view format, int first, int second);

// The framework's message for a text over its limit, "%1" being the limit.
std::string tooManyCharactersText(int limit);
// The framework's message for a number out of its range.
std::string frameworkRangeText(int min, int max);

} // namespace quorvex::ui
