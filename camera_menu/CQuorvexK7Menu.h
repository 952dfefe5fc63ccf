// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"

namespace quorvex::camera_menu {

// Camera menu of the K7 and K8 (ModelIds 6, 9): dialog template 148. The generic form's timer 2
// without side PIR or SD cycle; byte 9 is always 1, and "Default" writes the reset pattern.
class CQuorvexK7Menu final : public CameraMenuForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexK7Menu";
    CQuorvexK7Menu(AppContext& context, ClockFields& clock);
};

} // namespace quorvex::camera_menu
