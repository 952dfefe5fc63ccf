// SPDX-License-Identifier: MIT
#include "QtTestApp.h"
#include "ui/qt/Looks.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/TemplateControls.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <array>
#include <string>
#include <vector>

namespace quorvex::testing {
namespace {

using K = ui::ControlKind;
using namespace ui::style;

constexpr int kNameLabel = 10, kName = 11, kClockLabel = 12, kClock = 13, kUnitLabel = 14,
              kUnit = 15, kFolder = 16, kWide = 17, kSecret = 18, kGo = 30;

constexpr std::array kControls{
    ui::ControlSpec{kNameLabel, K::Static, "Name", 10, 14, 50, 10},
    ui::ControlSpec{kName, K::Edit, "", 64, 12, 60, 12, 0, 4},
    ui::ControlSpec{kClockLabel, K::Static, "Clock", 10, 30, 50, 10},
    ui::ControlSpec{kClock, K::Edit, "12:00", 64, 28, 60, 12, ReadOnly | Centred},
    ui::ControlSpec{kUnitLabel, K::Static, "Unit", 10, 46, 50, 10},
    ui::ControlSpec{kUnit, K::List, "", 64, 44, 60, 80},
    ui::ControlSpec{kFolder, K::Edit, "", 10, 62, 114, 12},
    ui::ControlSpec{kWide, K::Static, "WWWW", 130, 14, 60, 10},
    ui::ControlSpec{kSecret, K::Edit, "", 130, 28, 40, 12, Password},
    ui::ControlSpec{kGo, K::Button, "Go", 10, 100, 40, 14},
    ui::ControlSpec{1, K::Button, "OK", 60, 100, 40, 14, DefaultButton},
    // A frame listed after what it holds must still lie behind it.
    ui::ControlSpec{ui::kUnnamed, K::GroupBox, "", 4, 4, 200, 90},
};
const ui::DialogTemplate kTemplate{901, "Looks", 210, 120, kControls};

class TestDialog final : public ui::Dialog {
  public:
    explicit TestDialog(bool about = false) : m_about(about) {}
    const ui::DialogTemplate& dialogTemplate() const override { return kTemplate; }
    std::string_view className() const override { return "CTestDlg"; }
    void onEditChange(int id) override { events.push_back("change " + std::to_string(id)); }
    void onListPick(int id) override { events.push_back("pick " + std::to_string(id)); }
    void onClick(int id) override { events.push_back("click " + std::to_string(id)); }
    void onMenuAbout() override { events.push_back("about"); }
    std::string_view aboutMenuText() const override { return m_about ? "About" : ""; }

    std::vector<std::string> events;

  private:
    bool m_about;
};

class TemplateWindow : public ::testing::Test {
  protected:
    TemplateWindow() : m_font((qtApp(), QApplication::font())) {}
    ~TemplateWindow() override { QApplication::setFont(m_font); }

    QImage shot(ui::QtDialogWindow& window) {
        window.show();
        QCoreApplication::processEvents();
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QRect rectOf(ui::QtDialogWindow& w, int id) { return w.control(id)->geometry(); }

    QFont m_font;
};

TEST_F(TemplateWindow, PlacesEveryControlAtItsTemplateRectangle) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    const ui::DialogUnits& u = window.units();
    EXPECT_EQ(window.size(), QSize(u.toPixelsX(210), u.toPixelsY(120)));
    EXPECT_EQ(rectOf(window, kName), u.toPixels(64, 12, 60, 12));
    EXPECT_EQ(rectOf(window, kWide), u.toPixels(130, 14, 60, 10));
    EXPECT_EQ(rectOf(window, 1), u.toPixels(60, 100, 40, 14));
    // A list's template height is its drop-down's; the closed box is as tall as its font needs.
    const QRect list = rectOf(window, kUnit);
    EXPECT_EQ(list.topLeft(), u.toPixels(64, 44, 60, 80).topLeft());
    EXPECT_EQ(list.height(), window.control(kUnit)->sizeHint().height());
    EXPECT_LT(list.height(), u.toPixelsY(80));

    window.moveBy(kGo, 6, 13); // one reference base unit each way
    EXPECT_EQ(rectOf(window, kGo).topLeft(),
              u.toPixels(10, 100, 0, 0).topLeft() + QPoint(u.baseX(), u.baseY()));
}

TEST_F(TemplateWindow, GrowsWithTheFont) {
    TestDialog dialog;
    QFont small = m_font;
    small.setPixelSize(11);
    QApplication::setFont(small);
    ui::QtDialogWindow a(dialog);
    QFont big = m_font;
    big.setPixelSize(22);
    QApplication::setFont(big);
    ui::QtDialogWindow b(dialog);
    EXPECT_NEAR(double(b.width()) / a.width(), 2.0, 0.4);
    EXPECT_NEAR(double(b.height()) / a.height(), 2.0, 0.3);
}

TEST_F(TemplateWindow, PaintsTheBlueBackgroundAndWhiteStaticText) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    const QImage image = shot(window);
    const QRgb blue = qRgb(111, 153, 224);
    EXPECT_EQ(image.pixel(1, 1), blue);
    EXPECT_EQ(image.pixel(image.width() - 2, image.height() - 2), blue);

    // The static's rectangle holds only blue, white and their blends: no box, no other colour.
    const QRect label = rectOf(window, kWide);
    int white = 0, nearlyWhite = 0, ground = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == qRgb(255, 255, 255))
                ++white;
            if (qRed(p) >= 240 && qGreen(p) >= 240 && qBlue(p) >= 240)
                ++nearlyWhite;
            if (p == blue)
                ++ground;
            const double t = (qRed(p) - 111) / 144.0;
            ASSERT_NEAR(qGreen(p), 153 + t * 102, 24) << x << "," << y;
            ASSERT_NEAR(qBlue(p), 224 + t * 31, 24) << x << "," << y;
            ASSERT_GE(qRed(p), 105);
        }
    EXPECT_GT(white, 0);
    EXPECT_GT(nearlyWhite, 12);
    EXPECT_GT(ground,
              label.width() * label.height() / 2); // inside the frame, still the window's blue
    EXPECT_EQ(image.pixel(label.left(), label.bottom()), blue);
}

