// SPDX-License-Identifier: MIT
#include "app/CSetupDlg.h"

#include "core/ModelCatalogue.h"

#include "app/BuildInfo.h"
#include "app/CAboutDlg.h"
#include "app/FormRegistry.h"
#include "app/MainWindowTexts.h"
#include "core/InfoMessages.h"
#include "ui/templates/MainWindowTemplate.h"

#include <cstdio>

namespace quorvex {

namespace mw = main_window;

CSetupDlg::CSetupDlg(AppContext& context, const FormRegistry& forms)
    : m_context(context), m_forms(forms) {}

const ui::DialogTemplate& CSetupDlg::dialogTemplate() const {
    return ui::kMainWindowTemplate;
}

LanguageId CSetupDlg::interfaceLanguage() const {
    return m_context.state.languageId;
}

std::string CSetupDlg::versionLine(LanguageId language) {
    return std::string(textFor(mw::kVersionPrefix, language)) + ": " + build::versionNumbers();
}

std::string CSetupDlg::downloadUrl() {
    return std::string("https://") + build::kWebHost + "/about/downloaden.html";
}

void CSetupDlg::onInit(ui::DialogWindow& window) {
    Dialog::onInit(window);
    AppState& state = m_context.state;
    window.setTitle(ui::kProductTitle);
    window.setVisible(kDownloadButton, true);
    window.setIcon(ui::kWindowIcon);
    relabel();

    int index = state.languageId - 1;
    if (state.languageId == kChinese)
        index = 0;
    else if (state.languageId == kEnglish)
        index = state.chineseCameraEnglishUi ? 0 : 1;
    fillLanguages(index);

    window.clearList(kModelList);
    for (int id = 1; id <= kModelCount; ++id)
        window.addItem(kModelList, modelFacts(id).listText);
    // The model is read again from the store: another window may have changed it.
    std::uint16_t model = 1;
    m_context.store.readModel(model);
    state.modelId = model;
    window.select(kModelList, state.modelId - 1); // none for ModelId 0
    enableButtons();
}

void CSetupDlg::fillLanguages(int selectIndex) {
    const AppState& state = m_context.state;
    const bool native = state.systemIsChinese && state.languageId == kChinese;
    window().clearList(kLanguageList);
    for (LanguageId id = 1; id <= kLanguageCount; ++id)
        window().addItem(kLanguageList,
                         native && id == kChinese ? mw::kChineseNative : languageName(id));
    window().select(kLanguageList, selectIndex);
}

void CSetupDlg::relabel() {
    const LanguageId language = m_context.state.languageId;
    window().setText(kCameraButton, textFor(mw::kCameraSetup, language));
    window().setText(kMmsButton, textFor(mw::kMmsSetup, language));
    window().setText(kDownloadButton, textFor(mw::kDownload, language));
    window().setText(kLanguageLabel, textFor(mw::kSelectLanguage, language));
    window().setText(kModelLabel, textFor(mw::kCameraModel, language));
    window().setText(kSmtpButton, textFor(mw::kSmtpSetup, language));
    window().setText(kVersionLine, versionLine(language));
}

void CSetupDlg::enableButtons() {
    const int model = m_context.state.modelId;
    window().setEnabled(kMmsButton, configuratorEnabled(model, Configurator::Mms));
    window().setEnabled(kSmtpButton, configuratorEnabled(model, Configurator::Smtp));
}

void CSetupDlg::onListPick(int id) {
    AppState& state = m_context.state;
    if (id == kLanguageList) {
        const int index = window().selected(kLanguageList);
        if (index < 0)
            return;
        if (index == 0) {
            state.languageId = state.systemIsChinese ? kChinese : kEnglish;
            state.chineseCameraEnglishUi = true;
        } else {
            state.languageId = index + 1;
            state.chineseCameraEnglishUi = false;
        }
        fillLanguages(index);
        relabel();
        m_context.store.writeLanguage(
            static_cast<std::uint16_t>(state.chineseCameraEnglishUi ? kChinese : state.languageId));
    } else if (id == kModelList) {
        const int index = window().selected(kModelList);
        if (index < 0)
            return;
        state.modelId = index + 1;
        m_context.store.writeModel(static_cast<std::uint16_t>(state.modelId));
        enableButtons();
    }
}

void CSetupDlg::openConfigurator(Configurator button) {
    const std::optional<FormKind> form = configuratorForm(m_context.state.modelId, button);
    if (!form || !m_forms.has(*form)) {
        // Every form the model table names is registered by the program; a registry without one
        // is a build mistake, reported rather than followed.
        constexpr std::string_view kButtons[]{"camera", "MMS", "SMTP"};
        m_context.host.log("no form is registered for the " +
                           std::string(kButtons[static_cast<int>(button)]) + " button of ModelId " +
                           std::to_string(m_context.state.modelId));
        return;
    }
    m_chosen = *form;
    window().end(ui::kIdOk);
}

void CSetupDlg::onClick(int id) {
    switch (id) {
    case kCameraButton:
        openConfigurator(Configurator::Camera);
        break;
    case kMmsButton:
        openConfigurator(Configurator::Mms);
        break;
    case kSmtpButton:
        openConfigurator(Configurator::Smtp);
        break;
    case kDownloadButton:
        m_context.host.openUrl(downloadUrl());
        break;
    default:
        Dialog::onClick(id); // Enter and Esc end the window like its close box
    }
}

std::string_view CSetupDlg::aboutMenuText() const {
    return mw::kAboutItem;
}

void CSetupDlg::onMenuAbout() {
    CAboutDlg about(m_context.host);
    m_context.host.run(about);
}

} // namespace quorvex
