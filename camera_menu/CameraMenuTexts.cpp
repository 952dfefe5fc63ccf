// SPDX-License-Identifier: MIT
#include "camera_menu/CameraMenuTexts.h"

namespace quorvex::camera_menu {

OptionList captureModeOptions(int modelId) {
    return modelFacts(modelId).allModes ? OptionList(kOptionsCaptureMode)
                                        : OptionList(kOptionsCaptureMode).first(2);
}

} // namespace quorvex::camera_menu
