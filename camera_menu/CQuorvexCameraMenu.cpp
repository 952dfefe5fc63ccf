// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexCameraMenu.h"

#include "camera_menu/CameraFormBuilder.h"
#include "ui/templates/CameraMenuTemplates.h"

#include <array>

namespace quorvex::camera_menu {

namespace {

namespace ids = ui::camera_ids;

// The row of the SD cycle list is shown only for the models whose record has the byte (1080P).
bool showsSdCycle(int modelId) {
    return findField(menuLayoutForModel(modelId), MenuField::SdCycle) != nullptr;
}

// Without the SD cycle row the eight rows from "Video Size" to "Date Format" spread into its
// place (row n down by 4n) and everything from the clock row down moves up.
constexpr std::array<ids::RowIds, 8> kSpreadRows{
    ids::kVideoSizeRow, ids::kPictureCountRow, ids::kTimeStampRow, ids::kSensitivityRow,
    ids::kSidePirRow,   ids::kVideoLengthRow,  ids::kIntervalRow,  ids::kDateFormatRow};
constexpr std::array kLowerBlock{1082, 1018, 1030, 1031, // clock
                                 1084, 1019, 1025, 1059, 1017, 1118,
                                 1154, 1022, 1122, 1060, 1023, 1120,
                                 1155, 1024, 1123, // timer 1
                                 1151, 1041, 1048, 1061, 1042, 1119,
                                 1156, 1045, 1124, 1063, 1046, 1121,
                                 1157, 1047, 1125, // timer 2
                                 1152, 1021, 1032, 1034, 1035, 1036,
                                 1037, // serial number
                                 1153, 1020, 1033, 1038, 1126, 1158,
                                 1039, 1127, 1159, 1040, 1128, // time lapse
                                 1057, 1064, 1,    1062, 2,    ui::kIdLoadFromCard};

CameraFormSpec genericSpec(int modelId) {
    // A model with a form of its own is served like no model at all.
    if (modelFacts(modelId).camera != CameraForm::Generic)
        modelId = 0;
    const ids::RowIds& sdCycle = ids::generic::kSdCycleRow;
    CameraFormBuilder form =
        genericFamily(CQuorvexCameraMenu::kClassName, ui::kCameraMenuTemplate, modelId);
    form.optionRow(ids::kSidePirRow, kLabelSidePir, kOnOff, 1, MenuField::SidePir)
        .optionRow(sdCycle, kLabelSdCycle, kOnOff, 0, MenuField::SdCycle)
        // Built like Generate's record, so the clock bytes are the held ones.
        .factory(FactorySource::Form,
                 {{ids::kImageSizeRow.control, 1},
                  {ids::kVideoSizeRow.control, 1},
                  {ids::kSidePirRow.control, 1},
                  {sdCycle.control, 0}},
                 {.interval = true, .timer2 = true});
    if (!showsSdCycle(modelId)) {
        std::vector<Move> up;
        for (int id : kLowerBlock)
            up.push_back({id, 0, -10});
        form.hide({sdCycle.frame, sdCycle.label, sdCycle.control})
            .moveRows(kSpreadRows, [](int n) { return 4 * (n + 1); })
            .moves(std::move(up));
    }
    return form.build();
}

} // namespace

CQuorvexCameraMenu::CQuorvexCameraMenu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, genericSpec(context.state.modelId)) {}

} // namespace quorvex::camera_menu
