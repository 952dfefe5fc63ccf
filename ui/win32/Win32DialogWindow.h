// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Dialog.h"
#include "ui/ScriptedHost.h"

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvex::ui::win32 {

class Win32DialogWindow;

// What a driver hooks into a window's life (the scripted host; the program's host has none).
class WindowDriver {
  public:
    virtual ~WindowDriver() = default;
    // The form has filled the window; it is about to be shown (unless the form ended it).
    virtual void initialised(Win32DialogWindow& window) = 0;
    // The window waits for the user: everything the last action caused has been handled.
    virtual void waiting(Win32DialogWindow& window) = 0;
};

// Commands of the window menu (the system menu and the context menu); the system ignores the
// low four bits of a system command.
inline constexpr UINT kAboutCommand = 0x0010;
inline constexpr UINT kLoadCommand = 0x0020;

// A native modal dialog made from one of our templates, and what a form may do to it. Enter,
// Esc and the close box go to the form; only end() closes the window.
class Win32DialogWindow final : public DialogWindow {
  public:
    Win32DialogWindow(Dialog& dialog, WindowDriver* driver);
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    // Shows the window modally over `owner` (disabled meanwhile) until it ends.
    void runModal(HWND owner);

    Dialog& dialog() const { return m_dialog; }
    HWND handle() const { return m_hwnd; }
    HWND control(int id) const;
    bool ended() const { return m_ended; }
    int result() const { return m_result; }
    std::string title() const;
    std::vector<int> ids() const;
    std::optional<ControlState> state(int id) const;
    bool hasMenuItem(UINT command) const;
    // Counts the user's picks in lists, so a driver can tell whether its pick arrived.
    int picks() const { return m_picks; }
    // A pick the list could not report itself.
    void reportPick(int id);
    // Alt and a letter, as the window's Alt+letter keys answer it: a button is clicked where the
    // focus is, a label gives its field the focus. False when no control takes the letter.
    bool mnemonic(std::string_view letter);
    // The field after the focused control in Tab order (backwards when `back`).
    void tab(bool back);
    // The control with the keyboard focus, or the one that had it when another program's window
    // was activated (the focus comes back to it); null when none.
    HWND focused() const;

    // Asks for driver->waiting() once the messages already queued have been handled.
    void requestStep();
    // Closes the window for a driver that stops: run() reports it as not ended.
    void abandon();

    void setTitle(std::string_view title) override;
    void setIcon(int resource) override;
    void end(int result) override;
    void setText(int id, std::string_view text) override;
    std::string text(int id) const override;
    void setVisible(int id, bool visible) override;
    void setEnabled(int id, bool enabled) override;
    void moveBy(int id, int dxPixels, int dyPixels) override;
    void setFocus(int id) override;
    void setReadOnly(int id, bool readOnly) override;
    void setLimit(int id, int characters) override;
    void clearList(int id) override;
    void addItem(int id, std::string_view text) override;
    void select(int id, int position) override;
    int selected(int id) const override;
    int itemCount(int id) const override;

  private:
    struct Entry {
        const ControlSpec* spec;
        HWND hwnd;
        std::wstring lastText; // edits: what the form last saw, since EN_CHANGE also fires on
                               // setting the same text
        bool dropped = false;  // lists: open, and whether this opening picked anything
        bool picked = false;
        std::string plain; // statics, frames and buttons: the text without its Alt+letter mark
    };

    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControl(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL initialise();
    void command(int id, int code, HWND from);
    void editChanged(Entry& entry);
    bool shortcut(UINT key);
    void pasteInto(Entry& entry);
    void addWindowMenu();
    void showContextMenu(LPARAM at);
    void paintFocusFrame();
    void focusChanged(HWND now);
    void scrollIfTooTall();
    void placeLabelsBeforeFields();
    void markMnemonics();
    void scrollTo(int position);
    void scrollBy(int lines);
    Entry* entry(int id);
    const Entry* entry(int id) const;
    Entry* entryOf(HWND hwnd);

    Dialog& m_dialog;
    WindowDriver* m_driver;
    HWND m_hwnd = nullptr;
    std::map<int, Entry> m_controls; // by id: the first of a repeated id wins, as GetDlgItem
    std::map<HWND, int> m_ids;
    bool m_ready = false;
    bool m_ended = false;
    bool m_focusSet = false;
    int m_result = 0;
    int m_picks = 0;
    bool m_stepPending = false;
    int m_settling = 0;
    HWND m_focus = nullptr;     // the focused field, framed
    HWND m_lastFocus = nullptr; // the control that last took the focus
    HFONT m_linkFont = nullptr;
    HICON m_icons[2] = {nullptr, nullptr};
    int m_scroll = 0;      // the scrolled-away height of a window taller than the screen
    int m_scrollRange = 0; // 0: the window fits
};

} // namespace quorvex::ui::win32
