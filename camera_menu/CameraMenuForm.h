// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/ClockFields.h"
#include "camera_menu/MenuFileWriter.h"
#include "camera_menu/RecordLayouts.h"
#include "core/Language.h"
#include "ui/AppContext.h"
#include "ui/Dialog.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::camera_menu {

// Controls every camera form has under the same id.
inline constexpr int kIdIntervalValue = 1003;
inline constexpr int kIdIntervalUnit = 1029; // 0 second, 1 minute
inline constexpr int kIdDateFormat = 1044;
inline constexpr int kIdClockText = 1030;
inline constexpr int kIdGetTime = 1031;
inline constexpr int kIdFolder = 1064;
inline constexpr int kIdSelectFolder = 1057;
inline constexpr int kIdDefault = 1062;
inline constexpr int kFolderLimit = 80; // characters
inline constexpr int kUnitMinute = 1;

// What a change of a number edit does after its validation pass.
enum class Correction {
    None,
    VideoLength,    // above 60 or 0 becomes 10
    Interval,       // above 60 becomes 1; with the unit Minute 0 becomes 1 as well
    Hour,           // above 23 becomes 0
    MinuteOrSecond, // above 59 becomes 0
};

// A number the form holds for an edit, its value at creation and its correction rule.
struct NumberEdit {
    int id;
    int initial;
    Correction correction;
};

enum class Check { Number, Text, Folder };

// One field of the validation pass, read from its control in table order.
struct ValidationStep {
    int id;
    Check check;
    int min = 0;
    int max = 0; // Folder: the most characters
};
constexpr ValidationStep checkNumber(int id, int min, int max) {
    return {id, Check::Number, min, max};
}
constexpr ValidationStep checkText(int id) {
    return {id, Check::Text};
}
constexpr ValidationStep checkFolder(int id) {
    return {id, Check::Folder, 0, kFolderLimit};
}

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
// read-only (or the lists disabled). A pick validates first and refreshes afterwards unless
// `validates` is false.
struct SwitchRule {
    int list;
    int offPosition;
    std::span<const int> controls;
    SwitchEffect effect = SwitchEffect::ReadOnly;
    bool validates = true;
};

struct Move {
    int id;
    int dxPixels;
    int dyPixels;
};

// Where a record field's value comes from: the position of a list, or the number the form holds
// for an edit. The clock, language and TV mode bytes need no entry.
struct RecordSource {
    MenuField field;
    int control;
};

struct Selection {
    int list;
    int position;
};

struct ValueReset {
    int edit;
    int value;
};

enum class FactorySource {
    Form,    // the record is built like Generate's from the reset form
    Pattern, // the layout's fixed factory pattern
};

// What "Default" does: selections and values to reset (all switches end Off, so their rules
// are applied afterwards), then the record.
struct FactoryRule {
    FactorySource source = FactorySource::Pattern;
    std::vector<Selection> selections;
    std::span<const ValueReset> values;
    // The folder held before the validation pass is used (a folder typed just before is not).
    bool folderBeforeValidate = true;
};

// Everything a camera form is besides its class: one value per form and model.
struct CameraFormSpec {
    std::string_view className;
    const ui::DialogTemplate* dialogTemplate = nullptr;
    std::vector<int> hidden; // at opening
    std::vector<Move> moves; // at opening, after hiding
    std::vector<ListSpec> lists;
    std::vector<LabelSpec> labels;
    std::span<const NumberEdit> numbers;
    std::span<const ValidationStep> validation;
    std::span<const SwitchRule> switches;
    std::span<const int> validatingLists; // a pick runs the validation pass and nothing else
    const RecordLayout* layout = nullptr;
    std::span<const RecordSource> record;
    FactoryRule factory;
    MenuMessages messages;
    // Generate writes into the folder the edit shows rather than the one the form holds.
    bool generateUsesFolderText = false;
};

// A camera menu form: a dialog driven by its CameraFormSpec. It holds a value per number edit,
// the clock text and the folder; the lists hold their own selections. Reactions, Generate and
// Default are the shared ones; a form whose handlers differ overrides the hooks.
class CameraMenuForm : public ui::Dialog {
  public:
    CameraMenuForm(AppContext& context, ClockFields& clock, CameraFormSpec spec);

    const ui::DialogTemplate& dialogTemplate() const override { return *m_spec.dialogTemplate; }
    std::string_view className() const override { return m_spec.className; }

    void onInit(ui::DialogWindow& window) override;
    void onEditChange(int id) override;
    void onListPick(int id) override;
    void onClick(int id) override;

    // What the form holds (for tests and for forms built on this one).
    int heldNumber(int id) const;
    const std::string& heldText(int id) const;

  protected:
    // Reads every field of the validation order into the form; stops at the first failure with
    // its message and the focus on the control. True when every field passed.
    bool validate();
    // Shows every held value in its control again.
    void refresh();
    void setNumber(int id, int value) { m_numbers[id] = value; }
    void setHeldText(int id, std::string text) { m_texts[id] = std::move(text); }
    void applySwitch(const SwitchRule& rule, int position);
    void applySwitches();

    // The field's own correction rule: the value it brings an out-of-range entry back to.
    static int correctedValue(const NumberEdit& edit, int value, int unit);
    virtual void reactToNumber(const NumberEdit& edit);
    virtual void getTime();
    virtual void chooseFolder();
    virtual void generate();
    virtual void writeFactoryRecord();
    // Record fields a RecordSource cannot describe.
    virtual void addRecordValues(MenuValues& /*values*/) const {}

    MenuValues recordValues() const;
    LanguageId language() const { return m_context.state.languageId; }
    AppContext& context() const { return m_context; }
    const CameraFormSpec& spec() const { return m_spec; }

  private:
    const NumberEdit* numberEdit(int id) const;
    const SwitchRule* switchRule(int list) const;
    int initialPosition(int list) const;

    AppContext& m_context;
    ClockFields& m_clock;
    CameraFormSpec m_spec;
    std::map<int, int> m_numbers;
    std::map<int, std::string> m_texts;
    bool m_busy = false; // validate or refresh runs: the controls' own notifications are ignored
};

} // namespace quorvex::camera_menu
