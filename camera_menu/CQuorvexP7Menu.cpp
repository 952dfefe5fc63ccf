// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexP7Menu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "ui/templates/CameraMenuTemplates.h"

namespace quorvex::camera_menu {

using ui::camera_ids::kImageSizeRow;
using ui::camera_ids::kVideoSizeRow;

// "Default" selects video size "1440x1080" although the form opens on "1280x720", and keeps
// beep, SD cycle, the interval value and timer 2's times.
CQuorvexP7Menu::CQuorvexP7Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock,
                     p4Family(kClassName, ui::kP7MenuTemplate, context.state.modelId)
                         .factory(FactorySource::Pattern,
                                  {{kImageSizeRow.control, 0}, {kVideoSizeRow.control, 0}}, {})
                         .build()) {}

} // namespace quorvex::camera_menu
