// SPDX-License-Identifier: MIT
#pragma once

#include "core/CardCheck.h"
#include "core/Language.h"
#include "ui/Dialog.h"
#include "ui/DialogHost.h"

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::ui {

enum class FieldKind {
    Number,          // an integer in min..max (the shared range message)
    FrameworkNumber, // the same with the dialog framework's own range message
    Text, // any text; with a limit, at most `max` characters (the framework's length message)
};

// A value the form holds for one of its controls, with the check the field exchange applies.
struct FieldSpec {
    int id = 0;
    FieldKind kind = FieldKind::Number;
    int min = 0;
    int max = 0; // Text: the most characters, 0 for no limit
    int initial = 0;
};

constexpr FieldSpec numberField(int id, int min, int max, int initial = 0) {
    return {id, FieldKind::Number, min, max, initial};
}
constexpr FieldSpec frameworkNumberField(int id, int min, int max, int initial = 0) {
    return {id, FieldKind::FrameworkNumber, min, max, initial};
}
constexpr FieldSpec textField(int id, int limit = 0) {
    return {id, FieldKind::Text, 0, limit, 0};
}

struct Assignment {
    int field = 0; // 0: unused
    int value = 0;
};

// When a correction applies besides its own test: always, while a list shows a position, or
// while another field holds (or does not hold) a value.
struct Condition {
    enum class Kind { Always, ListShows, FieldIs, FieldIsNot };
    Kind kind = Kind::Always;
    int id = 0;
    int value = 0;
};

// A correction rule: when the held number of `field` passes the test and the condition holds,
// the assignments are made; they may reach other fields (a coordinate at its end clears its
// minutes and seconds).
struct Correction {
    enum class Test { Above, Below, Equals };
    int field = 0;
    Test test = Test::Above;
    int bound = 0;
    std::array<Assignment, 3> sets{};
    Condition when{};
};

constexpr Correction above(int field, int bound, int becomes) {
    return {field, Correction::Test::Above, bound, {{{field, becomes}}}};
}
constexpr Correction below(int field, int bound, int becomes) {
    return {field, Correction::Test::Below, bound, {{{field, becomes}}}};
}
constexpr Correction equals(int field, int bound, int becomes) {
    return {field, Correction::Test::Equals, bound, {{{field, becomes}}}};
}
constexpr Correction when(Correction c, Condition condition) {
    c.when = condition;
    return c;
}
constexpr Condition listShows(int list, int position) {
    return {Condition::Kind::ListShows, list, position};
}
constexpr Condition fieldIs(int field, int value) {
    return {Condition::Kind::FieldIs, field, value};
}
constexpr Condition fieldIsNot(int field, int value) {
    return {Condition::Kind::FieldIsNot, field, value};
}

class FormBase;

// The mode a Generate check runs in: always, or only in Manual or only in Auto mode.
enum class CheckMode { Always, Manual, Auto };

// A check "Generate" runs, as a row: the test, the field it reads, the mode it runs in, the
// message of a failure (Chinese for LanguageId 1, English otherwise) and the lists whose shown
// entries fill the message's "%s" in order (0: none).
struct GenerateCheck {
    bool (*fails)(const FormBase& form, int field);
    int field;
    const Message* message;
    CheckMode mode = CheckMode::Always;
    std::array<int, 2> named{};
};

// What the toolkit-free base of every form holds: its fields, the order the field exchange reads
// them in, their corrections (applied in table order), the field that holds the output folder,
// the file the form writes there and the buttons that write it.
struct FormTable {
    std::vector<FieldSpec> fields;
    std::vector<int> order;
    std::vector<Correction> corrections;
    int folderField = 0;
    std::string_view fileName;
    // A click on one of these first takes the folder edit over with its check, so the file goes
    // where the form shows; a folder that fails the check writes nothing.
    std::vector<int> writeButtons;
};

// One value read from a card, entered as a person would: a list position picked, a text typed
// into an edit, or a button pressed.
struct CardEntry {
    enum class Kind { Pick, Type, Click };
    Kind kind = Kind::Pick;
    int control = 0;
    int position = 0;
    std::string text;
};

inline CardEntry pickEntry(int list, int position) {
    return {CardEntry::Kind::Pick, list, position, {}};
}
inline CardEntry typeEntry(int edit, std::string text) {
    return {CardEntry::Kind::Type, edit, 0, std::move(text)};
}
inline CardEntry clickEntry(int button) {
    return {CardEntry::Kind::Click, button, 0, {}};
}

// A file read back for a form: the entries that set the form to it, in order, or why it
// cannot be loaded.
struct CardContent {
    CardCheck check;
    std::vector<CardEntry> entries;
};

// The base of every configurator: values held per control, the ordered field exchange with its
// checks and messages, corrections, refresh and the folder choice. The controls' own
// notifications are ignored while the form reads or refreshes them.
class FormBase : public Dialog {
  public:
    const DialogTemplate& dialogTemplate() const final { return m_template; }
    std::string_view className() const final { return m_className; }

    int heldNumber(int id) const;
    const std::string& heldText(int id) const;
    // The held text's length in characters, as the forms' rules count it.
    std::size_t heldLength(int id) const;

    void onInit(DialogWindow& window) override;
    // Every button goes through here: the write buttons take the folder over first, "Load from
    // card…" loads, everything else is the form's onButton.
    void onClick(int id) final;

    // "Load from card…" (menu item, button and Ctrl+O): the folder chooser, then the form's file
    // in the chosen folder.
    std::string_view loadMenuText() const override;
    LanguageId interfaceLanguage() const override { return m_language; }
    void onMenuLoad() override;
    std::span<const Shortcut> shortcuts() const override;

  protected:
    FormBase(DialogHost& host, LanguageId messageLanguage, FormTable table,
             const DialogTemplate& dialogTemplate, std::string_view className);

    // Reads every field of the exchange order from its control and checks it. The first failure
    // shows its message, puts the focus on the control and ends the pass; later fields keep their
    // values, the failing one is already taken over. A number taken over gets its corrections
    // too, so nothing out of range is ever held. True when every field passed.
    bool exchange();
    // Shows every held value in its control again.
    void refresh();
    // A button of the form (the dialog's defaults for OK and Cancel).
    virtual void onButton(int id) { Dialog::onClick(id); }
    // Runs the checks in order; the first failure shows its message. True when all pass.
    bool passes(std::span<const GenerateCheck> checks, bool manualMode) const;
    // Applies the corrections of `field`; true when a held value changed.
    bool correct(int field);
    bool holds(const Condition& condition) const;
    // The folder chooser. A cancelled choice, or one without a path, keeps the folder the form
    // shows; a chosen folder longer than the field takes is refused with the length message.
    void chooseFolder(int folderField);
    // Where the folder chooser opens for a form that holds its folder in `folderField`.
    std::string folderChooserStart(int folderField) const;
    // The entries that set the form to what `bytes` of its file hold, or why they cannot.
    virtual CardContent readCard(std::span<const std::uint8_t> bytes) const = 0;

    // Fills a list with localised options in the form's language and selects `selected`.
    void fillList(int id, OptionList options, int selected);
    void setNumber(int id, int value) { m_numbers[id] = value; }
    void setText(int id, std::string text) { m_texts[id] = std::move(text); }
    // A check that is code rather than a range or a limit (a phone number's length); runs after
    // the field's own check, shows its own message and returns false to end the pass.
    virtual bool checkField(int /*id*/) { return true; }
    // True while the form itself reads or refreshes its controls.
    bool busy() const { return m_busy; }
    bool holdsNumber(int id) const { return m_numbers.contains(id); }
    bool holdsField(int id) const { return m_numbers.contains(id) || m_texts.contains(id); }

    DialogHost& host() const { return m_host; }
    LanguageId messageLanguage() const { return m_language; }
    const FormTable& table() const { return m_table; }

    // Marks the form busy for its lifetime.
    class BusyScope final {
      public:
        explicit BusyScope(FormBase& form) : m_flag(form.m_busy), m_previous(form.m_busy) {
            m_flag = true;
        }
        ~BusyScope() { m_flag = m_previous; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

      private:
        bool& m_flag;
        bool m_previous;
    };

  private:
    // Reads the form's file from `folder`, checks it and enters its values through the form's own
    // rules, as a person would; a file that cannot be loaded is named with the reason and changes
    // nothing.
    void loadFromFolder(const std::string& folder);
    // Reads the folder edit into the held folder with the field's check; false when it fails.
    bool takeFolderOver();
    const FieldSpec* field(int id) const;
    bool exchangeField(const FieldSpec& spec, bool& correctedAny);

    DialogHost& m_host;
    LanguageId m_language;
    const DialogTemplate& m_template;
    std::string_view m_className;
    FormTable m_table;
    std::map<int, int> m_numbers;
    std::map<int, std::string> m_texts;
    bool m_busy = false;
};

} // namespace quorvex::ui
