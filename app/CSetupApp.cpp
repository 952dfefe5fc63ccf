// SPDX-License-Identifier: MIT
#include "app/CSetupApp.h"

#include "app/CSetupDlg.h"
#include "app/Startup.h"

namespace quorvex {

CSetupApp::CSetupApp(PreferencesStore& store, ui::DialogHost& host, const FormRegistry& forms)
    : m_context{AppState{}, store, host}, m_forms(forms) {}

CSetupApp::Outcome CSetupApp::run(std::uint16_t systemLanguageId) {
    m_context.state = AppState{};
    startUp(m_context.state, m_context.store, systemLanguageId);
    for (;;) {
        std::optional<FormKind> chosen;
        {
            CSetupDlg mainWindow(m_context, m_forms);
            if (m_context.host.run(mainWindow) == ui::kAbandoned)
                return Outcome::Abandoned;
            chosen = mainWindow.chosenConfigurator();
        }
        if (!chosen)
            return Outcome::Ended;
        auto form = m_forms.create(*chosen, m_context);
        if (form && m_context.host.run(*form) == ui::kAbandoned)
            return Outcome::Abandoned;
    }
}

} // namespace quorvex
