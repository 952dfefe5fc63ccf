// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexK7Menu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "camera_menu/CameraVariantTexts.h"
#include "ui/templates/CameraMenuTemplates.h"

namespace quorvex::camera_menu {

namespace {

namespace ids = ui::camera_ids;

// "Default" keeps the interval value and timer 2's times and writes the fixed reset pattern.
CameraFormSpec k7Spec() {
    return CameraFormBuilder("CQuorvexK7Menu", ui::kK7MenuTemplate, menuLayout(MenuLayoutId::K7),
                             kCameraMenuMessages)
        .captureRows(kOptionsCaptureMode, kK7ImageSizes, kK7VideoSizes, 0, 0)
        .commonGroups(ids::kTimer1, ids::generic::kTimer2, kGenericTimer2Order)
        .factory(FactorySource::Pattern, {}, {})
        .build();
}

} // namespace

CQuorvexK7Menu::CQuorvexK7Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, k7Spec()) {}

} // namespace quorvex::camera_menu
