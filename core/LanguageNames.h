// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

#include <array>
#include <string_view>

namespace quorvex {

// Each camera language by the name the main window's list gives it (entry 1 reads "中文" on a
// Chinese system), in LanguageId order.
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageNames{
    "Chinese", "English",  "Deutsch",    "Suomi",  "Italiano", "Francais", "Magyar", "Slovenian",
    "Cesky",   "Japanese", "Lithuanian", "Polish", "Turkiye",  "Ukraine",  "Russian"};

// The name of a LanguageId, empty for an unknown one.
constexpr std::string_view languageName(long long languageId) {
    return isValidLanguage(languageId) ? kLanguageNames[static_cast<std::size_t>(languageId - 1)]
                                       : std::string_view{};
}

} // namespace quorvex
