// SPDX-License-Identifier: MIT
#include "smtp/CQuorvexP4Smtp.h"

#include "ui/templates/SmtpTemplates.h"

namespace quorvex::smtp {

// A phone number of 1-4 characters fails here even with the remote control off.
CQuorvexP4Smtp::CQuorvexP4Smtp(AppContext& context)
    : SmtpForm(context, {.className = kClassName,
                         .dialogTemplate = &ui::kP4SmtpTemplate,
                         .ids = ui::smtp_ids::kP4,
                         .layout = SmtpLayout::P4,
                         .checks = smtpChecks(ui::smtp_ids::kP4, true)}) {}

} // namespace quorvex::smtp
