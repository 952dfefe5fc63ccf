// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"
#include "core/PreferencesStore.h"

#include <cstdint>

namespace quorvex {

// Steps 1-6 of start-up: fill AppState from the system language id and the store, and record the
// company value. Store failures are silent; every failed read falls back to its default.
void startUp(AppState& state, PreferencesStore& store, std::uint16_t systemLanguageId);

} // namespace quorvex
