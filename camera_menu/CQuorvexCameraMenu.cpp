// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexCameraMenu.h"

#include "camera_menu/CameraMenuTexts.h"
#include "ui/templates/CameraMenuTemplates.h"

#include <array>

namespace quorvex::camera_menu {

namespace {

constexpr std::array<LabelSpec, 36> kLabels{{
    {1004, &kLabelMode},       {1005, &kLabelImageSize},   {1006, &kLabelVideoSize},
    {1007, &kLabelPictureNo},  {1011, &kLabelTimeStamp},   {1010, &kLabelSensorLevel},
    {1012, &kLabelSidePir},    {1008, &kLabelVideoLength}, {1144, &kLabelSecond},
    {1009, &kLabelInterval},   {1018, &kLabelSetClock},    {1019, &kLabelTimer},
    {1041, &kLabelTimer2},     {1059, &kLabelStart},       {1061, &kLabelStart},
    {1060, &kLabelStop},       {1063, &kLabelStop},        {1118, &kLabelHour},
    {1119, &kLabelHour},       {1120, &kLabelHour},        {1121, &kLabelHour},
    {1126, &kLabelHour},       {1122, &kLabelMinute},      {1123, &kLabelMinute},
    {1124, &kLabelMinute},     {1125, &kLabelMinute},      {1127, &kLabelMinute},
    {1128, &kLabelSecond},     {1021, &kLabelSerialNo},    {1020, &kLabelTimeLapse},
    {1043, &kLabelDateFormat}, {1031, &kButtonGetTime},    {1057, &kButtonSelect},
    {1, &kButtonGenerate},     {1062, &kButtonDefault},    {2, &kButtonExit},
}};

constexpr std::array<NumberEdit, 13> kNumbers{{
    {1002, 10, Correction::VideoLength},
    {1003, 1, Correction::Interval},
    {1038, 0, Correction::Hour},
    {1039, 0, Correction::MinuteOrSecond},
    {1040, 0, Correction::MinuteOrSecond},
    {1017, 0, Correction::Hour},
    {1022, 0, Correction::MinuteOrSecond},
    {1023, 0, Correction::Hour},
    {1024, 0, Correction::MinuteOrSecond},
    {1042, 0, Correction::Hour},
    {1045, 0, Correction::MinuteOrSecond},
    {1046, 0, Correction::Hour},
    {1047, 0, Correction::MinuteOrSecond},
}};

constexpr std::array<ValidationStep, 15> kValidation{
    checkNumber(1002, 1, 60), checkNumber(1003, 0, 60), checkNumber(1039, 0, 59),
    checkNumber(1040, 0, 59), checkNumber(1038, 0, 23), checkNumber(1024, 0, 59),
    checkNumber(1023, 0, 23), checkNumber(1017, 0, 23), checkNumber(1022, 0, 59),
    checkText(kIdClockText),  checkFolder(kIdFolder),   checkNumber(1047, 0, 59),
    checkNumber(1046, 0, 23), checkNumber(1045, 0, 59), checkNumber(1042, 0, 23)};

constexpr std::array kTimer1Edits{1017, 1022, 1023, 1024};
constexpr std::array kTimer2Edits{1042, 1045, 1046, 1047};
constexpr std::array kTimeLapseEdits{1038, 1039, 1040};
constexpr std::array kSerialLists{1034, 1035, 1036, 1037};
constexpr std::array<SwitchRule, 4> kSwitches{{
    {1025, 0, kTimer1Edits},
    {1048, 0, kTimer2Edits},
    {1033, 1, kTimeLapseEdits}, // Time Lapse reads On, Off
    {1032, 0, kSerialLists, SwitchEffect::Disabled},
}};

constexpr std::array kValidatingLists{1013, 1014};

constexpr std::array<RecordSource, 30> kRecord{{
    {MenuField::Mode, 1013},
    {MenuField::ImageSize, 1014},
    {MenuField::VideoSize, 1015},
    {MenuField::PictureCount, 1016},
    {MenuField::VideoLength, 1002},
    {MenuField::TimeStamp, 1026},
    {MenuField::Interval, 1003},
    {MenuField::Sensitivity, 1027},
    {MenuField::Timer1, 1025},
    {MenuField::SidePir, 1028},
    {MenuField::TimeLapse, 1033},
    {MenuField::TimeLapseHours, 1038},
    {MenuField::TimeLapseMinutes, 1039},
    {MenuField::TimeLapseSeconds, 1040},
    {MenuField::Timer1StartHour, 1017},
    {MenuField::Timer1StartMinute, 1022},
    {MenuField::Timer1StopHour, 1023},
    {MenuField::Timer1StopMinute, 1024},
    {MenuField::SerialNumber, 1032},
    {MenuField::SerialChar1, 1034},
    {MenuField::SerialChar2, 1035},
    {MenuField::SerialChar3, 1036},
    {MenuField::SerialChar4, 1037},
    {MenuField::Timer2, 1048},
    {MenuField::Timer2StartHour, 1042},
    {MenuField::Timer2StartMinute, 1045},
    {MenuField::Timer2StopHour, 1046},
    {MenuField::Timer2StopMinute, 1047},
    {MenuField::SdCycle, 1052},
    {MenuField::DateFormat, 1044},
}};

constexpr std::array<ValueReset, 13> kFactoryValues{{
    {1038, 0},
    {1039, 0},
    {1040, 0},
    {1017, 0},
    {1022, 0},
    {1023, 0},
    {1024, 0},
    {1042, 0},
    {1045, 0},
    {1046, 0},
    {1047, 0},
    {1002, 10},
    {1003, 1},
}};

// The row of the SD cycle list is shown only for the 1080P models.
bool showsSdCycle(int modelId) {
    return modelId >= 15 && modelId <= 17;
}

// Without the SD cycle row the eight rows from "Video Size" to "Date Format" spread into its
// place and everything from the clock row down moves up.
std::vector<Move> closeSdCycleGap() {
    constexpr std::array<std::array<int, 3>, 8> kRows{{{1067, 1006, 1015},
                                                       {1068, 1007, 1016},
                                                       {1069, 1011, 1026},
                                                       {1070, 1010, 1027},
                                                       {1071, 1012, 1028},
                                                       {1072, 1008, 1002},
                                                       {1073, 1009, 1029},
                                                       {1075, 1043, 1044}}};
    constexpr std::array kLowerBlock{1082, 1018, 1030, 1031, // clock
                                     1084, 1019, 1025, 1059, 1017, 1118, 1154, 1022,
                                     1122, 1060, 1023, 1120, 1155, 1024, 1123, // timer 1
                                     1151, 1041, 1048, 1061, 1042, 1119, 1156, 1045,
                                     1124, 1063, 1046, 1121, 1157, 1047, 1125, // timer 2
                                     1152, 1021, 1032, 1034, 1035, 1036, 1037, // serial number
                                     1153, 1020, 1033, 1038, 1126, 1158, 1039, 1127,
                                     1159, 1040, 1128, // time lapse
                                     1057, 1064, 1,    1062, 2};
    std::vector<Move> moves;
    for (std::size_t n = 0; n < kRows.size(); ++n)
        for (int id : kRows[n])
            moves.push_back({id, 0, 4 * static_cast<int>(n + 1)});
    moves.push_back({1144, 0, 24}); // with the video-length row
    moves.push_back({1003, 0, 28}); // with the interval row
    for (int id : kLowerBlock)
        moves.push_back({id, 0, -10});
    return moves;
}

std::vector<ListSpec> lists(int modelId) {
    const SizeChoices images = genericImageSizes(modelId);
    const SizeChoices videos = genericVideoSizes(modelId);
    std::vector<ListSpec> all{
        {1013, genericCaptureModeOptions(modelId), {}, 0},
        {1014, {}, images.entries, static_cast<int>(images.defaultIndex)},
        {1015, {}, videos.entries, static_cast<int>(videos.defaultIndex)},
        {1016, kOptionsPictureCount, {}, 0},
        {1026, kOnOffReversed, {}, 0},
        {1027, kOptionsSensitivity, {}, 0},
        {1028, kOnOff, {}, 1},
        {1029, kOptionsIntervalUnit, {}, 1},
        {1052, kOnOff, {}, 0},
        {1025, kOnOff, {}, 0},
        {1048, kOnOff, {}, 0},
        {1032, kOnOff, {}, 0},
    };
    for (int id : kSerialLists)
        all.push_back({id, {}, kSerialCharacters, 0});
    all.push_back({1033, kOnOffReversed, {}, 1});
    all.push_back({1044, kOptionsDateFormat, {}, 1});
    return all;
}

FactoryRule factoryRule() {
    FactoryRule rule;
    rule.source =
        FactorySource::Form; // built like Generate's, so the clock bytes are the held ones
    rule.selections = {{1013, 0}, {1014, 1}, {1015, 1}, {1016, 0}, {1026, 0}, {1027, 0},
                       {1028, 1}, {1029, 1}, {1052, 0}, {1025, 0}, {1032, 0}, {1034, 0},
                       {1035, 0}, {1036, 0}, {1037, 0}, {1033, 1}, {1048, 0}, {1044, 1}};
    rule.values = kFactoryValues;
    rule.folderBeforeValidate = false;
    return rule;
}

CameraFormSpec genericSpec(int modelId) {
    CameraFormSpec spec;
    spec.className = "CQuorvexCameraMenu";
    spec.dialogTemplate = &ui::kCameraMenuTemplate;
    if (!showsSdCycle(modelId)) {
        spec.hidden = {1076, 1051, 1052};
        spec.moves = closeSdCycleGap();
    }
    spec.lists = lists(modelId);
    spec.labels.assign(kLabels.begin(), kLabels.end());
    if (showsSdCycle(modelId))
        spec.labels.push_back({1051, &kLabelSdCycle});
    spec.numbers = kNumbers;
    spec.validation = kValidation;
    spec.switches = kSwitches;
    spec.validatingLists = kValidatingLists;
    spec.layout = &menuLayoutForModel(isNamedGenericModel(modelId) ? modelId : 0);
    spec.record = kRecord;
    spec.factory = factoryRule();
    spec.messages = kCameraMenuMessages;
    return spec;
}

} // namespace

CQuorvexCameraMenu::CQuorvexCameraMenu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, genericSpec(context.state.modelId)) {}

} // namespace quorvex::camera_menu
