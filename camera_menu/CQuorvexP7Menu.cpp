// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexP7Menu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "ui/templates/CameraMenuTemplates.h"

namespace quorvex::camera_menu {

namespace {

namespace ids = ui::camera_ids;

// "Default" selects video size "1440x1080" although the form opens on "1280x720", and keeps
// beep, SD cycle, the interval value and timer 2's times.
CameraFormSpec p7Spec() {
    return CameraFormBuilder("CQuorvexP7Menu", ui::kP7MenuTemplate, menuLayout(MenuLayoutId::P7),
                             kP4MenuMessages)
        .captureRows(kOptionsCaptureMode, kP4ImageSizes, kP4VideoSizes, 0, 0)
        .optionRow(ids::p4::kBeepRow, kLabelBeepSound, kOnOff, 1, MenuField::Beep)
        .optionRow(ids::p4::kSdCycleRow, kLabelSdCycle, kOnOff, 0, MenuField::SdCycle)
        .commonGroups(ids::p4::kTimer1, ids::p4::kTimer2, kP4Timer2Order)
        .factory(FactorySource::Pattern, {}, {})
        .build();
}

} // namespace

CQuorvexP7Menu::CQuorvexP7Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, p7Spec()) {}

} // namespace quorvex::camera_menu
