// SPDX-License-Identifier: MIT
#pragma once

#include "mms/MmsForm.h"

namespace quorvex::mms {

// The MMS form of the K-series models and of no model (ModelIds 0, 1, 3, 5, 6, 9): template
// 130, the MMS Send list by model, the phone limit of 11 digits.
class CQuorvexMMS final : public MmsForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexMMS";
    explicit CQuorvexMMS(AppContext& context);
};

} // namespace quorvex::mms
