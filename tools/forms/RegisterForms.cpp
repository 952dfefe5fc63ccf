// SPDX-License-Identifier: MIT
#include "tools/forms/RegisterForms.h"

namespace quorvex {

void registerForms(FormRegistry& /*registry*/) {}

} // namespace quorvex