TEST_F(TemplateWindow, DrawsReadOnlyEditsLikeStatics) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    QImage image = shot(window);
    auto interior = [&](int id) {
        const QRect r = rectOf(window, id);
        return image.pixel(r.left() + 4, r.top() + r.height() / 2);
    };
    auto hasWhite = [&](int id) {
        const QRect r = rectOf(window, id).adjusted(3, 3, -3, -3);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixel(x, y) == qRgb(255, 255, 255))
                    return true;
        return false;
    };
    EXPECT_EQ(interior(kClock), qRgb(111, 153, 224));
    EXPECT_TRUE(hasWhite(kClock));                   // the text
    EXPECT_NE(interior(kName), qRgb(111, 153, 224)); // editable: the platform's colours
    const QColor base = QApplication::palette().color(QPalette::Base);
    EXPECT_EQ(interior(kName), base.rgb());

    window.setReadOnly(kName, true);
    window.setReadOnly(kClock, false);
    image = shot(window);
    EXPECT_EQ(interior(kName), qRgb(111, 153, 224));
    EXPECT_EQ(interior(kClock), base.rgb());
}

TEST_F(TemplateWindow, TabsThroughTheControlsInTemplateOrder) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    std::vector<QString> order;
    QWidget* w = &window;
    do {
        w = w->nextInFocusChain();
        if (w != &window && w->isWindow() == false && (w->focusPolicy() & Qt::TabFocus) &&
            w->parentWidget() == &window)
            order.push_back(w->objectName());
    } while (w != &window);
    EXPECT_EQ(order, (std::vector<QString>{"c11", "c13", "c15", "c16", "c18", "c30", "c1"}));
}

TEST_F(TemplateWindow, EditLimitStopsTypingAndPastingButNotTheProgram) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    auto* edit = qobject_cast<QLineEdit*>(window.control(kName));
    window.setText(kName, "longer than four");
    EXPECT_EQ(window.text(kName), "longer than four");
    window.setText(kName, "ab");
    QGuiApplication::clipboard()->setText(QStringLiteral("xyz\nmore"));
    edit->setCursorPosition(2);
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::sendEvent(edit, &paste);
    EXPECT_EQ(window.text(kName), "abxy");
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"change 11", "change 11", "change 11"}));
    EXPECT_EQ(qobject_cast<QLineEdit*>(window.control(kSecret))->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(window.control(kClock))->alignment() & Qt::AlignHCenter);
}

TEST_F(TemplateWindow, TheEditsOwnMenuPastesByTheSameRules) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    window.show();
    auto* edit = qobject_cast<QLineEdit*>(window.control(kName));
    window.setText(kName, "ab");
    edit->setCursorPosition(2);
    QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(edit, &open);
    QAction* paste = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(top))
            for (QAction* action : menu->actions())
                if (action->text().endsWith(QStringLiteral("Ctrl+V")))
                    paste = action;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(window.text(kName), "abxy"); // the limit of four holds
    EXPECT_FALSE(edit->acceptDrops());
}

TEST_F(TemplateWindow, EnterGoesToAFocusedButtonElseToTheDefault) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    window.show();
    auto press = [](QWidget* target, int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    press(window.control(kGo), Qt::Key_Return);
    press(window.control(kName), Qt::Key_Return);
    press(window.control(kUnit), Qt::Key_Enter);
    press(window.control(kName), Qt::Key_Escape);
    window.close(); // the close box asks the form; it does not end, so the window stays
    EXPECT_EQ(dialog.events,
              (std::vector<std::string>{"click 30", "click 1", "click 1", "click 2", "click 2"}));
    EXPECT_TRUE(window.isVisible());
    window.end(1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 1);
}

TEST_F(TemplateWindow, OffersAboutInTheContextMenuOnlyWhenTheFormHasIt) {
    TestDialog plain;
    ui::QtDialogWindow without(plain);
    EXPECT_EQ(without.aboutAction(), nullptr);
    EXPECT_NE(without.contextMenuPolicy(), Qt::ActionsContextMenu);

    TestDialog withAbout(true);
    ui::QtDialogWindow window(withAbout);
    ASSERT_NE(window.aboutAction(), nullptr);
    EXPECT_EQ(window.aboutAction()->text(), "About");
    EXPECT_EQ(window.contextMenuPolicy(), Qt::ActionsContextMenu);
    window.aboutAction()->trigger();
    EXPECT_EQ(withAbout.events, std::vector<std::string>{"about"});
}

TEST_F(TemplateWindow, ListsNeverSelectOnTheirOwn) {
    TestDialog dialog;
    ui::QtDialogWindow window(dialog);
    window.addItem(kUnit, "Second");
    window.addItem(kUnit, "Minute");
    EXPECT_EQ(window.selected(kUnit), -1);
    EXPECT_EQ(window.text(kUnit), "");
    window.select(kUnit, 1);
    EXPECT_EQ(window.text(kUnit), "Minute");
    window.select(kUnit, 7);
    EXPECT_EQ(window.selected(kUnit), -1);
    EXPECT_TRUE(dialog.events.empty());
    EXPECT_EQ(qobject_cast<QComboBox*>(window.control(kUnit))->isEditable(), false);
}

} // namespace
} // namespace quorvex::testing
