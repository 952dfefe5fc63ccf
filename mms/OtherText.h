// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

namespace quorvex {

// The single entry of the country and the operator list in Manual mode.
inline constexpr LocalizedText OtherText{"其他",   "Other", "Andere", "Muut",    "Altri",
                                         "Autres", "egyéb", "Ostalo", "ostatní", "その他",
                                         "kitas",  "Inne",  "Diğer",  "Інші",    "другое"};

} // namespace quorvex
