// SPDX-License-Identifier: MIT
#include "QtTestApp.h"
#include "ui/qt/FocusStyle.h"
#include "ui/qt/Looks.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/templates/AccessibleNames.h"
#include "ui/templates/CameraMenuTemplates.h"
#include "ui/templates/MainWindowTemplate.h"
#include "ui/templates/MmsTemplates.h"
#include "ui/templates/SmtpTemplates.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <set>
#include <tuple>
#include <vector>

namespace quorvex::testing {
namespace {

using ui::ControlKind;

const ui::DialogTemplate* const kTemplates[] = {
    &ui::kMainWindowTemplate, &ui::kCameraMenuTemplate, &ui::kP4MenuTemplate, &ui::kK7MenuTemplate,
    &ui::kP7MenuTemplate,     &ui::kK9MenuTemplate,     &ui::kD2MenuTemplate, &ui::kMmsTemplate,
    &ui::kP4MmsTemplate,      &ui::kP4SmtpTemplate,     &ui::kK4SmtpTemplate};

// A window of a template in a language, with nothing behind it.
class TemplateDialog final : public ui::Dialog {
  public:
    TemplateDialog(const ui::DialogTemplate& t, LanguageId language)
        : m_template(t), m_language(language) {}
    const ui::DialogTemplate& dialogTemplate() const override { return m_template; }
    std::string_view className() const override { return "CTemplateDlg"; }
    LanguageId interfaceLanguage() const override { return m_language; }
    std::string_view aboutMenuText() const override { return "About"; }
    void onMenuAbout() override { events.push_back("about"); }
    void onClick(int id) override { events.push_back("click " + std::to_string(id)); }

    std::vector<std::string> events;

  private:
    const ui::DialogTemplate& m_template;
    LanguageId m_language;
};

QAccessibleInterface* accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QString name(QWidget* w) {
    return accessible(w)->text(QAccessible::Name);
}

class Accessibility : public ::testing::Test {
  protected:
    Accessibility() { qtApp(); }
};

// What a screen reader gets from Qt's accessibility for the main window and the ten forms.
TEST_F(Accessibility, EveryEditAndListIsNamedAsItsTemplateSays) {
    for (const ui::DialogTemplate* t : kTemplates) {
        for (LanguageId language = 1; language <= kLanguageCount; ++language) {
            TemplateDialog dialog(*t, language);
            ui::QtDialogWindow window(dialog);
            for (const ui::ControlSpec& c : t->controls) {
                if (c.id == ui::kUnnamed ||
                    (c.kind != ControlKind::Edit && c.kind != ControlKind::List))
                    continue;
                SCOPED_TRACE("template " + std::to_string(t->id) + " control " +
                             std::to_string(c.id) + " language " + std::to_string(language));
                const auto info = ui::accessibleInfo(t->id, c.id, language);
                ASSERT_TRUE(info.has_value());
                QWidget* w = window.control(c.id);
                EXPECT_EQ(name(w).toStdString(), info->name);
                EXPECT_EQ(accessible(w)->role(), c.kind == ControlKind::Edit
                                                     ? QAccessible::EditableText
                                                     : QAccessible::ComboBox);
            }
        }
    }
}

TEST_F(Accessibility, UnitGroupAndLabelFollowTheTextsOfTheWindow) {
    TemplateDialog dialog(ui::kCameraMenuTemplate, kEnglish);
    ui::QtDialogWindow window(dialog);
    window.setText(1019, "Timer");  // timer 1's heading
    window.setText(1122, "Minute"); // the unit after its start minute
    QWidget* minute = window.control(1022);
    EXPECT_EQ(accessible(minute)->text(QAccessible::Description), "Minute, Timer");
    window.setText(1122, "Min.");
    EXPECT_EQ(accessible(minute)->text(QAccessible::Description), "Min., Timer");

    // A list with a label of its own is labelled by it, and the label's key focuses the list.
    window.setText(1004, "Mode");
    auto* label = qobject_cast<QLabel*>(window.control(1004));
    EXPECT_EQ(label->buddy(), window.control(1013));
    const auto labels = accessible(window.control(1013))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Mode");
}

TEST_F(Accessibility, AltLettersAreMarkedInTheWidgetsButNotInTheirTexts) {
    TemplateDialog dialog(ui::kMainWindowTemplate, kEnglish);
    ui::QtDialogWindow window(dialog);
    window.setText(1000, "Camera Setup");
    window.setText(1001, "MMS Setup");
    window.setText(1002, "Smtp Setup");
    window.setText(1076, "Tom & Jerry");
    window.setText(1078, "Select Language");
    window.setText(1079, "Camera Model");
    auto* camera = qobject_cast<QPushButton*>(window.control(1000));
    EXPECT_EQ(camera->text(), "&Camera Setup");
    EXPECT_EQ(window.text(1000), "Camera Setup");
    EXPECT_EQ(name(camera), "Camera Setup");
    // A literal ampersand stays one.
    EXPECT_EQ(window.text(1076), "Tom & Jerry");
    EXPECT_EQ(name(window.control(1076)), "Tom & Jerry");
    std::set<int> keys;
    for (const int id : {1000, 1001, 1002, 1076, 1078, 1079}) {
        QWidget* w = window.control(id);
        const QString shown = qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                       : qobject_cast<QPushButton*>(w)->text();
        const QKeySequence key = QKeySequence::mnemonic(shown);
        ASSERT_FALSE(key.isEmpty()) << id;
        EXPECT_TRUE(keys.insert(key[0].toCombined()).second) << id << ' ' << shown.toStdString();
    }
    // New texts, new letters: German "Kamera Installation" takes K.
    window.setText(1000, "Kamera Installation");
    EXPECT_EQ(camera->text(), "&Kamera Installation");
}

void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

// The menu that popped up last, holding the window's About item; null when none.
QAction* poppedAbout() {
    QAction* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(top); menu && menu->isVisible())
            for (QAction* action : menu->actions())
                if (action->text() == "About")
                    found = action;
    return found;
}

TEST_F(Accessibility, TheContextMenuAndTheWebAddressWorkFromTheKeyboard) {
    TemplateDialog dialog(ui::kCameraMenuTemplate, kEnglish);
    ui::QtDialogWindow window(dialog);
    window.show();
    for (const auto& [id, key, modifiers] :
         {std::tuple{1013, int(Qt::Key_Menu), Qt::KeyboardModifiers()},
          std::tuple{1002, int(Qt::Key_F10), Qt::KeyboardModifiers(Qt::ShiftModifier)},
          std::tuple{1057, int(Qt::Key_Menu), Qt::KeyboardModifiers()}}) {
        SCOPED_TRACE(id);
        window.control(id)->setFocus();
        press(window.control(id), key, modifiers);
        QAction* about = poppedAbout();
        ASSERT_NE(about, nullptr);
        about->trigger();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu*>(top))
                top->close();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"about", "about", "about"}));

    TemplateDialog about(ui::kAboutTemplate, kEnglish);
    ui::QtDialogWindow box(about);
    QWidget* link = box.control(1102);
    EXPECT_TRUE(link->focusPolicy() & Qt::TabFocus);
    press(link, Qt::Key_Space);
    press(link, Qt::Key_Return);
    EXPECT_EQ(about.events, (std::vector<std::string>{"click 1102", "click 1102"}));
}

