// SPDX-License-Identifier: MIT
#pragma once

// Control ids of the camera menu templates (129, 140, 148, 157), shared by the templates and the
// forms. Most ids mean the same in every camera template; where a family gives an id another
// meaning (1048 is timer 2's switch in the generic family and an hour edit in the P4 family),
// the id lives in that family's namespace.
namespace quorvex::ui::camera_ids {

// Option rows: frame, label, control.
struct RowIds {
    int frame, label, control;
};
inline constexpr RowIds kModeRow{1065, 1004, 1013};
inline constexpr RowIds kImageSizeRow{1066, 1005, 1014};
inline constexpr RowIds kVideoSizeRow{1067, 1006, 1015};
inline constexpr RowIds kPictureCountRow{1068, 1007, 1016};
inline constexpr RowIds kTimeStampRow{1069, 1011, 1026};
inline constexpr RowIds kSensitivityRow{1070, 1010, 1027};
inline constexpr RowIds kSidePirRow{1071, 1012, 1028};
inline constexpr RowIds kDateFormatRow{1075, 1043, 1044};

// The video-length row: frame, label, seconds edit and its unit label.
inline constexpr int kVideoLengthFrame = 1072;
inline constexpr int kVideoLengthLabel = 1008;
inline constexpr int kVideoLength = 1002;
inline constexpr int kVideoLengthUnit = 1144;
// The interval row: frame, label, unit list (0 second, 1 minute) and value edit.
inline constexpr int kIntervalFrame = 1073;
inline constexpr int kIntervalLabel = 1009;
inline constexpr int kIntervalUnit = 1029;
inline constexpr int kIntervalValue = 1003;
inline constexpr int kUnitMinute = 1;

// Clock row.
inline constexpr int kClockFrame = 1082;
inline constexpr int kClockLabel = 1018;
inline constexpr int kClockText = 1030;
inline constexpr int kGetTime = 1031;

// A timer: its switch, then start and stop each as hour : minute.
struct TimerIds {
    int frame, label, list;
    int startLabel, startHour, startHourLabel, startColon, startMinute, startMinuteLabel;
    int stopLabel, stopHour, stopHourLabel, stopColon, stopMinute, stopMinuteLabel;
};
inline constexpr TimerIds kTimer1{1084, 1019, 1025, 1059, 1017, 1118, 1154, 1022,
                                  1122, 1060, 1023, 1120, 1155, 1024, 1123};

// Serial number: switch and four character lists, left to right.
inline constexpr int kSerialFrame = 1152;
inline constexpr int kSerialLabel = 1021;
inline constexpr int kSerialSwitch = 1032;
inline constexpr int kSerialChars[4] = {1034, 1035, 1036, 1037};

// Time lapse: switch (On, Off) and hours, minutes, seconds with their labels.
struct TimeLapseIds {
    int frame, label, list;
    int hours, hoursLabel, colon1, minutes, minutesLabel, colon2, seconds, secondsLabel;
};
inline constexpr TimeLapseIds kTimeLapse{1153, 1020, 1033, 1038, 1126, 1158,
                                         1039, 1127, 1159, 1040, 1128};

// Folder row and buttons.
inline constexpr int kSelectFolder = 1057;
inline constexpr int kFolder = 1064;
inline constexpr int kFolderLimit = 80; // characters
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

} // namespace quorvex::ui::camera_ids
