// SPDX-License-Identifier: MIT
#include "mms/CQuorvexMMS.h"

#include "core/ModelCatalogue.h"
#include "mms/MmsChecks.h"
#include "mms/MmsTexts.h"
#include "ui/templates/MmsTemplates.h"

namespace quorvex::mms {

// The K5 and K7 offer no QVGA; their "SMS" keeps the code 3 of the four-entry list.
CQuorvexMMS::CQuorvexMMS(AppContext& context)
    : MmsForm(context,
              {.className = kClassName,
               .dialogTemplate = &ui::kMmsTemplate,
               .remote = ui::mms_ids::kGenericRemote,
               .send = modelFacts(context.state.modelId).mmsSend == MmsSendList::ThreeEntries
                           ? MmsSendList::ThreeEntries
                           : MmsSendList::FourEntries,
               .exchangePhoneLimit = 11,
               .standardChecks = standardChecks(kMessageGatewayDot),
               .smsChecks = smsChecks()}) {}

} // namespace quorvex::mms
