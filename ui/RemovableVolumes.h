// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::ui {

// The mount points in a mount table (the text of /proc/self/mounts) where the desktop mounts
// removable volumes: /media/USER/NAME and /run/media/USER/NAME for `user`, and /media/NAME where
// no per-user folder is used. In table order.
std::vector<std::string> removableMountPoints(std::string_view mountTable, std::string_view user);

// The removable volumes mounted on this machine now (none where there is no mount table).
std::vector<std::string> systemRemovableVolumes();

// Where a form's folder chooser opens: the folder the form holds once the user has chosen one;
// while it is still the default, the only removable volume when exactly one is mounted, the folder
// that holds them when there are several, and the default folder when there is none. Never a
// system folder.
std::string folderChooserStart(std::string_view current, std::string_view defaultFolder,
                               std::span<const std::string> volumes);

} // namespace quorvex::ui
