// SPDX-License-Identifier: MIT
#pragma once

#include "mms/MmsForm.h"

namespace quorvex::mms {

// The MMS form of the P4 family and its relatives (ModelIds 2, 4, 7, 8, 10, 13, 15, 16, 17):
// template 142, always Off, VGA, SMS with the list position as the code, phone limit 12.
class CQuorvexP4MMS final : public MmsForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexP4MMS";
    explicit CQuorvexP4MMS(AppContext& context);
};

} // namespace quorvex::mms
