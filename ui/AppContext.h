// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"
#include "core/PreferencesStore.h"
#include "ui/DialogHost.h"

namespace quorvex {

// What lives as long as the program: owned by it and handed to every window.
struct AppContext {
    AppState state;
    PreferencesStore& store;
    ui::DialogHost& host;
};

} // namespace quorvex
