// SPDX-License-Identifier: MIT
// The behaviour every scripted host must share with the dialog framework, as a typed test
// suite: instantiate it with a factory type that has
//   static std::unique_ptr<quorvex::ui::ScriptedHost> make(quorvex::ui::Transcript&);
#pragma once

#include "ui/ScriptedHost.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace quorvex::testing {

namespace contract {

using K = ui::ControlKind;
using namespace ui::style;

inline constexpr int kEdit = 10, kDigits = 11, kLimited = 12, kReadOnly = 13;
inline constexpr int kList = 20, kButton = 30, kLabel = 40, kHidden = 41;

inline constexpr std::array kControls{
    ui::ControlSpec{kLabel, K::Static, "Label", 5, 5, 60, 10},
    ui::ControlSpec{kEdit, K::Edit, "", 70, 5, 60, 12},
    ui::ControlSpec{kDigits, K::Edit, "", 70, 20, 60, 12, DigitsOnly | Centred},
    ui::ControlSpec{kLimited, K::Edit, "", 70, 35, 60, 12, 0, 3},
    ui::ControlSpec{kReadOnly, K::Edit, "fixed", 70, 50, 60, 12, ReadOnly},
    ui::ControlSpec{kList, K::List, "", 70, 65, 60, 14},
    ui::ControlSpec{kButton, K::Button, "Press", 5, 85, 50, 14},
    ui::ControlSpec{kHidden, K::Static, "Hidden", 5, 100, 50, 10, Hidden},
    ui::ControlSpec{1, K::Button, "OK", 60, 85, 50, 14, DefaultButton},
    ui::ControlSpec{2, K::Button, "Cancel", 115, 85, 50, 14},
};
inline const ui::DialogTemplate kTemplate{900, "Contract", 180, 115, kControls};

// Writes down every notification; what it does on init and on a pick is up to the test.
class RecordingDialog : public ui::Dialog {
  public:
    const ui::DialogTemplate& dialogTemplate() const override { return kTemplate; }
    std::string_view className() const override { return "CContractDlg"; }
    void onInit(ui::DialogWindow& window) override {
        Dialog::onInit(window);
        w = &window;
        for (const char* item : {"zero", "one", "two"})
            window.addItem(kList, item);
        window.select(kList, 1);
        if (init)
            init(window);
    }
    void onEditChange(int id) override {
        events.push_back("change " + std::to_string(id) + " " + w->text(id));
    }
    void onListPick(int id) override {
        events.push_back("pick " + std::to_string(id) + " " + std::to_string(w->selected(id)));
        if (pick)
            pick(*w);
    }
    void onListCloseUp(int id) override { events.push_back("closeup " + std::to_string(id)); }
    std::span<const ui::Shortcut> shortcuts() const override {
        static constexpr std::array<ui::Shortcut, 1> kShortcuts{{{'O', kButton}}};
        return kShortcuts;
    }
    void onClick(int id) override {
        events.push_back("click " + std::to_string(id));
        if (id == 1 || id == 2)
            w->end(id);
    }
    void onDestroy() override {
        Dialog::onDestroy();
        w = nullptr;
    }

    std::function<void(ui::DialogWindow&)> init, pick;
    std::vector<std::string> events;
    ui::DialogWindow* w = nullptr;
};

} // namespace contract

template <typename Factory> class HostContract : public ::testing::Test {
  protected:
    using Action = std::function<void(ui::ScriptedHost&)>;

    // Runs the dialog, doing one action each time it waits for the user; stops when none are left.
    int run(ui::Dialog& dialog, std::vector<Action> actions) {
        std::deque<Action> queue(actions.begin(), actions.end());
        m_host->setStep([queue](ui::ScriptedHost& host) mutable {
            if (queue.empty())
                return false;
            auto action = std::move(queue.front());
            queue.pop_front();
            action(host);
            return true;
        });
        return m_host->run(dialog);
    }
    std::string transcript() const { return m_out.str(); }

    std::ostringstream m_out;
    ui::Transcript m_transcript{m_out};
    std::unique_ptr<ui::ScriptedHost> m_host = Factory::make(m_transcript);
};

TYPED_TEST_SUITE_P(HostContract);

using contract::RecordingDialog;

TYPED_TEST_P(HostContract, ProgramTextChangesAreReportedOnlyWhenTheTextChanges) {
    RecordingDialog d;
    d.init = [](ui::DialogWindow& w) {
        w.setText(contract::kEdit, "abc");
        w.setText(contract::kEdit, "abc");
        w.setText(contract::kLabel, "New label"); // statics never report
    };
    this->run(d, {[](ui::ScriptedHost& h) { h.userClick(1); }});
    EXPECT_EQ(d.events, (std::vector<std::string>{"change 10 abc", "click 1"}));
}

