// SPDX-License-Identifier: MIT
#pragma once

#include "smtp/SmtpForm.h"

namespace quorvex::smtp {

// The SMTP form of every other model (in practice ModelIds 3, 5, 6, 9, and no model): template
// 147, no SMTP Status list, the K4 header layout and eleven checks.
class CQuorvexK4Smtp final : public SmtpForm {
  public:
    static constexpr std::string_view kClassName = "CQuorvexK4Smtp";
    explicit CQuorvexK4Smtp(AppContext& context);
};

} // namespace quorvex::smtp
