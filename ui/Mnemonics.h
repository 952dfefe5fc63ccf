// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

#include <span>
#include <string_view>
#include <vector>

// Alt+letter keys, chosen from the texts a window shows at the moment, so they follow the
// interface language without a "&" in any text. Bindings underline the chosen character and
// recompute after a text changes.
namespace quorvex::ui {

// For each text, in order of preference, the UTF-16 position of its key letter, or -1 when it
// has none left. No letter (compared without case) is taken twice; a letter that starts a word is
// preferred. Only letters a keyboard types with Alt are taken: Latin, Greek and Cyrillic, not
// Chinese or Japanese characters, digits or punctuation.
std::vector<int> mnemonicPositions(std::span<const std::string_view> texts);

// Which of `texts` answers Alt + `typed` (one character in UTF-8, either case), or -1.
int mnemonicFor(std::span<const std::string_view> texts, std::string_view typed);

// The controls of a template that take an Alt+letter key, in the order they choose: buttons,
// then the statics that label a field.
std::vector<int> mnemonicControls(const DialogTemplate& dialogTemplate);

} // namespace quorvex::ui
