// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"
#include "camera_menu/CameraMenuTexts.h"
#include "ui/templates/CameraMenuIds.h"

#include <array>
#include <initializer_list>

namespace quorvex::camera_menu {

enum class TimerSlot { One, Two };

// What "Default" brings back to its opening value besides video length, time lapse and timer 1.
struct FactoryResets {
    bool interval = false;
    bool timer2 = false;
};

// Exchange order of the four timer 2 edits after the folder.
using Timer2Order = std::array<int, 4>;

// Composes a CameraFormSpec from the groups every camera form is made of. Each block brings its
// lists, labels, held fields with their checks and corrections, switch rule, record sources and
// what "Default" does to it; a form adds only what is its own.
class CameraFormBuilder final {
  public:
    CameraFormBuilder(std::string_view className, const ui::DialogTemplate& dialogTemplate,
                      const RecordLayout& layout, const MenuMessages& messages);

    // Mode, image and video size, pictures, time stamp, sensitivity, video length and interval.
    CameraFormBuilder& captureRows(OptionList modes, SizeOpenings sizes);
    // A list row of its own (side PIR, beep, SD cycle) with the record field it fills.
    CameraFormBuilder& optionRow(const ui::camera_ids::RowIds& row, const LocalizedText& label,
                                 OptionList options, int initial, MenuField field);
    // Date format (localised, or with `plainDateFormats` the layout's names in every language),
    // clock text and "Get Time"; a date-format pick reads the clock.
    CameraFormBuilder& clock(bool plainDateFormats = false);
    CameraFormBuilder& timer(const ui::camera_ids::TimerIds& ids, const LocalizedText& title,
                             TimerSlot slot);
    CameraFormBuilder& serialNumber();
    CameraFormBuilder& timeLapse();
    // Folder row and the three buttons.
    CameraFormBuilder& folderAndButtons();

    // The exchange order: capture and timer 1 fields, clock text, folder, then timer 2's edits.
    CameraFormBuilder& exchangeOrder(const Timer2Order& timer2);
    // What every camera form has below its own rows: clock, "Timer" and "Timer2", serial number,
    // time lapse, folder and buttons, with the exchange order.
    CameraFormBuilder& commonGroups(const ui::camera_ids::TimerIds& timer1,
                                    const ui::camera_ids::TimerIds& timer2,
                                    const Timer2Order& timer2Order,
                                    const LocalizedText& timer1Title = kLabelTimer,
                                    bool plainDateFormats = false);
    // Longitude and latitude: direction lists, degrees (to 180 and 90), minutes and seconds, with
    // the rules that act across a row; the exchange reads them after timer 1, so this block comes
    // before the common groups. "Default" leaves them alone.
    CameraFormBuilder& coordinates();
    // The wireless code: a switch and a code edit the form does not hold; the record takes the
    // edit's digits when it is written.
    CameraFormBuilder& wirelessCode(std::string_view defaultCode);
    // Reactions of these controls show the held values even when nothing was corrected.
    CameraFormBuilder& alwaysRefresh(std::initializer_list<int> ids);
    // Texts "Default" puts into controls after its resets, each setting off its reaction.
    CameraFormBuilder& factoryTyped(std::vector<ControlText> typed);
    CameraFormBuilder& hide(std::initializer_list<int> ids);
    // Moves each row (frame, label, control and companion) down by `dy(n)` for its position n.
    CameraFormBuilder& moveRows(std::span<const ui::camera_ids::RowIds> rows, int (*dy)(int n));
    CameraFormBuilder& moves(std::vector<Move> moves);
    // "Default": the list positions a form sets besides the blocks' (every switch Off, serial
    // characters "0"), the fields it brings back to their opening values besides video length,
    // time lapse and timer 1, and where the record comes from.
    CameraFormBuilder& factory(FactorySource source, std::initializer_list<Selection> selections,
                               FactoryResets resets);

    CameraFormSpec build() { return std::move(m_spec); }

  private:
    // The layout's entry for a field a block holds; every camera layout has them all.
    const LayoutField& layoutField(MenuField which) const;
    // A held number with the range of its record byte.
    void number(int id, const LayoutField& range, int initial,
                std::initializer_list<ui::Correction> rules);
    void list(int id, OptionList options, int initial);

    CameraFormSpec m_spec;
    std::vector<Selection> m_blockSelections;
    std::array<std::vector<int>, 2> m_timerEdits;
    const ui::camera_ids::TimerIds* m_timer1 = nullptr;
    bool m_coordinates = false;
};

// The generic family (templates 129 and 148) for a model: its capture rows and the common groups
// with timer 2 in 1042-1048.
CameraFormBuilder genericFamily(std::string_view className, const ui::DialogTemplate& dialog,
                                int modelId, const LocalizedText& timer1Title = kLabelTimer);
// The P4 family (templates 140 and 157) for a model: beep and SD cycle rows, timer 2 in
// 1047-1052.
CameraFormBuilder p4Family(std::string_view className, const ui::DialogTemplate& dialog,
                           int modelId);

// The exchange order of timer 2's edits in the generic family and in the P4 family.
inline constexpr Timer2Order kGenericTimer2Order{
    ui::camera_ids::generic::kTimer2.stopMinute, ui::camera_ids::generic::kTimer2.stopHour,
    ui::camera_ids::generic::kTimer2.startMinute, ui::camera_ids::generic::kTimer2.startHour};
inline constexpr Timer2Order kP4Timer2Order{
    ui::camera_ids::p4::kTimer2.stopMinute, ui::camera_ids::p4::kTimer2.stopHour,
    ui::camera_ids::p4::kTimer2.startHour, ui::camera_ids::p4::kTimer2.startMinute};

} // namespace quorvex::camera_menu
