// SPDX-License-Identifier: MIT
#include "camera_menu/CameraMenuTexts.h"

namespace quorvex::camera_menu {
namespace {

bool isFullHdModel(int modelId) {
    return modelId >= 15 && modelId <= 17;
}

} // namespace

bool isNamedGenericModel(int modelId) {
    switch (modelId) {
    case 1:
    case 3:
    case 5:
    case 15:
    case 16:
    case 17:
        return true;
    default:
        return false;
    }
}

OptionList genericCaptureModeOptions(int modelId) {
    return isNamedGenericModel(modelId) ? OptionList(kOptionsCaptureMode)
                                        : OptionList(kOptionsCaptureMode).first(2);
}

SizeChoices genericImageSizes(int modelId) {
    if (modelId == 5)
        return {kImageSizes12MpFirst, 0};
    if (modelId == 1 || modelId == 3)
        return {kImageSizes5MpFirst, 0};
    return {kImageSizes5MpFirst, 1};
}

SizeChoices genericVideoSizes(int modelId) {
    if (modelId == 5)
        return {kVideoSizesHd, 0};
    if (isFullHdModel(modelId))
        return {kVideoSizesFullHd, 1};
    return {kVideoSizesVga, 0};
}

std::string_view modelTitle(int modelId) {
    static constexpr std::array<std::string_view, 18> kTitles{
        "Quorvex",          "Quorvex K4",       "Quorvex P4",      "Quorvex K4", "Quorvex P4",
        "Quorvex K5",       "Quorvex K7",       "Quorvex P5",      "Quorvex P7", "Quorvex K8",
        "Quorvex P8",       "Quorvex K9",       "Quorvex K9",      "Quorvex K9", "Quorvex D2",
        "Quorvex K4 1080P", "Quorvex K5 1080P", "Quorvex K8 1080P"};
    // The generic form also opens for ids outside the model list; they get the bare title
    // rather than a read past the table.
    if (modelId < 0 || modelId >= static_cast<int>(kTitles.size()))
        return kTitles[0];
    return kTitles[static_cast<std::size_t>(modelId)];
}

} // namespace quorvex::camera_menu
