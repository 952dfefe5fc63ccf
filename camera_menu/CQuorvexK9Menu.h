// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"

namespace quorvex::camera_menu {

// Camera menu of the K9 models (ModelIds 11, 12, 13): dialog template 149. The generic family
// with the camera's position, SD cycle and side PIR (copied to byte 51).
class CQuorvexK9Menu final : public CameraMenuForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexK9Menu";
    CQuorvexK9Menu(AppContext& context, ClockFields& clock);
};

} // namespace quorvex::camera_menu
