// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvex {

inline constexpr std::uint16_t kLangIdChinesePrc = 2052;
inline constexpr std::uint16_t kLangIdGermanLiechtenstein = 5127;
inline constexpr std::uint16_t kLangIdEnglishUs = 1033;

// The system default language id: QUORVEX_SYSTEM_LANGID when set, else the operating system's
// (on POSIX systems from LC_ALL, LC_MESSAGES, LANG in that order).
std::uint16_t systemDefaultLanguageId();

// A POSIX locale name such as "de_LI.UTF-8" as a Windows language id, when known.
std::optional<std::uint16_t> languageIdForLocale(std::string_view locale);

// 2052 gives Chinese, 5127 (German - Liechtenstein, not 1031) German, anything else English.
LanguageId languageForSystemId(std::uint16_t systemId);

} // namespace quorvex
