// SPDX-License-Identifier: MIT
#include "ui/templates/CameraMenuTemplates.h"

#include "ui/templates/CameraMenuIds.h"
#include "ui/templates/TemplateParts.h"

#include <array>

namespace quorvex::ui {

namespace {

using K = ControlKind;
using namespace style;

using template_parts::join;
using template_parts::label;
using template_parts::list;
using template_parts::s;

constexpr int kWidth = 340;
constexpr int kRowHeight = 19; // option rows: a frame holding a label and its control
constexpr int kRowPitch = 20;
constexpr int kEditHeight = 12;
using template_parts::kListHeight;
constexpr unsigned kNumber = DigitsOnly | Centred;

constexpr ControlSpec frame(int id, int x, int y, int w, int h) {
    return {id, K::GroupBox, "", s(x), s(y), s(w), s(h)};
}
// Number edits take as many digits as are typed; the field's range check and correction deal
// with a value too large (a limit of two would silently cut "100" to "10").
constexpr ControlSpec number(int id, int x, int y, int w = 18) {
    return {id, K::Edit, "", s(x), s(y), s(w), kEditHeight, kNumber};
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
            label(1009, "Interval", g.x + 6, y + 6, g.labelWidth),
            list(1029, at, y + 3, std::min(54, g.listWidth - 22)),
            number(1003, at + std::min(54, g.listWidth - 22) + 2, y + 4, 20)};
}

// Where the full-width rows below the option grid put their controls: the switch column, then
// the hour : minute (: second) columns, the folder and the buttons.
struct LowerGeometry {
    int width;                                          // of the dialog
    int nameWidth, listX, listW;                        // row name and switch list
    int lineLabelX, lineLabelW;                         // "Start", "Stop"
    int hourX, hourLabelW;                              // timer hour edit and its label
    int minuteX, minuteLabelW;                          // timer minute edit and its label
    int lapseX, lapseHourW, lapseMinuteW, lapseSecondW; // time-lapse edits' labels
    int clockTextW, getTimeW;
    int serialStep;
    int selectW;
    int buttonW;
    unsigned clockText; // style of the clock text
};
constexpr LowerGeometry kWideLower{kWidth, 62, 76, 48, 130, 42, 174, 34, 235, 42,
                                   130,    34, 42, 48, 96,  80, 34,  66, 80,  ReadOnly | Centred};

// Timers: a switch, then start and stop each on its own line as hour : minute.
using camera_ids::TimerIds;
constexpr int kTimerHeight = 34;
constexpr std::array<ControlSpec, 15> timerRows(const LowerGeometry& g, const TimerIds& t,
                                                std::string_view text, int y) {
    auto line = [&g](int labelId, std::string_view name, int hour, int hourLabel, int colonId,
                     int minute, int minuteLabel, int top) {
        return std::array<ControlSpec, 6>{
            label(labelId, name, g.lineLabelX, top + 2, g.lineLabelW),
            number(hour, g.hourX, top),
            label(hourLabel, "Hour", g.hourX + 20, top + 2, g.hourLabelW),
            colon(colonId, g.minuteX - 6, top + 2),
            number(minute, g.minuteX, top),
            label(minuteLabel, "Minute", g.minuteX + 20, top + 2, g.minuteLabelW)};
    };
    return join(std::array{frame(t.frame, 6, y, g.width - 12, kTimerHeight),
                           label(t.label, text, 12, y + 7, g.nameWidth),
                           list(t.list, g.listX, y + 5, g.listW)},
                line(t.startLabel, "Start", t.startHour, t.startHourLabel, t.startColon,
                     t.startMinute, t.startMinuteLabel, y + 5),
                line(t.stopLabel, "Stop", t.stopHour, t.stopHourLabel, t.stopColon, t.stopMinute,
                     t.stopMinuteLabel, y + 19));
}

constexpr int kLineHeight = 20;

constexpr std::array<ControlSpec, 4> clockRow(const LowerGeometry& g, int y) {
    const camera_ids::ClockIds& c = camera_ids::kClock;
    const int textX = g.listX + 10;
    return {frame(c.frame, 6, y, g.width - 12, kLineHeight),
            label(c.label, "Set Clock", 12, y + 7, textX - 14),
            ControlSpec{c.text, K::Edit, "", s(textX), s(y + 4), s(g.clockTextW), kListHeight,
                        g.clockText},
            ControlSpec{c.getTime, K::Button, "Get Time", s(textX + g.clockTextW + 6), s(y + 4),
                        s(g.getTimeW), kListHeight}};
}

constexpr std::array<ControlSpec, 7> serialRow(const LowerGeometry& g, int y) {
    const camera_ids::SerialIds& ids = camera_ids::kSerial;
    auto character = [&](int n) {
        return list(ids.characters[static_cast<std::size_t>(n)], g.lineLabelX + n * g.serialStep,
                    y + 4, 30);
    };
    return {frame(ids.frame, 6, y, g.width - 12, kLineHeight),
            label(ids.label, "Serial No.", 12, y + 7, g.nameWidth),
            list(ids.list, g.listX, y + 4, g.listW),
            character(0),
            character(1),
            character(2),
            character(3)};
}

constexpr std::array<ControlSpec, 11> timeLapseRow(const LowerGeometry& g, int y) {
    const camera_ids::TimeLapseIds& t = camera_ids::kTimeLapse;
    const int top = y + 5;
    const int minutes = g.lapseX + 20 + g.lapseHourW + 7;
    const int seconds = minutes + 20 + g.lapseMinuteW + 7;
    return {frame(t.frame, 6, y, g.width - 12, kLineHeight),
            label(t.label, "Time Lapse", 12, y + 7, g.nameWidth),
            list(t.list, g.listX, y + 4, g.listW),
            number(t.hours, g.lapseX, top),
            label(t.hoursLabel, "Hour", g.lapseX + 20, top + 2, g.lapseHourW),
            colon(t.colon1, minutes - 6, top + 2),
            number(t.minutes, minutes, top),
            label(t.minutesLabel, "Minute", minutes + 20, top + 2, g.lapseMinuteW),
            colon(t.colon2, seconds - 6, top + 2),
            number(t.seconds, seconds, top),
            label(t.secondsLabel, "Second", seconds + 20, top + 2, g.lapseSecondW)};
}

constexpr std::array<ControlSpec, 2> folderRow(const LowerGeometry& g, int y) {
    const camera_ids::FolderIds& f = camera_ids::kFolderRow;
    return {ControlSpec{f.select, K::Button, "Select", 10, s(y), s(g.selectW), kListHeight},
            ControlSpec{f.folder, K::Edit, "", s(14 + g.selectW), s(y), s(g.width - 24 - g.selectW),
                        kListHeight, 0, f.limit}};
}

// Generate, Default and Exit, 8 units apart, centred; "Load from card…" below.
constexpr std::array<ControlSpec, 4> buttonRow(const LowerGeometry& g, int y) {
    const int left = (g.width - 3 * g.buttonW - 16) / 2;
    auto button = [&](int id, std::string_view text, int n, unsigned flags) {
        return ControlSpec{id,   K::Button,    text, s(left + n * (g.buttonW + 8)),
                           s(y), s(g.buttonW), 16,   flags};
    };
    return {button(1, "Generate", 0, DefaultButton), button(camera_ids::kDefault, "Default", 1, 0),
            button(2, "Exit", 2, 0), template_parts::loadFromCardButton(y + 16)};
}

// Clock, timers, serial number, time lapse, folder and buttons from `y` down.
constexpr auto lowerBlock(const LowerGeometry& g, const TimerIds& timer1Ids,
                          std::string_view timer1Text, const TimerIds& timer2Ids, int y) {
    const int timer1 = y + kLineHeight + 2;
    const int timer2 = timer1 + kTimerHeight + 2;
    const int serial = timer2 + kTimerHeight + 2;
    const int lapse = serial + kLineHeight + 2;
    const int folder = lapse + kLineHeight + 5;
    return join(clockRow(g, y), timerRows(g, timer1Ids, timer1Text, timer1),
                timerRows(g, timer2Ids, "Timer2", timer2), serialRow(g, serial),
                timeLapseRow(g, lapse), folderRow(g, folder),
                buttonRow(g, folder + kListHeight + 7));
}
constexpr auto lowerBlock(const TimerIds& timer1Ids, const TimerIds& timer2Ids, int y) {
    return lowerBlock(kWideLower, timer1Ids, "Timer", timer2Ids, y);
}
constexpr int lowerBlockHeight() {
    return 3 * kLineHeight + 2 * kTimerHeight + 8 + 5 + kListHeight + 7 + 16 +
           template_parts::kLoadLineHeight;
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

// K9: two columns with the coordinate block in the right one, full-width rows below. Wider than
// the other camera menus so the coordinate heads and row names read in every language; the clock
// text can be typed into.
constexpr int kK9Width = 400;
constexpr RowGeometry kK9Left{6, 174, 84, 78};
constexpr RowGeometry kK9Right{182, 212, 66, 76};
constexpr Slot k9Slot(int n) {
    return {n % 2 ? kK9Right : kK9Left, row(n / 2)};
}
// The full-width rows at `width` with a clock text that can be typed into.
constexpr LowerGeometry typedClock(int width) {
    LowerGeometry g = kWideLower;
    g.width = width;
    g.clockText = Centred;
    return g;
}
constexpr LowerGeometry kK9Lower = typedClock(kK9Width);

// The coordinate block: a frame with the title and column heads, then longitude and latitude.
constexpr auto coordinateBlock(int x, int y) {
    using namespace camera_ids::k9;
    const CoordinateHeads& h = kCoordinateHeads;
    constexpr int kColumn = 40; // degrees, minutes, seconds
    constexpr int kFirst = 86;
    auto line = [&](const CoordinateIds& c, std::string_view text, int top) {
        return std::array<ControlSpec, 5>{label(c.label, text, x + 5, top + 2, 48),
                                          list(c.direction, x + 55, top, 26),
                                          number(c.degrees, x + kFirst, top, 24),
                                          number(c.minutes, x + kFirst + kColumn, top, 24),
                                          number(c.seconds, x + kFirst + 2 * kColumn, top, 24)};
    };
    return join(std::array{frame(kUnnamed, x, y, 212, 3 * kRowPitch - 2),
                           label(h.title, "Coordinate", x + 5, y + 6, 48),
                           label(h.direction, "Dir.", x + 55, y + 6, 28),
                           label(h.degree, "Degree", x + kFirst, y + 6, kColumn - 1),
                           label(h.minute, "Minute", x + kFirst + kColumn, y + 6, kColumn - 1),
                           label(h.second, "Second", x + kFirst + 2 * kColumn, y + 6, 44)},
                line(kLongitude, "Longitude", y + 21), line(kLatitude, "Latitude", y + 39));
}

constexpr int kK9LowerTop = row(7) + 4;
constexpr auto kK9Controls = join(
    optionRow(k9Slot(0), camera_ids::kModeRow, "Mode"),
    optionRow(k9Slot(1), camera_ids::kImageSizeRow, "Image Size"),
    optionRow(k9Slot(2), camera_ids::kVideoSizeRow, "Video Size"),
    optionRow(k9Slot(3), camera_ids::kPictureCountRow, "Picture No."),
    optionRow(k9Slot(4), camera_ids::kTimeStampRow, "Time Stamp"),
    optionRow(k9Slot(5), camera_ids::kSensitivityRow, "Sensor Level"),
    videoLengthRow(kK9Left, row(3)), intervalRow(kK9Left, row(4)),
    optionRow(Slot{kK9Left, row(5)}, camera_ids::kDateFormatRow, "Date Format"),
    optionRow(Slot{kK9Left, row(6)}, camera_ids::k9::kSdCycleRow, "SD Cycle"),
    coordinateBlock(kK9Right.x, row(3)),
    optionRow(Slot{kK9Right, row(6)}, camera_ids::k9::kSidePirRow, "Side PIR"),
    lowerBlock(kK9Lower, camera_ids::kTimer1, "Timer1", camera_ids::generic::kTimer2, kK9LowerTop));

// D2: the K7 column with the wireless code row after video length; the clock text can be typed
// into.
constexpr LowerGeometry kD2Lower = typedClock(kWidth);
constexpr auto wirelessRow(Slot at) {
    const camera_ids::d2::WirelessIds& w = camera_ids::d2::kWireless;
    const RowGeometry& g = at.geometry;
    const int listX = g.x + 8 + g.labelWidth;
    return std::array<ControlSpec, 4>{
        frame(kUnnamed, g.x, at.y, g.width, kRowHeight),
        label(w.label, "Wireless PWD", g.x + 6, at.y + 6, g.labelWidth),
        list(w.list, listX, at.y + 3, 48),
        ControlSpec{w.code, K::Edit, "", s(listX + 52), s(at.y + 4), 30, kEditHeight, kNumber,
                    w.limit}};
}
constexpr int kD2LowerTop = row(10) + 4;
constexpr auto kD2Controls = join(
    captureRows<columnSlot>(), videoLengthRow(kColumn, row(6)), wirelessRow(columnSlot(7)),
    intervalRow(kColumn, row(8)),
    optionRow(columnSlot(9), camera_ids::kDateFormatRow, "Date Format"),
    lowerBlock(kD2Lower, camera_ids::kTimer1, "Timer1", camera_ids::generic::kTimer2, kD2LowerTop));

// A camera menu template: the option rows down to `lowerTop`, then the full-width rows.
template <std::size_t N>
constexpr DialogTemplate cameraMenu(int id, int width, int lowerTop,
                                    const std::array<ControlSpec, N>& controls) {
    return {id, "Camera Menu", s(width), s(lowerTop + lowerBlockHeight() + 4), controls};
}

} // namespace

const DialogTemplate kCameraMenuTemplate =
    cameraMenu(129, kWidth, kGenericLowerTop, kGenericControls);
const DialogTemplate kP4MenuTemplate = cameraMenu(140, kWidth, kP4LowerTop, kP4Controls);
const DialogTemplate kK7MenuTemplate = cameraMenu(148, kWidth, kK7LowerTop, kK7Controls);
const DialogTemplate kP7MenuTemplate = cameraMenu(157, kWidth, kP7LowerTop, kP7Controls);
const DialogTemplate kK9MenuTemplate = cameraMenu(149, kK9Width, kK9LowerTop, kK9Controls);
const DialogTemplate kD2MenuTemplate = cameraMenu(163, kWidth, kD2LowerTop, kD2Controls);

} // namespace quorvex::ui
