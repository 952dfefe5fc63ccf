// SPDX-License-Identifier: MIT
// Every text of the main window must be readable in full in each of the 15 languages.
#include "QtTestApp.h"
#include "TextFit.h"
#include "app/CSetupDlg.h"
#include "app/FilePreferencesStore.h"
#include "app/FormRegistry.h"
#include "support/TempDir.h"
#include "ui/MemoryHost.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/TemplateControls.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <array>
#include <sstream>

namespace quorvex::testing {
namespace {

std::vector<std::string> cutTexts(ui::QtDialogWindow& window) {
    std::vector<std::string> problems;
    for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden())
            continue;
        const std::string problem = cutText(w);
        if (!problem.empty())
            problems.push_back(w->objectName().toStdString() + ": " + problem);
    }
    return problems;
}

TEST(MainWindowTexts, FitTheirControlsInEveryLanguage) {
    qtApp();
    TempDir dir;
    FilePreferencesStore store(dir.path() + "/prefs", kEnglish);
    std::ostringstream sink;
    ui::Transcript transcript(sink);
    ui::MemoryHost services(transcript); // the window itself is a real one
    FormRegistry forms;
    for (int language = 1; language <= 15; ++language) {
        AppContext context{AppState{}, store, services};
        context.state.languageId = static_cast<LanguageId>(language);
        context.state.systemIsChinese = language == kChinese;
        CSetupDlg dialog(context, forms);
        ui::QtDialogWindow window(dialog);
        dialog.onInit(window);
        window.show();
        EXPECT_EQ(cutTexts(window), std::vector<std::string>{}) << "language " << language;
        ASSERT_FALSE(window.text(CSetupDlg::kCameraButton).empty());
        dialog.onDestroy();
    }
}

// The check itself must see a cut text, or passing above would mean nothing.
constexpr std::array kNarrow{
    ui::ControlSpec{10, ui::ControlKind::Static, "Sélectionnez la langue", 5, 5, 30, 10},
    ui::ControlSpec{11, ui::ControlKind::Button, "Kamera Installation", 5, 20, 40, 14},
    ui::ControlSpec{12, ui::ControlKind::Button, "Kamera Installation", 5, 40, 56, 28,
                    ui::style::MultiLine},
};
const ui::DialogTemplate kNarrowTemplate{902, "Narrow", 100, 80, kNarrow};

class NarrowDialog final : public ui::Dialog {
  public:
    const ui::DialogTemplate& dialogTemplate() const override { return kNarrowTemplate; }
    std::string_view className() const override { return "CNarrowDlg"; }
};

TEST(MainWindowTexts, TheCheckSeesTextThatDoesNotFit) {
    qtApp();
    NarrowDialog dialog;
    ui::QtDialogWindow window(dialog);
    const auto problems = cutTexts(window);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("c10: ", 0), 0u);
    EXPECT_EQ(problems[1].rfind("c11: ", 0), 0u); // c12 wraps onto two lines and fits
}

} // namespace
} // namespace quorvex::testing
