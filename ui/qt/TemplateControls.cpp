// SPDX-License-Identifier: MIT
#include "ui/qt/TemplateControls.h"

#include "ui/qt/Looks.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvex::ui {

namespace {
// The framework's edit limit counts UTF-16 units, as QString does.
qsizetype characters(const QString& text) {
    return text.size();
}

bool isTyping(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!c.isPrint() && !c.isSurrogate())
            return false;
    return true;
}
} // namespace

bool TemplateEdit::accepts(const QString& typed) const {
    if (m_digitsOnly)
        for (QChar c : typed)
            if (c < u'0' || c > u'9')
                return false;
    if (m_limit > 0 &&
        characters(text()) - characters(selectedText()) + characters(typed) > m_limit)
        return false;
    return true;
}

void TemplateEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            pasteAccepted();
        event->accept();
        return;
    }
    if (!isReadOnly() && isTyping(event->text()) && !accepts(event->text())) {
        event->accept(); // refused, as the framework's edit does
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The edit's own menu pastes through the same rules as Ctrl+V.
void TemplateEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's entries carry no names; Paste is the one that shows the paste shortcut.
    const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions()) {
        if (pasteKeys.isEmpty() || !action->text().endsWith(pasteKeys))
            continue;
        action->disconnect();
        connect(action, &QAction::triggered, this, [this] {
            if (!isReadOnly())
                pasteAccepted();
        });
    }
    // The window's own items (About, "Load from card…") as on the rest of the window.
    if (const QList<QAction*> own = window()->actions(); !own.isEmpty()) {
        menu->addSeparator();
        menu->addActions(own);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// A middle click pastes the X11 selection, past the edit's rules: the framework has no such paste.
void TemplateEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Pasting takes what fits: the framework's edit cuts the clipboard text at the limit.
void TemplateEdit::pasteAccepted() {
    QString pasted = QGuiApplication::clipboard()->text().section(u'\n', 0, 0);
    if (m_digitsOnly)
        for (QChar c : pasted)
            if (c < u'0' || c > u'9')
                return;
    if (m_limit > 0) {
        const qsizetype room = m_limit - (characters(text()) - characters(selectedText()));
        if (room <= 0)
            return;
        if (pasted.size() > room) {
            // Never split a surrogate pair at the cut.
            qsizetype cut = room;
            if (pasted.at(cut - 1).isHighSurrogate())
                --cut;
            pasted.truncate(cut);
        }
    }
    insert(pasted);
}

TemplateList::TemplateList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int) {
        m_picked = true;
        if (onPick)
            onPick();
    });
}

void TemplateList::addEntry(const QString& text) {
    const bool none = currentIndex() < 0;
    addItem(text);
    if (none)
        setCurrentIndex(-1);
}

void TemplateList::showPopup() {
    m_picked = false;
    m_popupOpen = true;
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup != m_watchedPopup) {
        popup->installEventFilter(this);
        m_watchedPopup = popup;
    }
}

// The popup hides before the list reports a pick, so whether the user chose anything is known
// only once the current event is done.
bool TemplateList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedPopup && event->type() == QEvent::Hide && m_popupOpen) {
        m_popupOpen = false;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_picked && onCloseUp)
                    onCloseUp();
            },
            Qt::QueuedConnection);
    }
    return QComboBox::eventFilter(watched, event);
}

QRect TemplateButton::textArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = fontMetrics().averageCharWidth() / 2;
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(margin, 0, -margin, 0);
}

void TemplateButton::paintEvent(QPaintEvent* event) {
    if (!m_wrapping) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString label = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(textArea(), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         palette(), isEnabled(), label, QPalette::ButtonText);
}

void TemplateFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QString text = title();
    const int top = text.isEmpty() ? 0 : metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    const QColor ground = palette().color(QPalette::Window);
    painter.setPen(ground.darker(150));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(ground.lighter(140));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (text.isEmpty())
        return;
    const int gap = metrics.averageCharWidth() / 2;
    const QRect label(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(text) + 2 * gap,
                      metrics.height());
    painter.fillRect(label, ground);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(label, Qt::AlignCenter | Qt::TextShowMnemonic, text);
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus); // reachable by Tab, opened by Enter or Space
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && onClick &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space)) {
        event->accept();
        onClick();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(looks::systemWantsHighContrast() ? palette().color(QPalette::Highlight)
                                                         : looks::kFocusFrame,
                        2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick) {
        onClick();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace quorvex::ui
