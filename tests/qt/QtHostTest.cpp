// SPDX-License-Identifier: MIT
#include "ui/qt/QtHost.h"
#include "QtTestApp.h"
#include "ui/qt/QtMessageBox.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <string>
#include <vector>

namespace quorvex::testing {
namespace {

constexpr std::array kControls{
    ui::ControlSpec{1, ui::ControlKind::Button, "OK", 5, 5, 40, 14, ui::style::DefaultButton},
};
const ui::DialogTemplate kTemplate{903, "Host", 60, 30, kControls};

class EndingDialog final : public ui::Dialog {
  public:
    explicit EndingDialog(bool endAtOnce) : m_endAtOnce(endAtOnce) {}
    const ui::DialogTemplate& dialogTemplate() const override { return kTemplate; }
    std::string_view className() const override { return "CEndingDlg"; }
    void onInit(ui::DialogWindow& window) override {
        Dialog::onInit(window);
        if (m_endAtOnce)
            window.end(7);
    }
    void onDestroy() override {
        Dialog::onDestroy();
        destroyed = true;
    }
    bool destroyed = false;

  private:
    bool m_endAtOnce;
};

TEST(QtHost, RunsAWindowModallyUntilTheFormEndsIt) {
    qtApp();
    ui::QtHost host;
    EndingDialog dialog(false);
    // The user presses Enter once the window is up.
    QTimer::singleShot(0, [] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
    });
    EXPECT_EQ(host.run(dialog), ui::kIdOk);
    EXPECT_TRUE(dialog.destroyed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtHost, AWindowEndedWhileOpeningIsNeverShown) {
    qtApp();
    ui::QtHost host;
    EndingDialog dialog(true);
    bool shown = false;
    QTimer::singleShot(0, [&] { shown = QApplication::activeModalWidget() != nullptr; });
    EXPECT_EQ(host.run(dialog), 7);
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
}

TEST(QtMessageBox, HasTheToolsCaptionIconAndOneOkButton) {
    qtApp();
    const auto box = ui::makeMessageBox(QStringLiteral("Configuration file is generated"));
    EXPECT_EQ(box->windowTitle(), "Quorvex");
    EXPECT_EQ(box->text(), "Configuration file is generated");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->parentWidget(), nullptr);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(box->iconPixmap().isNull());
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
}

TEST(QtMessageBox, AWarningHasTheSystemsWarningIconAndTheSameFrame) {
    qtApp();
    const auto box =
        ui::makeMessageBox(QStringLiteral("Cannot write\nlocked"), ui::MessageIcon::Warning);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Quorvex");
    EXPECT_EQ(box->text(), "Cannot write\nlocked");
    ASSERT_EQ(box->buttons().size(), 1);
    const auto info = ui::makeMessageBox(QStringLiteral("done"));
    EXPECT_NE(info->icon(), QMessageBox::Warning);
}

// A form whose "Select" opens the folder chooser: the chooser belongs to the form, and the focus
// is back where it was after Esc as after a choice.
constexpr std::array kChooserControls{
    ui::ControlSpec{10, ui::ControlKind::Edit, "", 5, 5, 40, 12},
    ui::ControlSpec{11, ui::ControlKind::Button, "Select", 5, 20, 40, 14},
    ui::ControlSpec{1, ui::ControlKind::Button, "OK", 50, 20, 40, 14, ui::style::DefaultButton},
};
const ui::DialogTemplate kChooserTemplate{904, "Chooser", 100, 40, kChooserControls};

class ChooserDialog final : public ui::Dialog {
  public:
    explicit ChooserDialog(ui::DialogHost& host) : m_host(host) {}
    const ui::DialogTemplate& dialogTemplate() const override { return kChooserTemplate; }
    std::string_view className() const override { return "CChooserDlg"; }
    void onClick(int id) override {
        if (id == 11)
            m_host.chooseFolder("/");
        else
            Dialog::onClick(id);
    }

  private:
    ui::DialogHost& m_host;
};

TEST(QtHost, TheFolderChooserBelongsToTheFormAndGivesTheFocusBack) {
    qtApp();
    ui::QtHost host;
    ChooserDialog dialog(host);
    std::vector<std::string> seen;
    QTimer::singleShot(0, [&seen] {
        QWidget* form = QApplication::activeModalWidget();
        ASSERT_NE(form, nullptr);
        QWidget* edit = form->findChild<QWidget*>("c10");
        auto* select = form->findChild<QPushButton*>("c11");
        edit->setFocus();
        // Esc in the chooser, once it is up.
        QTimer::singleShot(50, [&seen, form] {
            QWidget* chooser = QApplication::activeModalWidget();
            seen.push_back(chooser && chooser->parentWidget() == form ? "owned" : "not owned");
            if (chooser && chooser != form)
                QMetaObject::invokeMethod(chooser, "reject", Qt::QueuedConnection);
        });
        select->click();
        seen.push_back(form->focusWidget() == edit ? "focus back" : "focus lost");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(form, &enter);
    });
    EXPECT_EQ(host.run(dialog), ui::kIdOk);
    EXPECT_EQ(seen, (std::vector<std::string>{"owned", "focus back"}));
}

} // namespace
} // namespace quorvex::testing
