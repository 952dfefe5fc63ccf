// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"
#include "ui/DialogTemplate.h"

#include <span>
#include <string>
#include <string_view>

namespace quorvex::ui {

inline constexpr int kIdOk = 1;     // Enter, and the button with id 1
inline constexpr int kIdCancel = 2; // Esc, the close box, and the button with id 2
// The "Load from card…" button every configurator's template has.
inline constexpr int kIdLoadFromCard = 1190;

// A key that acts as a click on a control: Ctrl and `key` (a capital letter or digit). The
// bindings map each to their toolkit's key and call Dialog::onClick(control).
struct Shortcut {
    char key;
    int control;
};

// What a form may do to its open window; every host implements it. Controls are addressed by
// their template ids. Setting an edit's text reports a change to the form like typing does.
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    virtual void setTitle(std::string_view title) = 0;
    virtual void setIcon(int resource) = 0;
    virtual void end(int result) = 0;

    virtual void setText(int id, std::string_view text) = 0;
    virtual std::string text(int id) const = 0;
    virtual void setVisible(int id, bool visible) = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual void moveBy(int id, int dxPixels, int dyPixels) = 0;
    virtual void setFocus(int id) = 0;

    virtual void setReadOnly(int id, bool readOnly) = 0;
    virtual void setLimit(int id, int characters) = 0;

    // Lists: selecting from the program never reports a selection change.
    virtual void clearList(int id) = 0;
    virtual void addItem(int id, std::string_view text) = 0;
    virtual void select(int id, int position) = 0; // -1: no selection
    virtual int selected(int id) const = 0;        // -1 when none
    virtual int itemCount(int id) const = 0;
};

// A window's logic. The host calls these on the user's actions; the defaults are what the
// dialog framework does on its own (Enter and id 1 end with OK, Esc/close and id 2 with Cancel).
class Dialog {
  public:
    virtual ~Dialog() = default;

    virtual const DialogTemplate& dialogTemplate() const = 0;
    virtual std::string_view className() const = 0;
    // The language of the window's texts, which its accessible names follow.
    virtual LanguageId interfaceLanguage() const { return kEnglish; }

    // The window exists with the template's controls; the form fills it.
    virtual void onInit(DialogWindow& window) { m_window = &window; }
    virtual void onEditChange(int /*id*/) {}
    virtual void onListPick(int /*id*/) {}    // the user picked an entry (also the same one)
    virtual void onListCloseUp(int /*id*/) {} // the user closed the list without a choice
    virtual void onClick(int id) {
        if (id == kIdOk)
            onOk();
        else if (id == kIdCancel)
            onCancel();
    }
    virtual void onOk() { window().end(kIdOk); }
    virtual void onCancel() { window().end(kIdCancel); }
    virtual void onMenuAbout() {}
    // The label of the window's About item (in its system or context menu); empty: no item.
    virtual std::string_view aboutMenuText() const { return {}; }
    bool hasAboutMenu() const { return !aboutMenuText().empty(); }
    // "Load from card…", beside About in the same menu; empty: no item.
    virtual std::string_view loadMenuText() const { return {}; }
    virtual void onMenuLoad() {}
    bool hasLoadMenu() const { return !loadMenuText().empty(); }
    // The window's Ctrl shortcuts.
    virtual std::span<const Shortcut> shortcuts() const { return {}; }

    // The window is gone; no further calls follow.
    virtual void onDestroy() { m_window = nullptr; }

  protected:
    DialogWindow& window() const { return *m_window; }
    bool isOpen() const { return m_window != nullptr; }

  private:
    DialogWindow* m_window = nullptr;
};

} // namespace quorvex::ui
