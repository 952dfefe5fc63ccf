// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogHost.h"

#include <vector>

class QWidget;

namespace quorvex::ui {

// The host of the quorvex program: real windows, message boxes, folder dialog and clock.
// Needs a QApplication.
class QtHost final : public DialogHost {
  public:
    QtHost();

    int run(Dialog& dialog) override;
    std::optional<std::string> chooseFolder(const std::string& startFolder) override;
    LocalTime localTime() override { return systemLocalTime(); }
    void openUrl(std::string_view url) override;
    void log(std::string_view text) override;
    void showInfoMessage(std::string_view text) override;
    void showWarningMessage(std::string_view text) override;

  private:
    std::vector<QWidget*> m_windows; // the open windows, the current one last
};

} // namespace quorvex::ui
