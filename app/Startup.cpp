// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include "app/SystemLanguage.h"

namespace quorvex {

void startUp(AppState& state, PreferencesStore& store, std::uint16_t systemLanguageId) {
    state.systemIsChinese = systemLanguageId == kLangIdChinesePrc;
    const LanguageId systemDefault = languageForSystemId(systemLanguageId);

    // The language is written at start only when the store had to be created.
    std::uint16_t language = 0;
    if (store.readLanguage(language)) {
        state.languageId = language;
    } else {
        state.languageId = systemDefault;
        store.writeLanguage(static_cast<std::uint16_t>(systemDefault));
    }

    // Chinese on a non-Chinese system: English texts, Chinese camera; the store keeps 1.
    state.chineseCameraEnglishUi = false;
    if (!state.systemIsChinese && state.languageId == kChinese) {
        state.languageId = kEnglish;
        state.chineseCameraEnglishUi = true;
    }

    std::uint16_t model = 1;
    if (!store.readModel(model))
        store.writeModel(1);
    state.modelId = model;

    // 1 survives only when the store cannot be opened at all.
    std::uint16_t tvMode = 1;
    if (!store.readTvMode(tvMode))
        store.writeTvMode(0);
    state.tvMode = tvMode;

    if (!store.companyReadable())
        store.writeCompany();
}

} // namespace quorvex
