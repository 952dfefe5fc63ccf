// SPDX-License-Identifier: MIT
#include "ui/win32/Win32ScriptedHost.h"

#include "core/SystemText.h"
#include "core/Utf8.h"
#include "ui/win32/CommonControls.h"
#include "ui/win32/Screenshot.h"
#include "ui/win32/Win32DialogWindow.h"

#include <vector>

namespace quorvex::ui::win32 {

namespace {

class Win32ScriptedHost final : public ScriptedHost, private WindowDriver {
  public:
    explicit Win32ScriptedHost(Transcript& transcript) : ScriptedHost(transcript) {
        initCommonControls();
    }

    int run(Dialog& dialog) override {
        if (m_abandoned)
            return kAbandoned;
        HWND owner = hasWindow() ? top().handle() : nullptr;
        Win32DialogWindow window(dialog, this);
        m_windows.push_back(&window);
        window.runModal(owner);
        const bool ended = window.ended();
        const int result = window.result();
        dialog.onDestroy();
        m_windows.pop_back();
        if (hasWindow())
            top().requestStep(); // the window below waits for the user again
        if (!ended)
            return kAbandoned;
        transcript().windowClosed(dialog.className());
        return result;
    }

    bool hasWindow() const override { return !m_windows.empty(); }
    std::vector<int> controlIds() const override {
        return hasWindow() ? top().ids() : std::vector<int>{};
    }
    std::optional<ControlState> controlState(int id) const override {
        return hasWindow() ? top().state(id) : std::nullopt;
    }

    // Opens the list, moves to the entry and presses Enter on it, as a keyboard user does.
    void userSelect(int id, int position) override {
        Win32DialogWindow& w = top();
        HWND list = w.control(id);
        if (!list)
            return;
        SetFocus(list);
        const int before = w.picks();
        SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
        if (w.picks() == before && !w.ended()) { // the drop-down could not be used
            SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
            w.reportPick(id);
        }
    }

    void userCloseList(int id) override {
        HWND list = top().control(id);
        if (!list)
            return;
        SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
    }

    // The user selects what is there and types over it, a character at a time.
    void userType(int id, std::string_view text) override {
        Win32DialogWindow& w = top();
        HWND edit = w.control(id);
        if (!edit || (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY))
            return;
        SetFocus(edit);
        bool typedAny = false;
        for (const std::string& character : splitUtf8(text)) {
            const std::wstring units = widenUtf8(typedCharacter(character));
            if (units.empty())
                continue;
            const int length = GetWindowTextLengthW(edit);
            if (typedAny)
                SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
            else
                SendMessageW(edit, EM_SETSEL, 0, -1);
            const std::wstring before = windowTextOf(edit);
            if (units.size() == 1) {
                SendMessageW(edit, WM_CHAR, units[0], 1);
            } else {
                // A surrogate pair goes in whole or not at all: the limit counts its two units.
                const int limit = static_cast<int>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
                const int kept = typedAny ? length : 0;
                if (kept + static_cast<int>(units.size()) <= limit)
                    SendMessageW(edit, EM_REPLACESEL, TRUE,
                                 reinterpret_cast<LPARAM>(units.c_str()));
            }
            if (w.ended())
                break;
            // Taken (even where it left the text as it was) once the selection gave way to it.
            DWORD start = 0, end = 0;
            SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            if (start == end || windowTextOf(edit) != before)
                typedAny = true;
        }
    }

    void userClear(int id) override {
        HWND edit = top().control(id);
        if (!edit || (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY))
            return;
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, WM_CLEAR, 0, 0);
    }

    void userClick(int id) override {
        Win32DialogWindow& w = top();
        HWND target = w.control(id);
        const auto state = w.state(id);
        if (target && state && state->kind == ControlKind::Button) {
            SendMessageW(target, BM_CLICK, 0, 0);
        } else if (target && state && state->link) {
            SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
            SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        } else {
            w.dialog().onClick(id);
        }
    }

