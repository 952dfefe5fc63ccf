// SPDX-License-Identifier: MIT
#pragma once

#include "app/FormRegistry.h"
#include "ui/AppContext.h"

#include <cstdint>

namespace quorvex {

// The application: start-up, then one window at a time. A configurator button ends the main
// window and runs the configurator; leaving it shows a fresh main window. A loop, never nested.
class CSetupApp final {
  public:
    enum class Outcome { Ended, Abandoned };

    CSetupApp(PreferencesStore& store, ui::DialogHost& host, const FormRegistry& forms);

    // Start-up from the system language id, then the window loop.
    Outcome run(std::uint16_t systemLanguageId);

    const AppState& state() const { return m_context.state; }

  private:
    AppContext m_context;
    const FormRegistry& m_forms;
};

} // namespace quorvex
