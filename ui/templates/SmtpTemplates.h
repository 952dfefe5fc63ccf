// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

namespace quorvex::ui {

// 143: the P4 SMTP form. Mode and SMTP Status, picture limit, country and operator, SMS remote
// control, then the GPRS, sender, recipients and SMS groups, the folder row and the buttons.
extern const DialogTemplate kP4SmtpTemplate;
// 147: the K4 SMTP form, the same without the SMTP Status list.
extern const DialogTemplate kK4SmtpTemplate;

} // namespace quorvex::ui
