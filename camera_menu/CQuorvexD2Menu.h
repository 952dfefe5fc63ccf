// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"

namespace quorvex::camera_menu {

// Camera menu of the D2 (ModelId 14): dialog template 163. The K7 fields with a wireless pairing
// code, stored as four digit bytes and a switch.
class CQuorvexD2Menu final : public CameraMenuForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexD2Menu";
    CQuorvexD2Menu(AppContext& context, ClockFields& clock);
};

} // namespace quorvex::camera_menu
