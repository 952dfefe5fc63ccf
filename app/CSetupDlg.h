// SPDX-License-Identifier: MIT
#pragma once

#include "app/ConfiguratorDispatch.h"
#include "ui/AppContext.h"
#include "ui/Dialog.h"

#include <optional>
#include <string>

namespace quorvex {

class FormRegistry;

// The main window: language and model lists, the three configurator buttons, the download
// button and the version line.
class CSetupDlg final : public ui::Dialog {
  public:
    enum Id {
        kCameraButton = 1000,
        kMmsButton = 1001,
        kSmtpButton = 1002,
        kDownloadButton = 1076,
        kVersionLine = 1077,
        kLanguageLabel = 1078,
        kModelLabel = 1079,
        kLanguageList = 1080,
        kModelList = 1081,
    };

    CSetupDlg(AppContext& context, const FormRegistry& forms);

    const ui::DialogTemplate& dialogTemplate() const override;
    std::string_view className() const override { return "CSetupDlg"; }
    LanguageId interfaceLanguage() const override;
    void onInit(ui::DialogWindow& window) override;
    void onListPick(int id) override;
    void onClick(int id) override;
    void onMenuAbout() override;
    std::string_view aboutMenuText() const override;

    // The configurator chosen by a button, once the window has ended for it.
    const std::optional<FormKind>& chosenConfigurator() const { return m_chosen; }

    // "%s: %d.%d.%d.%d" from the version prefix and the build's four-part version.
    static std::string versionLine(LanguageId language);
    static std::string downloadUrl();

  private:
    void relabel();
    void fillLanguages(int selectIndex);
    void enableButtons();
    void openConfigurator(Configurator button);

    AppContext& m_context;
    const FormRegistry& m_forms;
    std::optional<FormKind> m_chosen;
};

} // namespace quorvex
