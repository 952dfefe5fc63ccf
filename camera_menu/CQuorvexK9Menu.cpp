// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexK9Menu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "camera_menu/CameraVariantTexts.h"
#include "ui/templates/CameraMenuTemplates.h"

namespace quorvex::camera_menu {

namespace {

namespace ids = ui::camera_ids;

// Video length and the interval unit always show the held values again; Generate writes into
// the folder the edit shows; "Default" leaves SD cycle and the position alone.
CameraFormSpec k9Spec(int modelId) {
    const ModelFacts& model = modelFacts(modelId);
    return CameraFormBuilder(CQuorvexK9Menu::kClassName, ui::kK9MenuTemplate,
                             menuLayout(model.layout), kCameraMenuMessages)
        .captureRows(kOptionsCaptureMode, model.sizes)
        .optionRow(ids::k9::kSdCycleRow, kLabelSdCycle, kOnOff, 0, MenuField::SdCycle)
        .optionRow(ids::k9::kSidePirRow, kLabelSidePir, kOnOff, 1, MenuField::SidePir)
        .coordinates()
        .commonGroups(ids::kTimer1, ids::generic::kTimer2, kGenericTimer2Order, kLabelTimer1,
                      /*plainDateFormats=*/true)
        .alwaysRefresh({ids::kVideoLengthRow.control, ids::kIntervalRow.control})
        .factory(FactorySource::Pattern,
                 {{ids::kImageSizeRow.control, 1},
                  {ids::kVideoSizeRow.control, 1},
                  {ids::k9::kSidePirRow.control, 1}},
                 {.interval = true, .timer2 = true})
        .build();
}

} // namespace

CQuorvexK9Menu::CQuorvexK9Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, k9Spec(context.state.modelId)) {}

} // namespace quorvex::camera_menu
