// SPDX-License-Identifier: MIT
#pragma once

#include "mms/OperatorLists.h"

namespace quorvex {

// The GPRS catalogue behind the SMTP forms' Country and Operator lists: 42 countries; China's
// operators in Chinese only when the form opens in Chinese.
const OperatorCatalogueView& gprsCatalogueView();

} // namespace quorvex
