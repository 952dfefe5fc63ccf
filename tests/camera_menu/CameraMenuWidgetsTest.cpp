// SPDX-License-Identifier: MIT
// The camera forms on real widgets: in every language each text shows in full, once the
// opening moves are done no control covers another, and no Alt+letter is taken twice.
#include "camera_menu/CQuorvexCameraMenu.h"
#include "camera_menu/CQuorvexD2Menu.h"
#include "camera_menu/CQuorvexK7Menu.h"
#include "camera_menu/CQuorvexK9Menu.h"
#include "camera_menu/CQuorvexP4Menu.h"
#include "camera_menu/CQuorvexP7Menu.h"
#include "mms/CQuorvexMMS.h"
#include "mms/CQuorvexP4MMS.h"
#include "smtp/CQuorvexK4Smtp.h"
#include "smtp/CQuorvexP4Smtp.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/TemplateControls.h"

#include "FormHarness.h"
#include "qt/QtTestApp.h"
#include "qt/TextFit.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include <map>

namespace quorvex::testing {
namespace {

std::vector<std::string> problems(ui::QtDialogWindow& window) {
    std::vector<std::string> found;
    std::vector<QWidget*> shown;
    for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden())
            continue;
        shown.push_back(w);
        std::string problem = cutText(w);
        if (auto* edit = qobject_cast<QLineEdit*>(w);
            problem.empty() && edit && edit->maxLength() <= 2) {
            problem = cut(edit->fontMetrics(), edit->rect().adjusted(2, 0, -2, 0), "00", false);
        }
        if (!problem.empty())
            found.push_back(w->objectName().toStdString() + ": " + problem);
        if (!window.rect().contains(w->geometry()))
            found.push_back(w->objectName().toStdString() + " leaves the window");
    }
    // No Alt+letter twice among the labels and buttons (hidden ones keep theirs too).
    std::map<int, std::string> keys;
    for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QPushButton*>(w);
        if (!(label && label->buddy()) && !button)
            continue;
        const QKeySequence key = QKeySequence::mnemonic(label ? label->text() : button->text());
        if (key.isEmpty())
            continue;
        const auto [at, fresh] = keys.emplace(key[0].toCombined(), w->objectName().toStdString());
        if (!fresh)
            found.push_back(w->objectName().toStdString() + " has the Alt+letter of " + at->second);
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const QRect a = shown[i]->geometry();
            const QRect b = shown[j]->geometry();
            if (!a.intersects(b))
                continue;
            const bool aFrame = qobject_cast<QGroupBox*>(shown[i]) != nullptr;
            const bool bFrame = qobject_cast<QGroupBox*>(shown[j]) != nullptr;
            // A frame holds its row's controls, and the MMS group holds framed rows.
            if ((aFrame && a.contains(b)) || (bFrame && b.contains(a)))
                continue;
            found.push_back(shown[i]->objectName().toStdString() + " overlaps " +
                            shown[j]->objectName().toStdString());
        }
    return found;
}

template <typename Form> void expectReadable(int model) {
    qtApp();
    for (int language = 1; language <= kLanguageCount; ++language) {
        FormHarness h(model, language);
        auto form = [&] {
            if constexpr (std::is_constructible_v<Form, AppContext&, camera_menu::ClockFields&>)
                return Form(h.context(), h.clock());
            else
                return Form(h.context());
        }();
        ui::QtDialogWindow window(form);
        form.onInit(window);
        window.show();
        EXPECT_EQ(problems(window), std::vector<std::string>{})
            << "model " << model << ", language " << language;
        form.onDestroy();
    }
}

TEST(CameraMenuWidgets, GenericFormReadsInEveryLanguage) {
    expectReadable<camera_menu::CQuorvexCameraMenu>(3);
    expectReadable<camera_menu::CQuorvexCameraMenu>(17);
}

TEST(CameraMenuWidgets, P4FormReadsInEveryLanguage) {
    expectReadable<camera_menu::CQuorvexP4Menu>(4);
}

TEST(CameraMenuWidgets, K7AndP7FormsReadInEveryLanguage) {
    expectReadable<camera_menu::CQuorvexK7Menu>(6);
    expectReadable<camera_menu::CQuorvexP7Menu>(8);
}

TEST(ConfiguratorWidgets, MmsFormsReadInEveryLanguage) {
    expectReadable<mms::CQuorvexMMS>(1);
    expectReadable<mms::CQuorvexP4MMS>(4);
}

TEST(ConfiguratorWidgets, SmtpFormsReadInEveryLanguage) {
    expectReadable<smtp::CQuorvexP4Smtp>(4);
    expectReadable<smtp::CQuorvexK4Smtp>(3);
}

TEST(CameraMenuWidgets, K9AndD2FormsReadInEveryLanguage) {
    expectReadable<camera_menu::CQuorvexK9Menu>(13);
    expectReadable<camera_menu::CQuorvexD2Menu>(14);
}

} // namespace
} // namespace quorvex::testing