TEST_F(Accessibility, FramesOnTheBlueReachThreeToOne) {
    using namespace ui::looks;
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kStaticText, kDialogBlue), 2.87, 0.01);
    EXPECT_GE(contrastRatio(kFocusFrame, kDialogBlue), 3.0);
    EXPECT_GE(contrastRatio(kReadOnlyFrame, kDialogBlue), 3.0);
    EXPECT_GE(contrastRatio(kFocusFrame, Qt::white), 3.0); // on an edit's white inside too

    // The read-only box's border as drawn: a pixel at 3:1 against the blue on its left edge.
    ui::useFocusStyle();
    TemplateDialog dialog(ui::kMmsTemplate, kEnglish);
    ui::QtDialogWindow window(dialog);
    window.show();
    QCoreApplication::processEvents();
    const QImage shot = window.grab().toImage();
    const QRect box = window.control(1002)->geometry(); // the URL, read-only in Auto mode
    ASSERT_TRUE(qobject_cast<QLineEdit*>(window.control(1002))->isReadOnly());
    double best = 1.0;
    for (int x = box.left(); x < box.left() + 3; ++x)
        best = std::max(best, contrastRatio(shot.pixelColor(x, box.center().y()), kDialogBlue));
    EXPECT_GE(best, 3.0);
}

TEST_F(Accessibility, HighContrastKeepsTheSystemColours) {
    qputenv("GTK_THEME", "HighContrast");
    {
        TemplateDialog dialog(ui::kMmsTemplate, kEnglish);
        ui::QtDialogWindow window(dialog);
        EXPECT_TRUE(ui::looks::systemWantsHighContrast());
        EXPECT_EQ(window.palette().color(QPalette::Window),
                  QApplication::palette().color(QPalette::Window));
        EXPECT_EQ(window.control(1002)->palette().color(QPalette::Base),
                  QApplication::palette().color(QPalette::Base));
    }
    qputenv("GTK_THEME", "Adwaita:dark");
    EXPECT_FALSE(ui::looks::systemWantsHighContrast());
    {
        TemplateDialog dialog(ui::kMmsTemplate, kEnglish);
        ui::QtDialogWindow window(dialog);
        EXPECT_EQ(window.palette().color(QPalette::Window), ui::looks::kDialogBlue);
    }
    qunsetenv("GTK_THEME");
}

} // namespace
} // namespace quorvex::testing