TYPED_TEST_P(HostContract, ProgramSelectionIsSilentButEveryPickIsReported) {
    RecordingDialog d;
    d.init = [](ui::DialogWindow& w) { w.select(contract::kList, 2); };
    this->run(d, {[](ui::ScriptedHost& h) { h.userSelect(contract::kList, 2); },
                  [](ui::ScriptedHost& h) { h.userSelect(contract::kList, 0); },
                  [](ui::ScriptedHost& h) { h.userCloseList(contract::kList); },
                  [](ui::ScriptedHost& h) { h.userClick(2); }});
    EXPECT_EQ(d.events,
              (std::vector<std::string>{"pick 20 2", "pick 20 0", "closeup 20", "click 2"}));
}

TYPED_TEST_P(HostContract, TypingFollowsTheEditsRules) {
    RecordingDialog d;
    d.init = [](ui::DialogWindow& w) { w.setText(contract::kDigits, "99"); };
    this->run(d, {[](ui::ScriptedHost& h) { h.userType(contract::kDigits, "4x2"); },
                  [](ui::ScriptedHost& h) { h.userType(contract::kLimited, "abcde"); },
                  [](ui::ScriptedHost& h) { h.userType(contract::kReadOnly, "zzz"); },
                  [](ui::ScriptedHost& h) { h.userType(contract::kEdit, "Zoë"); },
                  [](ui::ScriptedHost& h) { h.userClear(contract::kEdit); },
                  [](ui::ScriptedHost& h) { h.userClick(1); }});
    EXPECT_EQ(d.events, (std::vector<std::string>{"change 11 99", "change 11 4", "change 11 42",
                                                  "change 12 a", "change 12 ab", "change 12 abc",
                                                  "change 10 Z", "change 10 Zo", "change 10 Zoë",
                                                  "change 10 ", "click 1"}));
    ASSERT_TRUE(this->m_host->hasWindow() == false);
}

TYPED_TEST_P(HostContract, LimitsCountUtf16UnitsAndControlKeysInsertNothing) {
    RecordingDialog d;
    this->run(d, {[](ui::ScriptedHost& h) {
                      h.userType(contract::kLimited, "\xF0\x9F\x98\x80"
                                                     "ab");
                  },
                  [](ui::ScriptedHost& h) {
                      h.userType(contract::kEdit, "a\x01"
                                                  "b\x7F");
                  },
                  [](ui::ScriptedHost& h) { h.userClick(1); }});
    // The emoji takes two of the three places, so "b" no longer fits.
    EXPECT_EQ(d.events, (std::vector<std::string>{"change 12 \xF0\x9F\x98\x80",
                                                  "change 12 \xF0\x9F\x98\x80"
                                                  "a",
                                                  "change 10 a", "change 10 ab", "click 1"}));
}

TYPED_TEST_P(HostContract, KeysAndCloseBoxGoThroughTheForm) {
    for (auto [key, expected] :
         {std::pair{0, "click 1"}, std::pair{1, "click 2"}, std::pair{2, "click 2"}}) {
        RecordingDialog d;
        const int result = this->run(d, {[key = key](ui::ScriptedHost& h) {
                                         if (key == 0)
                                             h.userKey(ui::Key::Enter);
                                         else if (key == 1)
                                             h.userKey(ui::Key::Esc);
                                         else
                                             h.userClose();
                                     }});
        EXPECT_EQ(d.events, std::vector<std::string>{expected});
        EXPECT_EQ(result, key == 0 ? 1 : 2);
    }
}

TYPED_TEST_P(HostContract, CtrlShortcutsClickTheirControlFromAnyFocus) {
    RecordingDialog d;
    this->run(d, {[](ui::ScriptedHost& h) { h.userShortcut('O'); },
                  [](ui::ScriptedHost& h) {
                      h.userType(contract::kEdit, "x"); // the focus is in an edit now
                      h.userShortcut('O');
                  },
                  [](ui::ScriptedHost& h) { h.userShortcut('P'); }, // no such shortcut
                  [](ui::ScriptedHost& h) { h.userClick(1); }});
    EXPECT_EQ(d.events,
              (std::vector<std::string>{"click 30", "change 10 x", "click 30", "click 1"}));
}

TYPED_TEST_P(HostContract, WarningsAreToldApartFromMessages) {
    RecordingDialog d;
    this->run(d, {[](ui::ScriptedHost& h) {
                  h.showWarningMessage("Cannot write x: denied\nsecond line");
                  h.showInfoMessage("done\nx");
                  h.userClick(1);
              }});
    EXPECT_EQ(this->transcript(), "window CContractDlg \"Contract\"\n"
                                  "warning \"Cannot write x: denied\"\n"
                                  "  \"second line\"\n"
                                  "message \"done\"\n"
                                  "  \"x\"\n"
                                  "closed CContractDlg\n");
}

