// SPDX-License-Identifier: MIT
#pragma once

#include "core/InfoMessages.h"
#include "core/LocalTime.h"
#include "ui/Dialog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::ui {

// Result of run() when the host stops before the window ended (a driver script ran out or
// failed): the application unwinds without showing anything more.
inline constexpr int kAbandoned = -1;

// The platform behind every window: modal runs and the services the forms need.
class DialogHost : public InfoMessages {
  public:
    // Shows the dialog and returns its result once it ends. Dialogs run one after another or
    // nested (About over the main window), never side by side.
    virtual int run(Dialog& dialog) = 0;

    // The folder chooser (no owner, empty title, a field for typing a path), opening at
    // `startFolder`; nullopt: cancelled or no file-system path.
    virtual std::optional<std::string> chooseFolder(const std::string& startFolder) = 0;
    virtual LocalTime localTime() = 0;
    virtual void openUrl(std::string_view url) = 0;
    // Something worth a line in the log (stderr), never shown to the user.
    virtual void log(std::string_view text) = 0;

    // The forms' starting folder: "C:\" on Windows; the user's home folder where there are no
    // drive letters, since "C:\" names no folder there.
    virtual std::string defaultFolder() const;
    // The mount points of the removable volumes (memory cards) mounted now, where the folder
    // chooser opens; a test host fakes them.
    virtual std::vector<std::string> removableVolumes() const;
};

} // namespace quorvex::ui
