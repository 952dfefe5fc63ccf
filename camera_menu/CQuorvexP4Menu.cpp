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
std::vector<Move> spreadOptionGrid() {
    constexpr std::array<ids::RowIds, 12> kRows{
        ids::kModeRow,
        ids::kImageSizeRow,
        ids::kVideoSizeRow,
        ids::kPictureCountRow,
        ids::kTimeStampRow,
        ids::kSensitivityRow,
        ids::kSidePirRow,
        {ids::kVideoLengthFrame, ids::kVideoLengthLabel, ids::kVideoLength},
        {ids::kIntervalFrame, ids::kIntervalLabel, ids::kIntervalUnit},
        ids::kDateFormatRow,
        ids::p4::kBeepRow,
        ids::p4::kSdCycleRow};
    std::vector<Move> moves;
    for (std::size_t i = 0; i < kRows.size(); ++i)
        for (int id : {kRows[i].frame, kRows[i].label, kRows[i].control})
            moves.push_back({id, 0, 10 + 4 * static_cast<int>(i / 2)});
    moves.push_back({ids::kVideoLengthUnit, 0, 22}); // with the video-length row
    moves.push_back({ids::kIntervalValue, 0, 26});   // with the interval row
    return moves;
}

CameraFormSpec p4Spec(int modelId) {
    const ids::RowIds& pirDir = ids::p4::kPirDirRow;
    // SD cycle keeps its selection through "Default"; the P8 resets side PIR to Off, the
    // others to On.
    return CameraFormBuilder("CQuorvexP4Menu", ui::kP4MenuTemplate, menuLayout(MenuLayoutId::P4),
                             kP4MenuMessages)
        .captureRows(kOptionsCaptureMode, kP4ImageSizes, kP4VideoSizes, 0, 1)
        .optionRow(ids::kSidePirRow, kLabelSidePir, kOnOff, 1, MenuField::SidePir)
        .optionRow(ids::p4::kBeepRow, kLabelBeepSound, kOnOff, 1, MenuField::Beep)
        .optionRow(ids::p4::kSdCycleRow, kLabelSdCycle, kOnOff, 0, MenuField::SdCycle)
        .commonGroups(ids::p4::kTimer1, ids::p4::kTimer2, kP4Timer2Order)
        .factory(
            FactorySource::Pattern,
            {{ids::kSidePirRow.control, modelId == 10 ? 0 : 1}, {ids::p4::kBeepRow.control, 1}},
            {.interval = true, .timer2 = true})
        .hide({pirDir.frame, pirDir.label, pirDir.control})
        .moves(spreadOptionGrid())
        .build();
}

} // namespace

CQuorvexP4Menu::CQuorvexP4Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, p4Spec(context.state.modelId)) {}

} // namespace quorvex::camera_menu
