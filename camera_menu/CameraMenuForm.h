// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/ClockFields.h"
#include "card/MenuFileWriter.h"
#include "card/RecordLayouts.h"
#include "core/Language.h"
#include "ui/AppContext.h"
#include "ui/FormBase.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::camera_menu {

// A list filled at opening: localised options, or texts that read the same in every language.
struct ListSpec {
    int id;
    OptionList localized{};
    std::span<const std::string_view> plain{};
    int initial = 0;
};

// A label or button text set by language at opening.
struct LabelSpec {
    int id;
    const LocalizedText* text;
};

enum class SwitchEffect { ReadOnly, Disabled };

// A switch list and the controls it governs: while it shows `offPosition` the edits are
// read-only (or the lists disabled). A pick runs the exchange first and refreshes afterwards,
// unless the switch governs a control the form does not hold (`exchanges` false).
struct SwitchRule {
    int list;
    int offPosition;
    std::vector<int> controls;
    SwitchEffect effect = SwitchEffect::ReadOnly;
    bool exchanges = true;
};

// What a pick in a list without a switch rule does: run the exchange, then the corrections of
// `corrects` (the interval value after a unit pick); or act like a click on `actsAs`. Lists not
// named anywhere do nothing.
struct ListReaction {
    int list;
    int corrects = 0;
    int actsAs = 0;
};

struct Move {
    int id;
    int dxPixels;
    int dyPixels;
};

// Where a record field's value comes from: the position of a list, the number the form holds
// for an edit, or (with `digit`) the value of one character of an edit's text, 0 when the text
// is shorter or the character no digit. The clock, language and TV mode bytes need no entry.
struct RecordSource {
    MenuField field;
    int control;
    int digit = -1;
};

// A text the form puts into a control it does not hold.
struct ControlText {
    int id;
    std::string_view text;
};

struct Selection {
    int list;
    int position;
};

enum class FactorySource {
    Form,    // the record is built like Generate's from the reset form
    Pattern, // the layout's fixed factory pattern
};

// What "Default" does: selections, every switch Off, fields back to their opening values, then
// the record.
struct FactoryRule {
    FactorySource source = FactorySource::Pattern;
    std::vector<Selection> selections;
    std::vector<int> resets;
    // Texts put into controls after the resets, one after another; each sets off the control's
    // own reaction, as typing would.
    std::vector<ControlText> typed;
};

// Everything a camera form is besides its class; CameraFormBuilder composes it from blocks.
struct CameraFormSpec {
    std::string_view className;
    const ui::DialogTemplate* dialogTemplate = nullptr;
    std::vector<int> hidden; // at opening
    std::vector<Move> moves; // at opening, after hiding
    std::vector<ListSpec> lists;
    std::vector<LabelSpec> labels;
    std::vector<ControlText> texts; // at opening, into controls the form does not hold
    ui::FormTable form;
    std::vector<SwitchRule> switches;
    std::vector<ListReaction> reactions;
    // Controls whose reaction shows the held values even when nothing was corrected.
    std::vector<int> alwaysRefresh;
    const RecordLayout* layout = nullptr;
    std::vector<RecordSource> record;
    FactoryRule factory;
    MenuMessages messages;
};

// A camera menu form: a dialog driven by its CameraFormSpec. It holds a value per number edit,
// the clock text and the folder; the lists hold their own selections.
class CameraMenuForm : public ui::FormBase {
  public:
    CameraMenuForm(AppContext& context, ClockFields& clock, CameraFormSpec spec);

    void onInit(ui::DialogWindow& window) override;
    void onEditChange(int id) override;
    void onListPick(int id) override;

  protected:
    void onButton(int id) override;
    ui::CardContent readCard(std::span<const std::uint8_t> bytes) const override;

  private:
    void applySwitch(const SwitchRule& rule, int position);
    bool alwaysRefreshes(int id) const;
    void getTime();
    void generate();
    void writeFactoryRecord();
    MenuValues recordValues() const;
    int initialPosition(int list) const;
    LanguageId language() const { return m_context.state.languageId; }

    AppContext& m_context;
    ClockFields& m_clock;
    CameraFormSpec m_spec;
};

} // namespace quorvex::camera_menu
