// SPDX-License-Identifier: MIT
#pragma once

#include "smtp/SmtpForm.h"

namespace quorvex::smtp {

// The SMTP form of the P4 family and its relatives (ModelIds 4, 7, 8, 10, 13, 15, 16, 17):
// template 143, the SMTP Status list, the P4 header layout and twelve checks.
class CQuorvexP4Smtp final : public SmtpForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexP4Smtp";
    explicit CQuorvexP4Smtp(AppContext& context);
};

} // namespace quorvex::smtp
