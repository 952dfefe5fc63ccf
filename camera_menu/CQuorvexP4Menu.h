// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"

namespace quorvex::camera_menu {

// Camera menu of the P4, P5 and P8 (ModelIds 2, 4, 7, 10): dialog template 140. Beep, SD cycle
// and timer 2 go to bytes 31-37; "Default" writes the fixed reset pattern.
class CQuorvexP4Menu final : public CameraMenuForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexP4Menu";
    CQuorvexP4Menu(AppContext& context, ClockFields& clock);
};

} // namespace quorvex::camera_menu
