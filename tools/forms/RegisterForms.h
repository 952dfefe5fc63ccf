// SPDX-License-Identifier: MIT
#pragma once

#include "app/FormRegistry.h"

namespace quorvex {

// Every configurator this build has, by class name: the one place that wires the shell to the
// form folders.
void registerForms(FormRegistry& registry);

} // namespace quorvex
