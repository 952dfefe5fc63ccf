// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexK7Menu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "ui/templates/CameraMenuTemplates.h"

namespace quorvex::camera_menu {

namespace ids = ui::camera_ids;

// "Default" selects the first image and video size, keeps the interval value and timer 2's
// times, and writes the fixed reset pattern.
CQuorvexK7Menu::CQuorvexK7Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(
          context, clock,
          genericFamily(kClassName, ui::kK7MenuTemplate, context.state.modelId)
              .factory(FactorySource::Pattern,
                       {{ids::kImageSizeRow.control, 0}, {ids::kVideoSizeRow.control, 0}}, {})
              .build()) {}

} // namespace quorvex::camera_menu
