// SPDX-License-Identifier: MIT
// quorvex: the desktop tool. Takes nothing from the command line.
#include "app/CSetupApp.h"
#include "app/SystemLanguage.h"
#include "app/SystemPreferencesStore.h"
#include "tools/forms/RegisterForms.h"
#include "ui/qt/FocusStyle.h"
#include "ui/qt/QtHost.h"
#include "ui/qt/ResourceIcons.h"
#include "ui/qt/StartupProbe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvex"));
    quorvex::ui::useFocusStyle();
    QApplication::setDesktopFileName(QStringLiteral(QUORVEX_APP_ID));
    QApplication::setWindowIcon(quorvex::ui::resourceIcon(quorvex::ui::kWindowIcon));
    quorvex::ui::installStartupProbeIfAsked();

    const std::uint16_t systemLanguage = quorvex::systemDefaultLanguageId();
    const auto store =
        quorvex::systemPreferencesStore(quorvex::languageForSystemId(systemLanguage));
    quorvex::ui::QtHost host;
    quorvex::FormRegistry forms;
    quorvex::registerForms(forms);
    quorvex::CSetupApp app(*store, host, forms);
    app.run(systemLanguage);
    return 0;
}
