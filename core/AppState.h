// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

#include <cstdint>

namespace quorvex {

// The current selections every window reads. Owned by the program and passed down.
struct AppState {
    LanguageId languageId = kEnglish;
    int modelId = 1;
    std::uint16_t tvMode = 0;
    bool systemIsChinese = false;
    // Chinese chosen on a non-Chinese system: English texts, but the camera receives language 1.
    bool chineseCameraEnglishUi = false;

    // The language byte written to the camera.
    LanguageId cameraLanguage() const { return chineseCameraEnglishUi ? kChinese : languageId; }
};

} // namespace quorvex