    // Enter and Esc go to the focused control through the window's own loop, so the dialog
    // manager turns them into the window's OK or Cancel; Tab moves as the dialog manager moves;
    // the others go to the focused control itself.
    void userKey(Key key) override {
        Win32DialogWindow& w = top();
        HWND focus = w.focused() ? w.focused() : w.handle();
        if (key == Key::Tab || key == Key::BackTab) {
            w.tab(key == Key::BackTab);
            return;
        }
        if (key == Key::Space || key == Key::Up || key == Key::Down) {
            if (focus == w.handle())
                return;
            const WPARAM vk = key == Key::Space ? VK_SPACE : key == Key::Up ? VK_UP : VK_DOWN;
            SendMessageW(focus, WM_KEYDOWN, vk, 1);
            if (IsWindow(focus))
                SendMessageW(focus, WM_KEYUP, vk, 1 | (3u << 30));
            return;
        }
        const WPARAM vk = key == Key::Enter ? VK_RETURN : VK_ESCAPE;
        const UINT scan = MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
        PostMessageW(focus, WM_KEYDOWN, vk, 1 | (scan << 16));
        PostMessageW(focus, WM_KEYUP, vk, 1 | (scan << 16) | (3u << 30));
    }

    // Ctrl held while the key goes to the focused control, as the keyboard sends it.
    void userShortcut(char key) override {
        Win32DialogWindow& w = top();
        HWND focus = w.focused() ? w.focused() : w.handle();
        BYTE keys[256];
        GetKeyboardState(keys);
        const BYTE control = keys[VK_CONTROL];
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(focus, WM_KEYDOWN, static_cast<unsigned char>(key), 1);
        keys[VK_CONTROL] = control;
        SetKeyboardState(keys);
    }

    void userAlt(std::string_view letter) override { top().mnemonic(letter); }

    int focusedControl() const override {
        if (!hasWindow())
            return kUnnamed;
        const HWND focus = top().focused();
        for (int id : top().ids())
            if (top().control(id) == focus)
                return id;
        return kUnnamed;
    }

    void userClose() override { PostMessageW(top().handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

    void userMenuAbout() override { SendMessageW(top().handle(), WM_SYSCOMMAND, kAboutCommand, 0); }
    void userMenuLoad() override { SendMessageW(top().handle(), WM_SYSCOMMAND, kLoadCommand, 0); }
    bool hasAboutMenu() const override { return hasWindow() && top().hasMenuItem(kAboutCommand); }
    bool hasLoadMenu() const override { return hasWindow() && top().hasMenuItem(kLoadCommand); }

    bool screenshot(const std::string& path, std::string& reason) override {
        if (!hasWindow()) {
            reason = "no window is open";
            return false;
        }
        return writeWindowPng(top().handle(), path, reason);
    }

  private:
    static std::wstring windowTextOf(HWND hwnd) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    void initialised(Win32DialogWindow& window) override {
        if (window.ended())
            return;
        transcript().windowShown(window.dialog().className(), window.title());
        // The dialog loop shows a window only once its queue runs empty, which a driver's own
        // turns never let happen: shown now, as a person would see it.
        ShowWindow(window.handle(), SW_SHOWNORMAL);
        UpdateWindow(window.handle());
        window.requestStep();
    }

    void waiting(Win32DialogWindow& window) override {
        if (!hasWindow() || &window != &top())
            return; // a window under the current one waits for it to close
        if (m_abandoned || !step()) {
            m_abandoned = true;
            window.abandon();
            return;
        }
        if (!window.ended())
            window.requestStep();
    }

    Win32DialogWindow& top() const { return *m_windows.back(); }

    std::vector<Win32DialogWindow*> m_windows; // the current window is the last
    bool m_abandoned = false;
};

} // namespace

std::unique_ptr<ScriptedHost> makeWin32ScriptedHost(Transcript& transcript) {
    return std::make_unique<Win32ScriptedHost>(transcript);
}

} // namespace quorvex::ui::win32
