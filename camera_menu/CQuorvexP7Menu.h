// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"

namespace quorvex::camera_menu {

// Camera menu of the P7 (ModelId 8): dialog template 157. The P4 form without side PIR and the
// hidden row; byte 9 is always 0.
class CQuorvexP7Menu final : public CameraMenuForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexP7Menu";
    CQuorvexP7Menu(AppContext& context, ClockFields& clock);
};

} // namespace quorvex::camera_menu
