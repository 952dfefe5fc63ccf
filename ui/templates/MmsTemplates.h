// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

namespace quorvex::ui {

// 130: the generic MMS form. Inside the "MMS" group: mode and send lists, then framed rows for
// the picture limit, country and operator, SMS remote control and the connection and recipient
// texts; the folder row and the two buttons below.
extern const DialogTemplate kMmsTemplate;
// 142: the P4 MMS form, the same with the remote-control row in a group box of its own.
extern const DialogTemplate kP4MmsTemplate;

} // namespace quorvex::ui
