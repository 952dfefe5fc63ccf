// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexP4Menu.h"

#include "camera_menu/CameraMenuTexts.h"
#include "ui/templates/CameraMenuTemplates.h"

#include <array>

namespace quorvex::camera_menu {

namespace {

constexpr std::array<LabelSpec, 38> kLabels{{
    {1004, &kLabelMode},      {1005, &kLabelImageSize},   {1006, &kLabelVideoSize},
    {1007, &kLabelPictureNo}, {1011, &kLabelTimeStamp},   {1010, &kLabelSensorLevel},
    {1012, &kLabelSidePir},   {1008, &kLabelVideoLength}, {1144, &kLabelSecond},
    {1009, &kLabelInterval},  {1043, &kLabelDateFormat},  {1041, &kLabelBeepSound},
    {1045, &kLabelSdCycle},   {1018, &kLabelSetClock},    {1019, &kLabelTimer},
    {1059, &kLabelStart},     {1118, &kLabelHour},        {1122, &kLabelMinute},
    {1060, &kLabelStop},      {1119, &kLabelHour},        {1123, &kLabelMinute},
    {1047, &kLabelTimer2},    {1061, &kLabelStart},       {1121, &kLabelHour},
    {1125, &kLabelMinute},    {1063, &kLabelStop},        {1120, &kLabelHour},
    {1124, &kLabelMinute},    {1021, &kLabelSerialNo},    {1020, &kLabelTimeLapse},
    {1126, &kLabelHour},      {1127, &kLabelMinute},      {1128, &kLabelSecond},
    {1031, &kButtonGetTime},  {1057, &kButtonSelect},     {1, &kButtonGenerate},
    {1062, &kButtonDefault},  {2, &kButtonExit},
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
    {1048, 0, Correction::Hour},
    {1049, 0, Correction::MinuteOrSecond},
    {1050, 0, Correction::Hour},
    {1051, 0, Correction::MinuteOrSecond},
}};

constexpr std::array<ValidationStep, 15> kValidation{
    checkNumber(1002, 1, 60), checkNumber(1003, 0, 60), checkNumber(1039, 0, 59),
    checkNumber(1040, 0, 59), checkNumber(1038, 0, 23), checkNumber(1024, 0, 59),
    checkNumber(1023, 0, 23), checkNumber(1017, 0, 23), checkNumber(1022, 0, 59),
    checkText(kIdClockText),  checkFolder(kIdFolder),   checkNumber(1051, 0, 59),
    checkNumber(1050, 0, 23), checkNumber(1048, 0, 23), checkNumber(1049, 0, 59)};

constexpr std::array kTimer1Edits{1017, 1022, 1023, 1024};
constexpr std::array kTimer2Edits{1048, 1049, 1050, 1051};
constexpr std::array kTimeLapseEdits{1038, 1039, 1040};
constexpr std::array kSerialLists{1034, 1035, 1036, 1037};
constexpr std::array<SwitchRule, 4> kSwitches{{
    {1025, 0, kTimer1Edits},
    {1052, 0, kTimer2Edits},
    {1033, 1, kTimeLapseEdits}, // Time Lapse reads On, Off
    {1032, 0, kSerialLists, SwitchEffect::Disabled},
}};

constexpr std::array kValidatingLists{1013, 1014};

constexpr std::array<RecordSource, 31> kRecord{{
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
    {MenuField::Beep, 1042},
    {MenuField::SdCycle, 1046},
    {MenuField::Timer2, 1052},
    {MenuField::Timer2StartHour, 1048},
    {MenuField::Timer2StartMinute, 1049},
    {MenuField::Timer2StopHour, 1050},
    {MenuField::Timer2StopMinute, 1051},
    {MenuField::DateFormat, 1044},
}};

constexpr std::array<ValueReset, 13> kFactoryValues{{
    {1003, 1},
    {1038, 0},
    {1039, 0},
    {1040, 0},
    {1017, 0},
    {1022, 0},
    {1023, 0},
    {1024, 0},
    {1002, 10},
    {1048, 0},
    {1049, 0},
    {1050, 0},
    {1051, 0},
}};

// The rows of the option grid, two to a line, spread into the place of the hidden "PIR DIR
// REC" row: line n moves down by 10 + 4n pixels.
std::vector<Move> spreadOptionGrid() {
    constexpr std::array<std::array<int, 3>, 12> kRows{{{1065, 1004, 1013},
                                                        {1066, 1005, 1014},
                                                        {1067, 1006, 1015},
                                                        {1068, 1007, 1016},
                                                        {1069, 1011, 1026},
                                                        {1070, 1010, 1027},
                                                        {1071, 1012, 1028},
                                                        {1072, 1008, 1002},
                                                        {1073, 1009, 1029},
                                                        {1075, 1043, 1044},
                                                        {1074, 1041, 1042},
                                                        {1076, 1045, 1046}}};
    std::vector<Move> moves;
    for (std::size_t i = 0; i < kRows.size(); ++i)
        for (int id : kRows[i])
            moves.push_back({id, 0, 10 + 4 * static_cast<int>(i / 2)});
    moves.push_back({1144, 0, 22}); // with the video-length row
    moves.push_back({1003, 0, 26}); // with the interval row
    return moves;
}

std::vector<ListSpec> lists() {
    std::vector<ListSpec> all{
        {1013, kOptionsCaptureMode, {}, 0},
        {1014, {}, kP4ImageSizes.entries, static_cast<int>(kP4ImageSizes.defaultIndex)},
        {1015, {}, kP4VideoSizes.entries, static_cast<int>(kP4VideoSizes.defaultIndex)},
        {1016, kOptionsPictureCount, {}, 0},
        {1026, kOnOffReversed, {}, 0},
        {1027, kOptionsSensitivity, {}, 0},
        {1028, kOnOff, {}, 1},
        {1029, kOptionsIntervalUnit, {}, 1},
        {1044, kOptionsDateFormat, {}, 1},
        {1042, kOnOff, {}, 1},
        {1046, kOnOff, {}, 0},
        {1025, kOnOff, {}, 0},
        {1052, kOnOff, {}, 0},
        {1032, kOnOff, {}, 0},
    };
    for (int id : kSerialLists)
        all.push_back({id, {}, kSerialCharacters, 0});
    all.push_back({1033, kOnOffReversed, {}, 1});
    return all;
}

// SD cycle (1046) keeps its selection; the P8 resets side PIR to Off, the others to On.
FactoryRule factoryRule(int modelId) {
    FactoryRule rule;
    rule.source = FactorySource::Pattern;
    rule.selections = {{1013, 0},
                       {1014, 0},
                       {1016, 0},
                       {1015, 1},
                       {1026, 0},
                       {1027, 0},
                       {1028, modelId == 10 ? 0 : 1},
                       {1029, 1},
                       {1025, 0},
                       {1032, 0},
                       {1034, 0},
                       {1035, 0},
                       {1036, 0},
                       {1037, 0},
                       {1033, 1},
                       {1044, 1},
                       {1042, 1},
                       {1052, 0}};
    rule.values = kFactoryValues;
    rule.folderBeforeValidate = true;
    return rule;
}

const RecordLayout& p4Layout() {
    for (const RecordLayout* layout : allMenuLayouts())
        if (layout->id == MenuLayoutId::P4)
            return *layout;
    return menuLayoutForModel(4);
}

CameraFormSpec p4Spec(int modelId) {
    CameraFormSpec spec;
    spec.className = "CQuorvexP4Menu";
    spec.dialogTemplate = &ui::kP4MenuTemplate;
    spec.hidden = {1077, 1053, 1054};
    spec.moves = spreadOptionGrid();
    spec.lists = lists();
    spec.labels.assign(kLabels.begin(), kLabels.end());
    spec.numbers = kNumbers;
    spec.validation = kValidation;
    spec.switches = kSwitches;
    spec.validatingLists = kValidatingLists;
    spec.layout = &p4Layout();
    spec.record = kRecord;
    spec.factory = factoryRule(modelId);
    spec.messages = kP4MenuMessages;
    return spec;
}

} // namespace

CQuorvexP4Menu::CQuorvexP4Menu(AppContext& context, ClockFields& clock)
    : CameraMenuForm(context, clock, p4Spec(context.state.modelId)) {}

} // namespace quorvex::camera_menu
