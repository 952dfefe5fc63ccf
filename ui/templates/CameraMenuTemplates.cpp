// SPDX-License-Identifier: MIT
#include "ui/templates/CameraMenuTemplates.h"

#include "ui/templates/CameraMenuIds.h"

#include <algorithm>
#include <array>

namespace quorvex::ui {

namespace {

using K = ControlKind;
using namespace style;

template <std::size_t... N> constexpr auto join(const std::array<ControlSpec, N>&... parts) {
    std::array<ControlSpec, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)),
      at += N),
     ...);
    return all;
}

constexpr short s(int v) {
    return static_cast<short>(v);
}

constexpr int kWidth = 340;
constexpr int kRowHeight = 19; // option rows: a frame holding a label and its control
constexpr int kRowPitch = 21;
constexpr int kEditHeight = 12;
constexpr int kListHeight = 14;
constexpr unsigned kNumber = DigitsOnly | Centred;

constexpr ControlSpec frame(int id, int x, int y, int w, int h) {
    return {id, K::GroupBox, "", s(x), s(y), s(w), s(h)};
}
constexpr ControlSpec label(int id, std::string_view text, int x, int y, int w) {
    return {id, K::Static, text, s(x), s(y), s(w), 10};
}
constexpr ControlSpec list(int id, int x, int y, int w) {
    return {id, K::List, "", s(x), s(y), s(w), kListHeight};
}
constexpr ControlSpec number(int id, int x, int y, int w = 18) {
    return {id, K::Edit, "", s(x), s(y), s(w), kEditHeight, kNumber, 2};
}
constexpr ControlSpec colon(int id, int x, int y) {
    return {id, K::Static, ":", s(x), s(y), 4, 10, Centred};
}

// An option row: frame, label, list.
struct RowGeometry {
    int x, width, labelWidth, listWidth;
};
constexpr std::array<ControlSpec, 3> optionRow(const RowGeometry& g, int y, int frameId,
                                               int labelId, std::string_view text, int listId) {
    return {frame(frameId, g.x, y, g.width, kRowHeight),
            label(labelId, text, g.x + 6, y + 6, g.labelWidth),
            list(listId, g.x + 8 + g.labelWidth, y + 3, g.listWidth)};
}
// The video-length row: the seconds edit and its unit label.
constexpr std::array<ControlSpec, 4> videoLengthRow(const RowGeometry& g, int y) {
    const int at = g.x + 8 + g.labelWidth;
    return {frame(1072, g.x, y, g.width, kRowHeight),
            label(1008, "Video Length", g.x + 6, y + 6, g.labelWidth), number(1002, at, y + 4, 22),
            label(1144, "Second", at + 25, y + 6, 46)};
}
// The interval row: its unit list and the value edit.
constexpr std::array<ControlSpec, 4> intervalRow(const RowGeometry& g, int y) {
    const int at = g.x + 8 + g.labelWidth;
    return {frame(1073, g.x, y, g.width, kRowHeight),
            label(1009, "Interval", g.x + 6, y + 6, g.labelWidth), list(1029, at, y + 3, 54),
            number(1003, at + 56, y + 4, 20)};
}

// Timers: a switch, then start and stop each on its own line as hour : minute.
using camera_ids::TimerIds;
constexpr int kTimerHeight = 36;
constexpr std::array<ControlSpec, 15> timerRows(const TimerIds& t, std::string_view text, int y) {
    auto line = [](int labelId, std::string_view name, int hour, int hourLabel, int colonId,
                   int minute, int minuteLabel, int top) {
        return std::array<ControlSpec, 6>{label(labelId, name, 130, top + 2, 42),
                                          number(hour, 174, top),
                                          label(hourLabel, "Hour", 194, top + 2, 34),
                                          colon(colonId, 229, top + 2),
                                          number(minute, 235, top),
                                          label(minuteLabel, "Minute", 255, top + 2, 42)};
    };
    return join(std::array{frame(t.frame, 6, y, kWidth - 12, kTimerHeight),
                           label(t.label, text, 12, y + 8, 62), list(t.list, 76, y + 5, 48)},
                line(t.startLabel, "Start", t.startHour, t.startHourLabel, t.startColon,
                     t.startMinute, t.startMinuteLabel, y + 6),
                line(t.stopLabel, "Stop", t.stopHour, t.stopHourLabel, t.stopColon, t.stopMinute,
                     t.stopMinuteLabel, y + 21));
}

