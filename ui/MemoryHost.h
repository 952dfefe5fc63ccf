// SPDX-License-Identifier: MIT
#pragma once

#include "ui/ScriptedHost.h"

#include <memory>
#include <vector>

namespace quorvex::ui {

// Windows that exist only in memory, behaving like the dialog framework's: for tests and for
// the scripted driver.
class MemoryHost final : public ScriptedHost {
  public:
    explicit MemoryHost(Transcript& transcript);
    ~MemoryHost() override;

    int run(Dialog& dialog) override;

    bool hasWindow() const override { return !m_windows.empty(); }
    std::vector<int> controlIds() const override;
    std::optional<ControlState> controlState(int id) const override;
    void userSelect(int id, int position) override;
    void userCloseList(int id) override;
    void userType(int id, std::string_view text) override;
    void userClear(int id) override;
    void userClick(int id) override;
    void userKey(Key key) override;
    void userShortcut(char key) override;
    void userAlt(std::string_view letter) override;
    int focusedControl() const override { return focus(); }
    void userClose() override;
    void userMenuAbout() override;
    void userMenuLoad() override;
    bool hasAboutMenu() const override;
    bool hasLoadMenu() const override;
    bool screenshot(const std::string& path, std::string& reason) override;

    // For tests: the current window's title, focus and the pixel offset a control was moved by.
    std::string title() const;
    int focus() const;
    std::pair<int, int> offset(int id) const;

    class Window;

  private:
    Window& top() const { return *m_windows.back(); }

    std::vector<std::unique_ptr<Window>> m_windows; // the current window is the last
    bool m_abandoned = false;
};

} // namespace quorvex::ui
