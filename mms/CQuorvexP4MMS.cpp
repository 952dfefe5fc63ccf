// SPDX-License-Identifier: MIT
#include "mms/CQuorvexP4MMS.h"

#include "mms/MmsChecks.h"
#include "mms/MmsTexts.h"
#include "ui/templates/MmsTemplates.h"

namespace quorvex::mms {

// A gateway without a dot has its own Chinese message here.
CQuorvexP4MMS::CQuorvexP4MMS(AppContext& context)
    : MmsForm(context, {.className = kClassName,
                        .dialogTemplate = &ui::kP4MmsTemplate,
                        .remote = ui::mms_ids::kP4Remote,
                        .send = MmsSendList::P4,
                        .exchangePhoneLimit = 12,
                        .smsPickKeepsFlags = true,
                        .standardChecks = standardChecks(kMessageGatewayDotP4),
                        .smsChecks = smsChecks()}) {}

} // namespace quorvex::mms
