// SPDX-License-Identifier: MIT
#pragma once

#include "card/CameraClock.h"
#include "ui/DialogHost.h"

#include <optional>
#include <string>

namespace quorvex::camera_menu {

// The last clock reading, shared by every camera form for the program's lifetime: a record
// carries the time of the last reading (form creation, "Get Time", a date-format change), not
// the time of writing. Only readLocalClock writes it.

// ReadLocalClock: the host's local clock as clockFieldsAt keeps it.
void readLocalClock(ClockFields& fields, ui::DialogHost& host);

// The clock text for a position of the date-format list: 0 year first, 1 month first, 2 day
// first; nullopt for no selection (the text stays as it was).
std::optional<std::string> clockText(const ClockFields& fields, int dateFormatPosition);

// The text every form shows when it is created, whatever its date format.
std::string yearFirstClockText(const ClockFields& fields);

} // namespace quorvex::camera_menu
