// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexP4Menu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "ui/templates/CameraMenuTemplates.h"

#include <array>

namespace quorvex::camera_menu {

namespace {

namespace ids = ui::camera_ids;

// The rows of the option grid, two to a line, spread into the place of the hidden "PIR DIR
// REC" row: line n moves down by 10 + 4n pixels.
constexpr std::array<ids::RowIds, 12> kGrid{
    ids::kModeRow,      ids::kImageSizeRow,   ids::kVideoSizeRow, ids::kPictureCountRow,
    ids::kTimeStampRow, ids::kSensitivityRow, ids::kSidePirRow,   ids::kVideoLengthRow,
    ids::kIntervalRow,  ids::kDateFormatRow,  ids::p4::kBeepRow,  ids::p4::kSdCycleRow};

// SD cycle keeps its selection through "Default"; side PIR goes to the model's own setting (the
// P8's is Off).
CameraFormSpec p4Spec(int modelId) {
    const ids::RowIds& pirDir = ids::p4::kPirDirRow;
    return p4Family(CQuorvexP4Menu::kClassName, ui::kP4MenuTemplate, modelId)
        .optionRow(ids::kSidePirRow, kLabelSidePir, kOnOff, 1, MenuField::SidePir)
        .factory(FactorySource::Pattern,
                 {{ids::kImageSizeRow.control, 0},
                  {ids::kVideoSizeRow.control, 1},
                  {ids::kSidePirRow.control, modelFacts(modelId).sidePirAfterDefault ? 1 : 0},
                  {ids::p4::kBeepRow.control, 1}},
                 {.interval = true, .timer2 = true})
        .hide({pirDir.frame, pirDir.label, pirDir.control})
        .moveRows(kGrid, [](int n) { return 10 + 4 * (n / 2); })
        .build();
}

} // namespace

CQuorvexP4Menu::CQuorvexP4Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, p4Spec(context.state.modelId)) {}

} // namespace quorvex::camera_menu
