// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogHost.h"
#include "ui/Transcript.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvex::ui {

// What a driver sees of a control and what a user can do to it.
struct ControlState {
    int id = kUnnamed;
    ControlKind kind = ControlKind::Static;
    std::string text;
    std::vector<std::string> items;
    int selected = -1;
    bool readOnly = false;
    bool enabled = true;
    bool visible = true;
    bool link = false;
    std::string name; // what a screen reader announces
};

// Keys a keyboard user presses: Enter and Esc go to the window (its default button, Cancel), the
// others to the focused control.
enum class Key { Enter, Esc, Tab, BackTab, Space, Up, Down };

// A host that a script drives like a user: both the in-memory host and the Qt host implement it,
// so the same script gives the same transcript on either.
class ScriptedHost : public DialogHost {
  public:
    // Called whenever a window waits for the user; returns false to stop (run() then returns
    // kAbandoned for every open window).
    using Step = std::function<bool(ScriptedHost&)>;
    void setStep(Step step) { m_step = std::move(step); }

    explicit ScriptedHost(Transcript& transcript) : m_transcript(transcript) {}

    // The user's actions on the current window. The driver checks kind, enabling and positions
    // against controlState() first.
    virtual bool hasWindow() const = 0;
    virtual std::vector<int> controlIds() const = 0; // named controls, in id order
    virtual std::optional<ControlState> controlState(int id) const = 0;
    virtual void userSelect(int id, int position) = 0;
    virtual void userCloseList(int id) = 0;
    virtual void userType(int id, std::string_view text) = 0;
    virtual void userClear(int id) = 0;
    virtual void userClick(int id) = 0;
    virtual void userKey(Key key) = 0;
    // Ctrl and a capital letter or digit, pressed in the focused control.
    virtual void userShortcut(char key) = 0;
    // Alt and one letter (UTF-8): the button or label whose Alt+letter it is.
    virtual void userAlt(std::string_view letter) = 0;
    // The control that has the keyboard focus; kUnnamed when none.
    virtual int focusedControl() const = 0;
    virtual void userClose() = 0;
    virtual void userMenuAbout() = 0;
    virtual void userMenuLoad() = 0;
    // The current window offers the About item (in its system or context menu).
    virtual bool hasAboutMenu() const = 0;
    // The current window offers "Load from card…".
    virtual bool hasLoadMenu() const = 0;
    // Writes a PNG of the current window; false with a reason when the host cannot.
    virtual bool screenshot(const std::string& path, std::string& reason) = 0;

    // Answers for the folder chooser, in order; nothing queued means cancelled.
    void queueFolder(std::optional<std::string> answer) { m_folders.push_back(std::move(answer)); }
    // The clock stands still at this time from now on.
    void fixClock(LocalTime time) { m_fixedClock = time; }

    // The removable volumes from now on, instead of the machine's.
    void fakeRemovableVolumes(std::vector<std::string> volumes) { m_volumes = std::move(volumes); }

    // Where the folder chooser last opened.
    const std::string& lastStartFolder() const { return m_lastStart; }

    std::optional<std::string> chooseFolder(const std::string& startFolder) override;
    std::vector<std::string> removableVolumes() const override;
    LocalTime localTime() override;
    void openUrl(std::string_view url) override { m_transcript.openUrl(url); }
    void showInfoMessage(std::string_view text) override { m_transcript.message(text); }
    void showWarningMessage(std::string_view text) override { m_transcript.warning(text); }
    void fileWritten(std::string_view path, std::size_t size) override {
        m_transcript.wrote(path, size);
    }
    void log(std::string_view text) override;

  protected:
    bool step() { return m_step && m_step(*this); }
    Transcript& transcript() { return m_transcript; }

  private:
    Transcript& m_transcript;
    Step m_step;
    std::deque<std::optional<std::string>> m_folders;
    std::optional<LocalTime> m_fixedClock;
    std::optional<std::vector<std::string>> m_volumes;
    std::string m_lastStart;
};

} // namespace quorvex::ui