constexpr int kLineHeight = 22;

constexpr std::array<ControlSpec, 4> clockRow(int y) {
    return {frame(1082, 6, y, kWidth - 12, kLineHeight), label(1018, "Set Clock", 12, y + 7, 72),
            ControlSpec{1030, K::Edit, "", 86, s(y + 4), 96, kListHeight, ReadOnly | Centred},
            ControlSpec{1031, K::Button, "Get Time", 188, s(y + 4), 80, kListHeight}};
}

constexpr std::array<ControlSpec, 7> serialRow(int y) {
    return {frame(1152, 6, y, kWidth - 12, kLineHeight),
            label(1021, "Serial No.", 12, y + 7, 62),
            list(1032, 76, y + 4, 48),
            list(1034, 130, y + 4, 30),
            list(1035, 164, y + 4, 30),
            list(1036, 198, y + 4, 30),
            list(1037, 232, y + 4, 30)};
}

constexpr std::array<ControlSpec, 11> timeLapseRow(int y) {
    const int top = y + 5;
    return {frame(1153, 6, y, kWidth - 12, kLineHeight),
            label(1020, "Time Lapse", 12, y + 7, 62),
            list(1033, 76, y + 4, 48),
            number(1038, 130, top),
            label(1126, "Hour", 150, top + 2, 34),
            colon(1158, 185, top + 2),
            number(1039, 191, top),
            label(1127, "Minute", 211, top + 2, 42),
            colon(1159, 254, top + 2),
            number(1040, 260, top),
            label(1128, "Second", 280, top + 2, 48)};
}

constexpr std::array<ControlSpec, 2> folderRow(int y) {
    return {ControlSpec{1057, K::Button, "Select", 10, s(y), 66, kListHeight},
            ControlSpec{1064, K::Edit, "", 80, s(y), s(kWidth - 90), kListHeight, 0, 80}};
}

constexpr std::array<ControlSpec, 3> buttonRow(int y) {
    return {ControlSpec{1, K::Button, "Generate", 42, s(y), 80, 16, DefaultButton},
            ControlSpec{1062, K::Button, "Default", 130, s(y), 80, 16},
            ControlSpec{2, K::Button, "Exit", 218, s(y), 80, 16}};
}

// Clock, timers, serial number, time lapse, folder and buttons from `y` down.
constexpr auto lowerBlock(const TimerIds& timer1Ids, const TimerIds& timer2Ids, int y) {
    const int timer1 = y + kLineHeight + 2;
    const int timer2 = timer1 + kTimerHeight + 2;
    const int serial = timer2 + kTimerHeight + 2;
    const int lapse = serial + kLineHeight + 2;
    const int folder = lapse + kLineHeight + 5;
    return join(clockRow(y), timerRows(timer1Ids, "Timer", timer1),
                timerRows(timer2Ids, "Timer2", timer2), serialRow(serial), timeLapseRow(lapse),
                folderRow(folder), buttonRow(folder + kListHeight + 7));
}
constexpr int lowerBlockHeight() {
    return 3 * kLineHeight + 2 * kTimerHeight + 8 + 5 + kListHeight + 7 + 16;
}

constexpr const TimerIds& kTimer1 = camera_ids::kTimer1;
constexpr const TimerIds& kGenericTimer2 = camera_ids::generic::kTimer2;
constexpr const TimerIds& kP4Timer1 = camera_ids::p4::kTimer1;
constexpr const TimerIds& kP4Timer2 = camera_ids::p4::kTimer2;

// Where option row n of a template goes: one column, or two columns filled left to right.
struct Slot {
    RowGeometry geometry;
    int y;
};
constexpr int row(int n) {
    return 4 + n * kRowPitch;
}
constexpr RowGeometry kColumn{6, kWidth - 12, 84, 84};
constexpr RowGeometry kLeft{6, 162, 76, 76};
constexpr RowGeometry kRight{172, 162, 76, 76};
constexpr Slot columnSlot(int n) {
    return {kColumn, row(n)};
}
constexpr Slot gridSlot(int n) {
    return {n % 2 ? kRight : kLeft, row(n / 2)};
}

constexpr std::array<ControlSpec, 3> optionRow(Slot at, const camera_ids::RowIds& ids,
                                               std::string_view text) {
    return optionRow(at.geometry, at.y, ids.frame, ids.label, text, ids.control);
}

