// SPDX-License-Identifier: MIT
#include "tools/forms/RegisterForms.h"

#include "camera_menu/CQuorvexCameraMenu.h"
#include "camera_menu/CQuorvexP4Menu.h"

#include <memory>

namespace quorvex {

void registerForms(FormRegistry& registry) {
    // The last clock reading, shared by every camera form for as long as the registry lives.
    auto clock = std::make_shared<camera_menu::ClockFields>();
    registry.add("CQuorvexCameraMenu", [clock](AppContext& context) {
        return std::make_unique<camera_menu::CQuorvexCameraMenu>(context, *clock);
    });
    registry.add("CQuorvexP4Menu", [clock](AppContext& context) {
        return std::make_unique<camera_menu::CQuorvexP4Menu>(context, *clock);
    });
}

} // namespace quorvex
