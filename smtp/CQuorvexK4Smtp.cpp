// SPDX-License-Identifier: MIT
#include "smtp/CQuorvexK4Smtp.h"

#include "ui/templates/SmtpTemplates.h"

namespace quorvex::smtp {

// Only the remote control makes a phone number necessary; a short one passes otherwise.
CQuorvexK4Smtp::CQuorvexK4Smtp(AppContext& context)
    : SmtpForm(context, {.className = kClassName,
                         .dialogTemplate = &ui::kK4SmtpTemplate,
                         .ids = ui::smtp_ids::kK4,
                         .layout = SmtpLayout::K4,
                         .checks = smtpChecks(ui::smtp_ids::kK4, false)}) {}

} // namespace quorvex::smtp
