// SPDX-License-Identifier: MIT
#pragma once

// Makes Qt's accessibility name the template lists by their accessible name. Qt's own combo box
// interface on Linux gives the current entry as the name ("0" for a serial character, "Off" for a
// switch) and leaves the label to a relation, which the serial characters and the other lists
// without a label of their own do not have. Installed once, before the first window is built.
namespace quorvex::ui {

void useListAccessibility();

} // namespace quorvex::ui