TYPED_TEST_P(HostContract, ControlStateShowsWhatTheFormSet) {
    RecordingDialog d;
    std::optional<ui::ControlState> edit, list, hidden, button;
    d.init = [](ui::DialogWindow& w) {
        w.setText(contract::kEdit, "text");
        w.setReadOnly(contract::kEdit, true);
        w.setEnabled(contract::kButton, false);
        w.setVisible(contract::kHidden, true);
        w.setVisible(contract::kLabel, false);
        w.setTitle("Retitled");
    };
    this->run(
        d, {[&](ui::ScriptedHost& h) {
                edit = h.controlState(contract::kEdit);
                list = h.controlState(contract::kList);
                hidden = h.controlState(contract::kHidden);
                button = h.controlState(contract::kButton);
                EXPECT_FALSE(h.controlState(contract::kLabel)->visible);
                EXPECT_FALSE(h.controlState(999));
                EXPECT_EQ(h.controlIds(), (std::vector<int>{1, 2, 10, 11, 12, 13, 20, 30, 40, 41}));
            },
            [](ui::ScriptedHost& h) { h.userClick(1); }});
    ASSERT_TRUE(edit && list && hidden && button);
    EXPECT_EQ(edit->text, "text");
    EXPECT_TRUE(edit->readOnly);
    EXPECT_EQ(list->items, (std::vector<std::string>{"zero", "one", "two"}));
    EXPECT_EQ(list->selected, 1);
    EXPECT_TRUE(hidden->visible);
    EXPECT_FALSE(button->enabled);
    EXPECT_EQ(this->transcript(), "window CContractDlg \"Retitled\"\nclosed CContractDlg\n");
}

TYPED_TEST_P(HostContract, ListsCanBeRefilledAndLeftWithoutSelection) {
    RecordingDialog d;
    int count = -1, selected = -2;
    d.pick = [&](ui::DialogWindow& w) {
        w.clearList(contract::kList);
        w.addItem(contract::kList, "only");
        w.select(contract::kList, 5); // past the end: no selection
        count = w.itemCount(contract::kList);
        selected = w.selected(contract::kList);
    };
    this->run(d, {[](ui::ScriptedHost& h) { h.userSelect(contract::kList, 0); },
                  [](ui::ScriptedHost& h) { h.userClick(1); }});
    EXPECT_EQ(count, 1);
    EXPECT_EQ(selected, -1);
}

TYPED_TEST_P(HostContract, MessagesAndNestedWindowsAppearInTheTranscript) {
    RecordingDialog outer;
    RecordingDialog inner;
    this->run(outer, {[&](ui::ScriptedHost& h) {
                  h.showInfoMessage("Say \"hi\" \\ there");
                  h.fileWritten("card/menu.dat", 60);
                  h.openUrl("https://www.quorvex.example/");
                  h.setStep([](ui::ScriptedHost& nested) {
                      nested.userKey(ui::Key::Esc);
                      return true;
                  });
                  EXPECT_EQ(h.run(inner), 2);
                  EXPECT_TRUE(h.hasWindow()); // the outer window is current again
                  h.userClick(1);
              }});
    EXPECT_EQ(this->transcript(), "window CContractDlg \"Contract\"\n"
                                  "message \"Say \\\"hi\\\" \\\\ there\"\n"
                                  "wrote card/menu.dat 60\n"
                                  "open-url https://www.quorvex.example/\n"
                                  "window CContractDlg \"Contract\"\n"
                                  "closed CContractDlg\n"
                                  "closed CContractDlg\n");
}

TYPED_TEST_P(HostContract, AStoppedScriptAbandonsEveryOpenWindow) {
    RecordingDialog outer, inner;
    int innerResult = 0;
    const int result = this->run(outer, {[&](ui::ScriptedHost& h) { innerResult = h.run(inner); }});
    EXPECT_EQ(innerResult, ui::kAbandoned);
    EXPECT_EQ(result, ui::kAbandoned);
    EXPECT_EQ(this->transcript(),
              "window CContractDlg \"Contract\"\nwindow CContractDlg \"Contract\"\n");
    EXPECT_FALSE(this->m_host->hasWindow());
}

TYPED_TEST_P(HostContract, FolderQueueAndFixedClock) {
    this->m_host->queueFolder(std::string("/media/card"));
    this->m_host->queueFolder(std::nullopt);
    EXPECT_EQ(this->m_host->chooseFolder("/media"), std::optional<std::string>("/media/card"));
    EXPECT_EQ(this->m_host->chooseFolder("/media"), std::nullopt);
    EXPECT_EQ(this->m_host->chooseFolder("/media"), std::nullopt); // nothing queued: cancelled
    this->m_host->fixClock({2040, 2, 29, 23, 59, 58});
    const ui::LocalTime t = this->m_host->localTime();
    EXPECT_EQ(t.year, 2040);
    EXPECT_EQ(t.second, 58);
}

REGISTER_TYPED_TEST_SUITE_P(HostContract, ProgramTextChangesAreReportedOnlyWhenTheTextChanges,
                            ProgramSelectionIsSilentButEveryPickIsReported,
                            TypingFollowsTheEditsRules,
                            LimitsCountUtf16UnitsAndControlKeysInsertNothing,
                            KeysAndCloseBoxGoThroughTheForm,
                            CtrlShortcutsClickTheirControlFromAnyFocus,
                            WarningsAreToldApartFromMessages, ControlStateShowsWhatTheFormSet,
                            ListsCanBeRefilledAndLeftWithoutSelection,
                            MessagesAndNestedWindowsAppearInTheTranscript,
                            AStoppedScriptAbandonsEveryOpenWindow, FolderQueueAndFixedClock);

} // namespace quorvex::testing
