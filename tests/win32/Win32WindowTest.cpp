// SPDX-License-Identifier: MIT
// What the native windows do beyond the contract every host meets: the controls the templates
// make, the notifications the system sends that the forms must not see, pasting, moving,
// colours, scrolling and pictures.
#include "ui/win32/Win32DialogWindow.h"
#include "ui/win32/Win32ScriptedHost.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <fstream>
#include <functional>
#include <sstream>

namespace quorvex::testing {
namespace {

using K = ui::ControlKind;
using namespace ui::style;

constexpr int kEdit = 10, kDigits = 11, kReadOnly = 12, kList = 20, kOther = 21, kButton = 30;
constexpr int kLabel = 40, kFrame = 41, kLink = 42;

constexpr std::array kControls{
    ui::ControlSpec{kFrame, K::GroupBox, "Frame", 2, 2, 176, 90},
    ui::ControlSpec{kLabel, K::Static, "Label & more", 5, 12, 60, 10},
    ui::ControlSpec{kEdit, K::Edit, "", 70, 12, 60, 12},
    ui::ControlSpec{kDigits, K::Edit, "", 70, 27, 60, 12, DigitsOnly, 4},
    ui::ControlSpec{kReadOnly, K::Edit, "fixed", 70, 42, 60, 12, ReadOnly},
    ui::ControlSpec{kList, K::List, "", 70, 57, 60, 60},
    ui::ControlSpec{kOther, K::List, "", 70, 72, 60, 60},
    ui::ControlSpec{kLink, K::Static, "www.quorvex.example", 5, 95, 80, 10, Link},
    ui::ControlSpec{kButton, K::Button, "Press", 5, 110, 50, 14},
    ui::ControlSpec{1, K::Button, "OK", 60, 110, 50, 14, DefaultButton},
    ui::ControlSpec{2, K::Button, "Cancel", 115, 110, 50, 14},
};
const ui::DialogTemplate kTemplate{901, "Native", 180, 130, kControls};

// A window far taller than any screen, with a button at its foot.
constexpr std::array kTallControls{
    ui::ControlSpec{kEdit, K::Edit, "", 5, 5, 60, 12},
    ui::ControlSpec{kButton, K::Button, "Foot", 5, 1480, 50, 14},
    ui::ControlSpec{2, K::Button, "Cancel", 60, 1480, 50, 14},
};
const ui::DialogTemplate kTallTemplate{902, "Tall", 120, 1500, kTallControls};

class NativeDialog : public ui::Dialog {
  public:
    explicit NativeDialog(const ui::DialogTemplate& t = kTemplate) : m_template(t) {}
    const ui::DialogTemplate& dialogTemplate() const override { return m_template; }
    std::string_view className() const override { return "CNativeDlg"; }
    void onInit(ui::DialogWindow& window) override {
        Dialog::onInit(window);
        for (int id : {kList, kOther})
            for (const char* item : {"zero", "one", "two"})
                window.addItem(id, item);
    }
    void onEditChange(int id) override { events.push_back("change " + std::to_string(id)); }
    void onListPick(int id) override { events.push_back("pick " + std::to_string(id)); }
    void onListCloseUp(int id) override { events.push_back("closeup " + std::to_string(id)); }
    void onClick(int id) override {
        events.push_back("click " + std::to_string(id));
        if (id == 1 || id == 2)
            window().end(id);
    }
    std::vector<std::string> events;
    using Dialog::window;

  private:
    const ui::DialogTemplate& m_template;
};

// Runs the dialog on the native host; `inside` gets the window's handle while it waits.
class NativeWindow : public ::testing::Test {
  protected:
    void run(NativeDialog& dialog, std::function<void(HWND, ui::ScriptedHost&)> inside) {
        bool done = false;
        m_host->setStep([&](ui::ScriptedHost& host) {
            if (done)
                return false;
            done = true;
            // The form's own window, whichever window of the desktop is active now.
            inside(static_cast<ui::win32::Win32DialogWindow&>(dialog.window()).handle(), host);
            host.userKey(ui::Key::Esc);
            return true;
        });
        m_host->run(dialog);
    }

