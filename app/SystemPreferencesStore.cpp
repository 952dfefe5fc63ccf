// SPDX-License-Identifier: MIT
#include "app/SystemPreferencesStore.h"

#include "app/FilePreferencesStore.h"
#include "core/SystemText.h"

#ifdef _WIN32
#include "app/RegistryPreferencesStore.h"
#endif

namespace quorvex {

std::unique_ptr<PreferencesStore> systemPreferencesStore(LanguageId systemDefaultLanguage) {
#ifdef _WIN32
    if (!environmentVariable("QUORVEX_PREFERENCES"))
        return std::make_unique<RegistryPreferencesStore>(systemDefaultLanguage);
#endif
    return std::make_unique<FilePreferencesStore>(FilePreferencesStore::defaultPath(),
                                                  systemDefaultLanguage);
}

} // namespace quorvex
