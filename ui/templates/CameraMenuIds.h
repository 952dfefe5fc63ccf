// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

#include <array>

// Control ids of the camera menu templates (129, 140, 148, 157), shared by the templates and the
// forms. Most ids mean the same in every camera template; where a family gives an id another
// meaning (1048 is timer 2's switch in the generic family and an hour edit in the P4 family),
// the id lives in that family's namespace.
namespace quorvex::ui::camera_ids {

// An option row: frame, label, control, and a control that moves with the row (the video
// length's unit label, the interval's value edit).
struct RowIds {
    int frame, label, control, companion = 0;
};
inline constexpr RowIds kModeRow{1065, 1004, 1013};
inline constexpr RowIds kImageSizeRow{1066, 1005, 1014};
inline constexpr RowIds kVideoSizeRow{1067, 1006, 1015};
inline constexpr RowIds kPictureCountRow{1068, 1007, 1016};
inline constexpr RowIds kTimeStampRow{1069, 1011, 1026};
inline constexpr RowIds kSensitivityRow{1070, 1010, 1027};
inline constexpr RowIds kSidePirRow{1071, 1012, 1028};
inline constexpr RowIds kVideoLengthRow{1072, 1008, 1002, 1144}; // seconds edit, unit label
inline constexpr RowIds kIntervalRow{1073, 1009, 1029, 1003};    // unit list, value edit
inline constexpr RowIds kDateFormatRow{1075, 1043, 1044};
inline constexpr int kUnitSecond = 0; // interval unit list positions
inline constexpr int kUnitMinute = 1;

// The clock row: frame, label, the read-only clock text and "Get Time".
struct ClockIds {
    int frame, label, text, getTime;
};
inline constexpr ClockIds kClock{1082, 1018, 1030, 1031};

// A timer: its switch, then start and stop each as hour : minute.
struct TimerIds {
    int frame, label, list;
    int startLabel, startHour, startHourLabel, startColon, startMinute, startMinuteLabel;
    int stopLabel, stopHour, stopHourLabel, stopColon, stopMinute, stopMinuteLabel;
};
inline constexpr TimerIds kTimer1{1084, 1019, 1025, 1059, 1017, 1118, 1154, 1022,
                                  1122, 1060, 1023, 1120, 1155, 1024, 1123};

// Serial number: switch and four character lists, left to right.
struct SerialIds {
    int frame, label, list;
    std::array<int, 4> characters;
};
inline constexpr SerialIds kSerial{1152, 1021, 1032, {1034, 1035, 1036, 1037}};

// Time lapse: switch (On, Off) and hours, minutes, seconds with their labels.
struct TimeLapseIds {
    int frame, label, list;
    int hours, hoursLabel, colon1, minutes, minutesLabel, colon2, seconds, secondsLabel;
};
inline constexpr TimeLapseIds kTimeLapse{1153, 1020, 1033, 1038, 1126, 1158,
                                         1039, 1127, 1159, 1040, 1128};

// The folder row ("Select" and the folder text, at most 80 characters) and "Default".
struct FolderIds {
    int select, folder, limit;
};
inline constexpr FolderIds kFolderRow{1057, 1064, 80};
inline constexpr int kDefault = 1062;

// Generic (129) and K7 (148): timer 2 in 1042-1048, an optional SD cycle row at the bottom.
namespace generic {
inline constexpr TimerIds kTimer2{1151, 1041, 1048, 1061, 1042, 1119, 1156, 1045,
                                  1124, 1063, 1046, 1121, 1157, 1047, 1125};
inline constexpr RowIds kSdCycleRow{1076, 1051, 1052};
} // namespace generic

// P4 (140) and P7 (157): beep and SD cycle rows, timer 2 in 1047-1052, and the labels of the
// timers' hour and minute columns in another order.
namespace p4 {
inline constexpr TimerIds kTimer1{1084, 1019, 1025, 1059, 1017, 1118, 1154, 1022,
                                  1122, 1060, 1023, 1119, 1155, 1024, 1123};
inline constexpr TimerIds kTimer2{1151, 1047, 1052, 1061, 1048, 1121, 1156, 1049,
                                  1125, 1063, 1050, 1120, 1157, 1051, 1124};
inline constexpr RowIds kBeepRow{1074, 1041, 1042};
inline constexpr RowIds kSdCycleRow{1076, 1045, 1046};
inline constexpr RowIds kPirDirRow{1077, 1053, 1054}; // hidden by the P4 form
} // namespace p4

// K9 (149): two columns with SD cycle and side PIR rows of their own ids, and the coordinate
// block (column heads, a longitude and a latitude row).
namespace k9 {
inline constexpr RowIds kSdCycleRow{kUnnamed, 1050, 1081};
inline constexpr RowIds kSidePirRow{kUnnamed, 1136, 1028};
// One coordinate row: its label, direction list and degrees, minutes and seconds edits.
struct CoordinateIds {
    int label, direction, degrees, minutes, seconds;
};
inline constexpr CoordinateIds kLongitude{1054, 1055, 1056, 1058, 1071};
inline constexpr CoordinateIds kLatitude{1012, 1049, 1051, 1052, 1053};
// The block's title and its column heads.
struct CoordinateHeads {
    int title, direction, degree, minute, second;
};
inline constexpr CoordinateHeads kCoordinateHeads{1080, 1076, 1077, 1078, 1079};
} // namespace k9

// D2 (163): the K7 column with a wireless code row: its switch and a four-digit code edit.
namespace d2 {
struct WirelessIds {
    int label, list, code, limit;
};
inline constexpr WirelessIds kWireless{1012, 1049, 1028, 4};
} // namespace d2

} // namespace quorvex::ui::camera_ids
