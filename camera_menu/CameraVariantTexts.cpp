// SPDX-License-Identifier: MIT
#include "camera_menu/CameraVariantTexts.h"

namespace quorvex::camera_menu {

SizeChoices k9ImageSizes(int modelId) {
    const std::span<const std::string_view> all = kImageSizes5MpFirst;
    return {modelId == 13 ? all : all.first(2), 1};
}

} // namespace quorvex::camera_menu
