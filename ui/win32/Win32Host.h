// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogHost.h"

#include <windows.h>

#include <vector>

namespace quorvex::ui::win32 {

class Win32DialogWindow;
class WindowDriver;

// The host of the quorvex program on Windows: native dialogs, message boxes, the folder
// chooser, the shell and the clock.
class Win32Host final : public DialogHost {
  public:
    Win32Host();

    int run(Dialog& dialog) override;
    std::optional<std::string> chooseFolder(const std::string& startFolder) override;
    LocalTime localTime() override;
    void openUrl(std::string_view url) override;
    void log(std::string_view text) override;
    void showInfoMessage(std::string_view text) override;
    void showWarningMessage(std::string_view text) override;
    // Something that watches every window's life (the start-up probe); none by default.
    void setDriver(WindowDriver* driver) { m_driver = driver; }

  private:
    HWND current() const;
    void messageBox(std::string_view text, bool warning);

    std::vector<Win32DialogWindow*> m_windows; // the current window is the last
    WindowDriver* m_driver = nullptr;
};

} // namespace quorvex::ui::win32
