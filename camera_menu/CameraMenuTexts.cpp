// SPDX-License-Identifier: MIT
#include "camera_menu/CameraMenuTexts.h"

#include "card/RecordLayouts.h"

#include <algorithm>

namespace quorvex::camera_menu {

// As many modes as the model's record layout stores ("Camera+Video" not without a model).
OptionList captureModeOptions(int modelId) {
    const LayoutField* mode = findField(menuLayoutForModel(modelId), MenuField::Mode);
    return OptionList(kOptionsCaptureMode)
        .first(std::min(mode->options.size(), kOptionsCaptureMode.size()));
}

} // namespace quorvex::camera_menu
