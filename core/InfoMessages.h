// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quorvex::ui {

inline constexpr std::string_view kProductTitle = "Quorvex";
inline constexpr int kMessageIcon = 128; // icon resource of every message box
inline constexpr int kWindowIcon = 165;  // large and small icon of every window

// The common message box: no owner window, caption "Quorvex", icon 128, one OK button.
// Every folder tells the user through it (the file writers too), so it sits in core; the hosts
// in ui/ implement it.
class InfoMessages {
  public:
    virtual ~InfoMessages() = default;
    virtual void showInfoMessage(std::string_view text) = 0;
    // The same box with the system's warning icon instead of icon 128, for what the user has to
    // act on outside the program (a locked card). Hosts without a warning box show it as above.
    virtual void showWarningMessage(std::string_view text) { showInfoMessage(text); }
    // The dialog framework's own validation messages (an empty number edit, an over-long text).
    // Shown in the same box by the hosts of this tool.
    virtual void showValidationMessage(std::string_view text) { showInfoMessage(text); }
    // An output file has been completely and durably written (the driver's transcript shows it).
    virtual void fileWritten(std::string_view /*path*/, std::size_t /*size*/) {}
};

} // namespace quorvex::ui
