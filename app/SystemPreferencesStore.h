// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"
#include "core/PreferencesStore.h"

#include <memory>

namespace quorvex {

// The preferences store of this platform: the registry on Windows, a small file elsewhere. A file
// named by QUORVEX_PREFERENCES takes the registry's place on Windows too (portable use, tests).
std::unique_ptr<PreferencesStore> systemPreferencesStore(LanguageId systemDefaultLanguage);

} // namespace quorvex
