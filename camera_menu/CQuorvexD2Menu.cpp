// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexD2Menu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "camera_menu/CameraVariantTexts.h"
#include "ui/templates/CameraMenuTemplates.h"

namespace quorvex::camera_menu {

namespace {

namespace ids = ui::camera_ids;

// The code a D2 pairs with out of the box, shown at opening and after "Default".
constexpr std::string_view kDefaultCode = "1234";

// "Default" types its values into the edits one by one, so each sets off its own reaction; the
// time edits in this order, then the code, the interval and the video length.
std::vector<ControlText> typedByDefault() {
    const ids::TimeLapseIds& lapse = ids::kTimeLapse;
    const ids::TimerIds& t1 = ids::kTimer1;
    const ids::TimerIds& t2 = ids::generic::kTimer2;
    std::vector<ControlText> typed;
    for (int id :
         {lapse.hours, lapse.minutes, lapse.seconds, t1.startHour, t1.startMinute, t1.stopHour,
          t1.stopMinute, t2.startHour, t2.startMinute, t2.stopHour, t2.stopMinute})
        typed.push_back({id, "0"});
    typed.push_back({ids::d2::kWireless.code, kDefaultCode});
    typed.push_back({ids::kIntervalRow.companion, "1"});
    typed.push_back({ids::kVideoLengthRow.control, "10"});
    return typed;
}

} // namespace

CQuorvexD2Menu::CQuorvexD2Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(
          context, clock,
          genericFamily(kClassName, ui::kD2MenuTemplate, context.state.modelId, kLabelTimer1)
              .wirelessCode(kDefaultCode)
              .factory(FactorySource::Pattern,
                       {{ids::kImageSizeRow.control, 1}, {ids::kVideoSizeRow.control, 0}}, {})
              .factoryTyped(typedByDefault())
              .build()) {}

} // namespace quorvex::camera_menu
