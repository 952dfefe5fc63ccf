// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"

namespace quorvex::camera_menu {

// Camera menu of the models without a form of their own (K4, K5, the 1080P models and any
// ModelId outside the model list): dialog template 129.
class CQuorvexCameraMenu final : public CameraMenuForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexCameraMenu";
    CQuorvexCameraMenu(AppContext& context, ClockFields& clock);
};

} // namespace quorvex::camera_menu