    std::ostringstream m_out;
    ui::Transcript m_transcript{m_out};
    std::unique_ptr<ui::ScriptedHost> m_host = ui::win32::makeWin32ScriptedHost(m_transcript);
};

std::wstring classOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

RECT placeOf(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void putOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::wstring textOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

TEST_F(NativeWindow, TemplatesBecomeTheSystemsControlsAtTheirDialogUnits) {
    NativeDialog d;
    run(d, [&](HWND w, ui::ScriptedHost&) {
        ASSERT_TRUE(w);
        EXPECT_EQ(textOf(w), L"Native");
        EXPECT_EQ(classOf(GetDlgItem(w, kEdit)), L"Edit");
        EXPECT_EQ(classOf(GetDlgItem(w, kList)), L"ComboBox");
        EXPECT_EQ(classOf(GetDlgItem(w, kButton)), L"Button");
        EXPECT_EQ(classOf(GetDlgItem(w, kLabel)), L"Static");
        // A literal "&" is shown as itself, not taken for an Alt+letter mark.
        EXPECT_NE(textOf(GetDlgItem(w, kLabel)).find(L"&&"), std::wstring::npos);
        EXPECT_EQ(d.window().text(kLabel), "Label & more");
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(w, kDigits), GWL_STYLE) & ES_NUMBER);
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(w, kReadOnly), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(SendMessageW(GetDlgItem(w, kDigits), EM_GETLIMITTEXT, 0, 0), 4);
        RECT expected{70, 27, 130, 39};
        MapDialogRect(w, &expected);
        const RECT actual = placeOf(w, GetDlgItem(w, kDigits));
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        // The frame lies behind the controls it holds.
        EXPECT_EQ(GetWindow(GetDlgItem(w, kFrame), GW_HWNDNEXT), nullptr);
    });
}

TEST_F(NativeWindow, FocusLeavingAClosedListIsNoCloseUpAndSettingTheSameTextIsNoChange) {
    NativeDialog d;
    run(d, [&](HWND w, ui::ScriptedHost& host) {
        SetFocus(GetDlgItem(w, kList));
        SetFocus(GetDlgItem(w, kEdit)); // the list reports a cancelled selection on focus loss
        SetWindowTextW(GetDlgItem(w, kEdit), L"abc");
        SetWindowTextW(GetDlgItem(w, kEdit), L"abc");
        host.userSelect(kOther, 1);
        host.userSelect(kOther, 1); // the same entry again is a pick too
    });
    EXPECT_EQ(d.events, (std::vector<std::string>{"change 10", "pick 21", "pick 21", "click 2"}));
}

TEST_F(NativeWindow, PastingFollowsTheRulesOfTyping) {
    NativeDialog d;
    std::wstring digits, refused, pair;
    run(d, [&](HWND w, ui::ScriptedHost&) {
        HWND edit = GetDlgItem(w, kDigits);
        putOnClipboard(w, L"123456\r\nnext line");
        SendMessageW(edit, WM_PASTE, 0, 0); // cut at the limit of 4
        digits = textOf(edit);
        SetWindowTextW(edit, L"");
        putOnClipboard(w, L"12a");
        SendMessageW(edit, WM_PASTE, 0, 0); // not digits: nothing goes in
        refused = textOf(edit);
        HWND plain = GetDlgItem(w, kEdit);
        SendMessageW(plain, EM_SETLIMITTEXT, 3, 0);
        putOnClipboard(w, L"ab\U0001F600");
        SendMessageW(plain, WM_PASTE, 0, 0); // the pair would be split at the limit: left out
        pair = textOf(plain);
    });
    EXPECT_EQ(digits, L"1234");
    EXPECT_EQ(refused, L"");
    EXPECT_EQ(pair, L"ab");
}

TEST_F(NativeWindow, MovesAreScaledFromTheFrameworksFontToTheWindows) {
    NativeDialog d;
    run(d, [&](HWND w, ui::ScriptedHost&) {
        const RECT before = placeOf(w, GetDlgItem(w, kButton));
        d.window().moveBy(kButton, 12, 26); // two base units each way in the framework's font
        const RECT after = placeOf(w, GetDlgItem(w, kButton));
        RECT units{0, 0, 8, 16};
        MapDialogRect(w, &units);
        EXPECT_EQ(after.left - before.left, units.right);
        EXPECT_EQ(after.top - before.top, units.bottom);
    });
}

TEST_F(NativeWindow, StaticsAndReadOnlyEditsSitOnTheBlueWithWhiteText) {
    NativeDialog d;
    run(d, [&](HWND w, ui::ScriptedHost&) {
        HDC dc = GetDC(w);
        for (int id : {kLabel, kReadOnly, kFrame}) {
            const auto brush = SendMessageW(w, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(GetDlgItem(w, id)));
            LOGBRUSH lb{};
            GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
            EXPECT_EQ(lb.lbColor, RGB(111, 153, 224)) << id;
            EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255)) << id;
        }
        // An editable edit that is only disabled keeps the system's colours.
        EnableWindow(GetDlgItem(w, kEdit), FALSE);
        const auto brush = SendMessageW(w, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(GetDlgItem(w, kEdit)));
        LOGBRUSH lb{};
        GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
        EXPECT_NE(lb.lbColor, RGB(111, 153, 224));
        ReleaseDC(w, dc);
    });
}

TEST_F(NativeWindow, AWindowTallerThanTheScreenScrollsTheFocusedControlIntoView) {
    NativeDialog d(kTallTemplate);
    run(d, [&](HWND w, ui::ScriptedHost&) {
        EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_VSCROLL);
        RECT window;
        GetWindowRect(w, &window);
        EXPECT_LE(window.bottom - window.top, GetSystemMetrics(SM_CYFULLSCREEN) + 60);
        SendMessageW(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(w, kButton)), TRUE);
        RECT client;
        GetClientRect(w, &client);
        const RECT foot = placeOf(w, GetDlgItem(w, kButton));
        EXPECT_GE(foot.top, 0);
        EXPECT_LE(foot.bottom, client.bottom);
    });
}

TEST_F(NativeWindow, TheWindowMenuCarriesNothingTheFormDoesNotOffer) {
    NativeDialog d;
    bool about = true, load = true;
    run(d, [&](HWND, ui::ScriptedHost& host) {
        about = host.hasAboutMenu();
        load = host.hasLoadMenu();
    });
    EXPECT_FALSE(about);
    EXPECT_FALSE(load);
}

TEST_F(NativeWindow, AScreenshotIsAPngOfTheWindow) {
    TempDir dir;
    const std::string path = dir.file("window.png");
    NativeDialog d;
    std::string reason;
    bool written = false;
    run(d, [&](HWND, ui::ScriptedHost& host) { written = host.screenshot(path, reason); });
    ASSERT_TRUE(written) << reason;
    std::ifstream png(path, std::ios::binary);
    char magic[8] = {};
    png.read(magic, 8);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
}

} // namespace
} // namespace quorvex::testing
