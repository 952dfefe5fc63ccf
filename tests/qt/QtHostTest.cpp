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

} // namespace
} // namespace quorvex::testing
