// SPDX-License-Identifier: MIT
#include "mms/CQuorvexMMS.h"

#include "core/ModelCatalogue.h"
#include "mms/MmsChecks.h"
#include "mms/MmsTexts.h"
#include "ui/templates/MmsTemplates.h"

namespace quorvex::mms {

namespace {

// The K5 and K7 offer no QVGA; their "SMS" keeps the code 3 of the four-entry list.
std::vector<SendEntry> sendList(int modelId) {
    if (modelFacts(modelId).mmsSend == MmsSendList::ThreeEntries)
        return {{&kTextOffMms, 0}, {&kTextVga, 1}, {&kTextSms, 3}};
    return {{&kTextOffMms, 0}, {&kTextVga, 1}, {&kTextQvga, 2}, {&kTextSms, 3}};
}

} // namespace

CQuorvexMMS::CQuorvexMMS(AppContext& context)
    : MmsForm(context, {.className = "CQuorvexMMS",
                        .dialogTemplate = &ui::kMmsTemplate,
                        .remote = ui::mms_ids::kGenericRemote,
                        .send = sendList(context.state.modelId),
                        .exchangePhoneLimit = 11,
                        .standardChecks = standardChecks(kMessageGatewayDot),
                        .smsChecks = smsChecks()}) {}

} // namespace quorvex::mms
