// SPDX-License-Identifier: MIT
#include "ui/qt/QtScriptedHost.h"

#include "core/Utf8.h"
#include "ui/qt/FocusStyle.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/TemplateControls.h"

#include <QAbstractItemView>
#include <QAction>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>

#include <cstdlib>
#include <vector>

// Qt's own entry to its shortcut map, which its test library uses to press shortcuts.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep = false, ushort count = 1);

namespace quorvex::ui {

namespace {

void sendKey(QWidget* target, int key, const QString& text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

// The key a keyboard reports for a character: its capital for letters, as Qt's key codes are.
int keyFor(const QString& character) {
    const QList<uint> points = character.toUpper().toUcs4();
    return points.isEmpty() ? int(Qt::Key_unknown) : int(points.front());
}

void clickAtCentre(QWidget* target) {
    const QPointF local = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

bool anyButtonDown(const QWidget& window) {
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isDown())
            return true;
    return false;
}

class QtScriptedHost final : public ScriptedHost {
  public:
    QtScriptedHost(Transcript& transcript, std::unique_ptr<QApplication> app)
        : ScriptedHost(transcript), m_app(std::move(app)) {
        QApplication::setQuitOnLastWindowClosed(false);
    }

    int run(Dialog& dialog) override {
        if (m_abandoned)
            return kAbandoned;
        auto window = std::make_unique<QtDialogWindow>(dialog);
        m_windows.push_back(window.get());
        dialog.onInit(*window);
        if (!window->ended()) {
            transcript().windowShown(dialog.className(), window->title());
            window->setWindowModality(Qt::ApplicationModal);
            window->show();
            settle();
        }
        while (!window->ended() && !m_abandoned) {
            if (!step())
                m_abandoned = true;
            settle();
        }
        const bool ended = window->ended();
        const int result = window->result();
        dialog.onDestroy();
        m_windows.pop_back();
        window.reset();
        settle();
        if (!ended)
            return kAbandoned;
        transcript().windowClosed(dialog.className());
        return result;
    }

    bool hasWindow() const override { return !m_windows.empty(); }
    std::vector<int> controlIds() const override {
        return hasWindow() ? top().ids() : std::vector<int>{};
    }
    std::optional<ControlState> controlState(int id) const override {
        return hasWindow() ? top().state(id) : std::nullopt;
    }

    void userSelect(int id, int position) override {
        auto* list = qobject_cast<TemplateList*>(top().control(id));
        if (!list)
            return;
        // Open the list, move to the entry and press Enter on it, as a keyboard user does.
        list->showPopup();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(list->model()->index(position, list->modelColumn()));
        const int before = m_picks;
        const auto counter = QObject::connect(list, &QComboBox::activated, [this] { ++m_picks; });
        sendKey(view, Qt::Key_Return);
        QObject::disconnect(counter);
        if (m_picks == before) { // the popup could not be used: pick as the list itself would
            list->hidePopup();
            list->setCurrentIndex(position);
            emit list->activated(position);
        }
        settle();
    }

    void userCloseList(int id) override {
        auto* list = qobject_cast<TemplateList*>(top().control(id));
        if (!list)
            return;
        list->showPopup();
        list->hidePopup();
        settle();
    }

    void userType(int id, std::string_view text) override {
        QtDialogWindow& w = top();
        auto* edit = qobject_cast<TemplateEdit*>(w.control(id));
        if (!edit || edit->isReadOnly())
            return;
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll(); // the user selects what is there and types over it
        for (const std::string& character : splitUtf8(text)) {
            const QString typed =
                QString::fromUtf8(character.data(), static_cast<qsizetype>(character.size()));
            sendKey(edit, keyFor(typed), typed);
            if (w.ended())
                break;
        }
        settle();
    }

    void userClear(int id) override {
        auto* edit = qobject_cast<TemplateEdit*>(top().control(id));
        if (!edit || edit->isReadOnly())
            return;
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        sendKey(edit, Qt::Key_Delete);
        settle();
    }

    void userClick(int id) override {
        QtDialogWindow& w = top();
        QWidget* target = w.control(id);
        if (qobject_cast<QPushButton*>(target) || qobject_cast<LinkLabel*>(target))
            clickAtCentre(target);
        else
            w.dialog().onClick(id);
        settle();
    }

    void userKey(Key key) override {
        QtDialogWindow& w = top();
        if (key == Key::Enter || key == Key::Esc) {
            sendKey(&w, key == Key::Enter ? Qt::Key_Return : Qt::Key_Escape);
            settle();
            return;
        }
        QWidget* target = w.focusWidget() ? w.focusWidget() : &w;
        switch (key) {
        case Key::Tab:
            sendKey(target, Qt::Key_Tab);
            break;
        case Key::BackTab:
            sendKey(target, Qt::Key_Backtab, {}, Qt::ShiftModifier);
            break;
        case Key::Space:
            sendKey(target, Qt::Key_Space, QStringLiteral(" "));
            break;
        case Key::Up:
            sendKey(target, Qt::Key_Up);
            break;
        case Key::Down:
            sendKey(target, Qt::Key_Down);
            break;
        default:
            break;
        }
        settle();
    }

    void userShortcut(char key) override {
        QtDialogWindow& w = top();
        QWidget* focused = QApplication::focusWidget();
        QWidget* target = focused && w.isAncestorOf(focused) ? focused : &w;
        sendKey(target, key, {}, Qt::ControlModifier);
        settle();
    }

    // Alt+letter goes through Qt's shortcut map, where the labels' and buttons' mnemonics are.
    void userAlt(std::string_view letter) override {
        QtDialogWindow& w = top();
        w.activateWindow();
        settle();
        const QString typed =
            QString::fromUtf8(letter.data(), static_cast<qsizetype>(letter.size()));
        QWidget* target = w.focusWidget() ? w.focusWidget() : &w;
        if (!qt_sendShortcutOverrideEvent(target, 0, keyFor(typed), Qt::AltModifier, typed))
            sendKey(target, keyFor(typed), typed, Qt::AltModifier);
        // A button's mnemonic clicks it a moment later, once it has been seen pressed.
        QElapsedTimer waited;
        waited.start();
        do
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        while (waited.elapsed() < 500 && hasWindow() && anyButtonDown(top()));
        settle();
    }

    int focusedControl() const override {
        return hasWindow() ? top().idOf(top().focusWidget()) : kUnnamed;
    }

    void userClose() override {
        top().close();
        settle();
    }

    void userMenuAbout() override {
        if (QAction* about = top().aboutAction())
            about->trigger();
        settle();
    }

    bool hasAboutMenu() const override { return hasWindow() && top().aboutAction() != nullptr; }

    void userMenuLoad() override {
        if (QAction* load = top().loadAction())
            load->trigger();
        settle();
    }

    bool hasLoadMenu() const override { return hasWindow() && top().loadAction() != nullptr; }

    bool screenshot(const std::string& path, std::string& reason) override {
        if (!hasWindow()) {
            reason = "no window is open";
            return false;
        }
        settle();
        const QPixmap image = top().grab();
        if (!image.save(QString::fromStdString(path), "PNG")) {
            reason = "cannot write " + path;
            return false;
        }
        return true;
    }

  private:
    QtDialogWindow& top() const { return *m_windows.back(); }
    // Lets queued work (a list's close-up, repaints) run before the next action.
    static void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

    std::unique_ptr<QApplication> m_app;
    std::vector<QtDialogWindow*> m_windows; // the current window is the last
    bool m_abandoned = false;
    int m_picks = 0;
};

} // namespace

std::unique_ptr<ScriptedHost> makeQtScriptedHost(Transcript& transcript, int& argc, char** argv) {
    std::unique_ptr<QApplication> app;
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        useFocusStyle();
    }
    return std::make_unique<QtScriptedHost>(transcript, std::move(app));
}

} // namespace quorvex::ui