// The six rows every camera template starts with, from "Mode" to "Sensor Level".
template <Slot (*at)(int)> constexpr auto captureRows() {
    using namespace camera_ids;
    return join(optionRow(at(0), kModeRow, "Mode"), optionRow(at(1), kImageSizeRow, "Image Size"),
                optionRow(at(2), kVideoSizeRow, "Video Size"),
                optionRow(at(3), kPictureCountRow, "Picture No."),
                optionRow(at(4), kTimeStampRow, "Time Stamp"),
                optionRow(at(5), kSensitivityRow, "Sensor Level"));
}
// Video length and interval at slots n and n + 1.
template <Slot (*at)(int)> constexpr auto lengthAndInterval(int n) {
    return join(videoLengthRow(at(n).geometry, at(n).y),
                intervalRow(at(n + 1).geometry, at(n + 1).y));
}

// Generic: eleven rows in one column, the SD cycle row last. Below them a gap wide enough that
// the rows, spread into the hidden SD cycle row, still clear the clock row once that has moved
// up.
constexpr int kGenericLowerTop = row(11) + 8;
constexpr auto kGenericControls =
    join(captureRows<columnSlot>(), optionRow(columnSlot(6), camera_ids::kSidePirRow, "Side PIR"),
         lengthAndInterval<columnSlot>(7),
         optionRow(columnSlot(9), camera_ids::kDateFormatRow, "Date Format"),
         optionRow(columnSlot(10), camera_ids::generic::kSdCycleRow, "SD Cycle"),
         lowerBlock(kTimer1, kGenericTimer2, kGenericLowerTop));

// P4: six lines of two rows, then the hidden row.
constexpr int kP4LowerTop = row(7) + 4;
constexpr auto kP4Controls =
    join(captureRows<gridSlot>(), optionRow(gridSlot(6), camera_ids::kSidePirRow, "Side PIR"),
         lengthAndInterval<gridSlot>(7),
         optionRow(gridSlot(9), camera_ids::kDateFormatRow, "Date Format"),
         optionRow(gridSlot(10), camera_ids::p4::kBeepRow, "Beep Sound"),
         optionRow(gridSlot(11), camera_ids::p4::kSdCycleRow, "SD Cycle"),
         optionRow(gridSlot(12), camera_ids::p4::kPirDirRow, "PIR DIR REC"),
         lowerBlock(kP4Timer1, kP4Timer2, kP4LowerTop));

// K7: the generic column without the side PIR and SD cycle rows; nothing moves.
constexpr int kK7LowerTop = row(9) + 4;
constexpr auto kK7Controls =
    join(captureRows<columnSlot>(), lengthAndInterval<columnSlot>(6),
         optionRow(columnSlot(8), camera_ids::kDateFormatRow, "Date Format"),
         lowerBlock(kTimer1, kGenericTimer2, kK7LowerTop));

// P7: the P4 grid without the side PIR and the hidden row, packed; nothing moves.
constexpr int kP7LowerTop = row(6) + 4;
constexpr auto kP7Controls = join(captureRows<gridSlot>(), lengthAndInterval<gridSlot>(6),
                                  optionRow(gridSlot(8), camera_ids::kDateFormatRow, "Date Format"),
                                  optionRow(gridSlot(9), camera_ids::p4::kBeepRow, "Beep Sound"),
                                  optionRow(gridSlot(10), camera_ids::p4::kSdCycleRow, "SD Cycle"),
                                  lowerBlock(kP4Timer1, kP4Timer2, kP7LowerTop));

} // namespace

const DialogTemplate kCameraMenuTemplate{
    129, "Camera Menu", kWidth, s(kGenericLowerTop + lowerBlockHeight() + 6), kGenericControls};
const DialogTemplate kP4MenuTemplate{140, "Camera Menu", kWidth,
                                     s(kP4LowerTop + lowerBlockHeight() + 6), kP4Controls};

} // namespace quorvex::ui

namespace quorvex::ui {
const DialogTemplate kK7MenuTemplate{148, "Camera Menu", kWidth,
                                     s(kK7LowerTop + lowerBlockHeight() + 6), kK7Controls};
const DialogTemplate kP7MenuTemplate{157, "Camera Menu", kWidth,
                                     s(kP7LowerTop + lowerBlockHeight() + 6), kP7Controls};
} // namespace quorvex::ui
