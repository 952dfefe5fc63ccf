// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

#include <cstdint>

namespace quorvex {

// What the MMS forms leave behind for the rest of the run: the numbering plan and the country and
// operator bytes of the last setup.dat header. Creating an MMS form sets the numbering back to
// domestic.
struct MessagingState {
    bool internationalNumbering = false;
    int countryByte = 0;
    int operatorByte = 0;
};

// The current selections every window reads. Owned by the program and passed down.
struct AppState {
    LanguageId languageId = kEnglish;
    int modelId = 1;
    std::uint16_t tvMode = 0;
    bool systemIsChinese = false;
    // Chinese chosen on a non-Chinese system: English texts, but the camera receives language 1.
    bool chineseCameraEnglishUi = false;
    MessagingState messaging;

    // The language byte written to the camera.
    LanguageId cameraLanguage() const { return chineseCameraEnglishUi ? kChinese : languageId; }
};

} // namespace quorvex
