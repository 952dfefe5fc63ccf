// SPDX-License-Identifier: MIT
#include "ui/qt/QtDialogWindow.h"

#include "ui/Mnemonics.h"
#include "ui/qt/ListAccessible.h"
#include "ui/qt/Looks.h"
#include "ui/qt/ResourceIcons.h"
#include "ui/qt/TemplateControls.h"
#include "ui/templates/AccessibleNames.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvex::ui {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool has(const ControlSpec& spec, unsigned flag) {
    return (spec.flags & flag) != 0;
}

// The framework draws an icon static at the system icon size whatever the template says.
constexpr int kIconSide = 32;

// A text with its Alt+letter marked for Qt: "&" before the chosen character, literal ones doubled.
QString withMnemonic(const QString& text, int position) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == position)
            out += u'&';
        out += text.at(i);
        if (text.at(i) == u'&')
            out += u'&';
    }
    return out;
}

} // namespace

QtDialogWindow::QtDialogWindow(Dialog& dialog)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_dialog(dialog), m_units(DialogUnits::forFont(font())) {
    const DialogTemplate& t = dialog.dialogTemplate();
    setWindowTitle(fromUtf8(t.title));
    setObjectName(QStringLiteral("template%1").arg(t.id));
    setFixedSize(m_units.toPixelsX(t.width), m_units.toPixelsY(t.height));
    looks::applyDialog(*this);
    useListAccessibility();
    build();
    scrollIfTooTall();
    // The window's menu: About and "Load from card…", in the context menu (the window manager's
    // system menu cannot take items of the program's own).
    const auto addMenuItem = [this](std::string_view label, void (Dialog::*handler)()) {
        auto* action = new QAction(fromUtf8(label), this);
        connect(action, &QAction::triggered, this, [this, handler] { (m_dialog.*handler)(); });
        addAction(action);
        setContextMenuPolicy(Qt::ActionsContextMenu);
        return action;
    };
    if (dialog.hasAboutMenu())
        m_about = addMenuItem(dialog.aboutMenuText(), &Dialog::onMenuAbout);
    if (dialog.hasLoadMenu())
        m_load = addMenuItem(dialog.loadMenuText(), &Dialog::onMenuLoad);
    // A control with a shortcut names it where the pointer rests (keyPressEvent runs it).
    for (const Shortcut& shortcut : dialog.shortcuts())
        if (QWidget* target = control(shortcut.control))
            target->setToolTip(
                QKeySequence(Qt::CTRL | Qt::Key(shortcut.key)).toString(QKeySequence::NativeText));
}

QtDialogWindow::~QtDialogWindow() = default;

// A window taller than the screen's free area (a laptop's 768 lines less its panel, or 1080 lines
// at 150 %) keeps its template layout inside a scroll area as tall as the screen allows; the
// focused control is always scrolled into view, so every control stays reachable by keyboard.
// The offscreen platform has no real screen to fit, so windows there keep their template size.
void QtDialogWindow::scrollIfTooTall() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    constexpr int kTitleBar = 40; // the window manager's frame and title above the client area
    const int available = screen->availableGeometry().height() - kTitleBar;
    const QSize natural = size();
    if (natural.height() <= available || available <= 0)
        return;
    auto* content = new QWidget;
    looks::applyDialog(*content);
    content->setFixedSize(natural);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool hidden = child->isHidden();
        const QRect geometry = child->geometry();
        child->setParent(content);
        child->setGeometry(geometry);
        child->setVisible(!hidden);
    }
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus); // Tab goes straight to the first control
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    looks::applyDialog(*area->viewport());
    const int bar = area->verticalScrollBar()->sizeHint().width();
    setFixedSize(natural.width() + bar, available);
    area->setGeometry(rect());
    connect(qApp, &QApplication::focusChanged, area, [area, content](QWidget*, QWidget* now) {
        if (now && content->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
}

void QtDialogWindow::build() {
    const DialogTemplate& t = m_dialog.dialogTemplate();
    std::vector<QWidget*> frames;
    for (const ControlSpec& spec : t.controls) {
        const QString text = fromUtf8(spec.text);
        QWidget* widget = nullptr;
        QRect geometry = m_units.toPixels(spec.x, spec.y, spec.width, spec.height);
        switch (spec.kind) {
        case ControlKind::Static: {
            QLabel* label = nullptr;
            if (has(spec, style::Link)) {
                auto* link = new LinkLabel(this);
                link->onClick = [this, id = spec.id] { m_dialog.onClick(id); };
                label = link;
            } else {
                label = new QLabel(this);
            }
            label->setTextFormat(Qt::PlainText);
            if (has(spec, style::Icon)) {
                const int side = m_units.scaledOffset(kIconSide, kIconSide).y();
                label->setPixmap(resourcePixmap(kAboutIcon, side, devicePixelRatioF()));
                label->setAccessibleName(fromUtf8(t.title));
                geometry.setSize({side, side});
            } else {
                label->setText(text);
                label->setWordWrap(true);
            }
            Qt::Alignment align = Qt::AlignTop | Qt::AlignLeft;
            if (has(spec, style::Centred))
                align = Qt::AlignTop | Qt::AlignHCenter;
            else if (has(spec, style::Right))
                align = Qt::AlignTop | Qt::AlignRight;
            label->setAlignment(align);
            widget = label;
            break;
        }
        case ControlKind::GroupBox: {
            auto* frame = new TemplateFrame(text, this);
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            frames.push_back(frame);
            widget = frame;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new TemplateEdit(this);
            edit->setText(text);
            edit->setReadOnly(has(spec, style::ReadOnly));
            edit->setDigitsOnly(has(spec, style::DigitsOnly));
            edit->setLimit(spec.limit);
            if (has(spec, style::Centred))
                edit->setAlignment(Qt::AlignCenter);
            if (has(spec, style::Password))
                edit->setEchoMode(QLineEdit::Password);
            looks::applyReadOnlyEdit(*edit, edit->isReadOnly());
            connect(edit, &QLineEdit::textChanged, this,
                    [this, id = spec.id] { m_dialog.onEditChange(id); });
            widget = edit;
            break;
        }
        case ControlKind::List: {
            auto* list = new TemplateList(this);
            looks::applyDefault(*list);
            list->onPick = [this, id = spec.id] { m_dialog.onListPick(id); };
            list->onCloseUp = [this, id = spec.id] { m_dialog.onListCloseUp(id); };
            // The closed box is as tall as its font needs; the template's height is the
            // drop-down's.
            geometry.setHeight(list->sizeHint().height());
            widget = list;
            break;
        }
        case ControlKind::Button: {
            auto* button = new TemplateButton(text, this);
            button->setWrapping(has(spec, style::MultiLine));
            button->setAutoDefault(true); // a focused button takes Enter, as the framework's do
            if (has(spec, style::DefaultButton)) {
                button->setDefault(true);
                m_defaultButton = spec.id;
            }
            looks::applyDefault(*button);
            connect(button, &QPushButton::clicked, this,
                    [this, id = spec.id] { m_dialog.onClick(id); });
            widget = button;
            break;
        }
        }
        widget->setGeometry(geometry);
        if (has(spec, style::Hidden))
            widget->hide();
        if (has(spec, style::Disabled))
            widget->setEnabled(false);
        if (spec.id != kUnnamed) {
            widget->setObjectName(QStringLiteral("c%1").arg(spec.id));
            // The first of a repeated id wins.
            if (m_controls.try_emplace(spec.id, Entry{&spec, widget}).second &&
                spec.kind != ControlKind::Edit && spec.kind != ControlKind::List)
                m_texts[spec.id] = text;
        }
    }
    // Frames stay behind the controls they hold, whatever their place in the template.
    for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        (*it)->lower();
    updateAccessibility();
}

void QtDialogWindow::updateAccessibility() {
    const DialogTemplate& t = m_dialog.dialogTemplate();
    const LanguageId language = m_dialog.interfaceLanguage();
    for (const auto& [id, entry] : m_controls) {
        if (entry.spec->kind == ControlKind::Static) {
            if (auto* label = qobject_cast<QLabel*>(entry.widget))
                if (const int field = labelledField(t.id, id))
                    label->setBuddy(control(field));
            continue;
        }
        const auto info = accessibleInfo(t.id, id, language);
        if (!info)
            continue;
        entry.widget->setAccessibleName(fromUtf8(info->name));
        // The unit or note first, then the frame or heading the field belongs to.
        QStringList about;
        for (const int related : {info->describedBy, info->group})
            if (related != 0 && related != info->labelledBy && !text(related).empty())
                about << fromUtf8(text(related));
        entry.widget->setAccessibleDescription(about.join(QStringLiteral(", ")));
    }
    const std::vector<int> keyed = mnemonicControls(t);
    std::vector<std::string> texts;
    for (const int id : keyed)
        texts.push_back(text(id));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const std::vector<int> positions = mnemonicPositions(views);
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        QWidget* w = control(keyed[i]);
        const QString shown = withMnemonic(fromUtf8(texts[i]), positions[i]);
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(shown);
        else if (auto* button = qobject_cast<QPushButton*>(w))
            button->setText(shown);
    }
}

template <typename W> W* QtDialogWindow::as(int id) const {
    return qobject_cast<W*>(control(id));
}

QWidget* QtDialogWindow::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.widget;
}

int QtDialogWindow::idOf(const QWidget* widget) const {
    for (; widget && widget != this; widget = widget->parentWidget())
        for (const auto& [id, entry] : m_controls)
            if (entry.widget == widget)
                return id;
    return kUnnamed;
}

const ControlSpec* QtDialogWindow::spec(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.spec;
}

std::vector<int> QtDialogWindow::ids() const {
    std::vector<int> out;
    for (const auto& [id, entry] : m_controls)
        out.push_back(id);
    return out;
}

std::string QtDialogWindow::title() const {
    return windowTitle().toStdString();
}

std::optional<ControlState> QtDialogWindow::state(int id) const {
    const auto it = m_controls.find(id);
    if (it == m_controls.end())
        return std::nullopt;
    const ControlSpec& s = *it->second.spec;
    QWidget* w = it->second.widget;
    ControlState out;
    out.id = id;
    out.kind = s.kind;
    out.readOnly = has(s, style::ReadOnly);
    out.enabled = w->isEnabledTo(this);
    out.visible = !w->isHidden();
    out.link = has(s, style::Link);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        out.text = edit->text().toStdString();
        out.readOnly = edit->isReadOnly();
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < list->count(); ++i)
            out.items.push_back(list->itemText(i).toStdString());
        out.selected = list->currentIndex();
    } else {
        out.text = text(id);
    }
    // What a screen reader is told, as it asks for it.
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w))
        out.name = accessible->text(QAccessible::Name).toStdString();
    return out;
}

void QtDialogWindow::setTitle(std::string_view title) {
    setWindowTitle(fromUtf8(title));
}

void QtDialogWindow::setIcon(int resource) {
    setWindowIcon(resourceIcon(resource));
}

void QtDialogWindow::end(int result) {
    if (m_ended)
        return;
    m_ended = true;
    m_result = result;
    done(result);
}

void QtDialogWindow::setText(int id, std::string_view text) {
    QWidget* w = control(id);
    const QString value = fromUtf8(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(value); // reports the change
    if (qobject_cast<QLineEdit*>(w) || !w)
        return;
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(value);
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(value);
    else if (auto* button = qobject_cast<QPushButton*>(w))
        button->setText(value);
    m_texts[id] = value;
    // Names, descriptions and Alt+letters follow the texts of the window.
    updateAccessibility();
}

std::string QtDialogWindow::text(int id) const {
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
    if (const auto it = m_texts.find(id); it != m_texts.end())
        return it->second.toStdString();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text().toStdString();
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->text().toStdString();
    return {};
}

void QtDialogWindow::setVisible(int id, bool visible) {
    if (QWidget* w = control(id))
        w->setVisible(visible);
}

void QtDialogWindow::setEnabled(int id, bool enabled) {
    if (QWidget* w = control(id))
        w->setEnabled(enabled);
}

void QtDialogWindow::moveBy(int id, int dxPixels, int dyPixels) {
    if (QWidget* w = control(id))
        w->move(w->pos() + m_units.scaledOffset(dxPixels, dyPixels));
}

void QtDialogWindow::setFocus(int id) {
    if (QWidget* w = control(id))
        w->setFocus(Qt::OtherFocusReason);
}

void QtDialogWindow::setReadOnly(int id, bool readOnly) {
    if (auto* edit = as<TemplateEdit>(id)) {
        edit->setReadOnly(readOnly);
        looks::applyReadOnlyEdit(*edit, readOnly);
    }
}

void QtDialogWindow::setLimit(int id, int characters) {
    if (auto* edit = as<TemplateEdit>(id))
        edit->setLimit(characters);
}

void QtDialogWindow::clearList(int id) {
    if (auto* list = as<TemplateList>(id))
        list->clear();
}

void QtDialogWindow::addItem(int id, std::string_view text) {
    if (auto* list = as<TemplateList>(id))
        list->addEntry(fromUtf8(text));
}

void QtDialogWindow::select(int id, int position) {
    if (auto* list = as<TemplateList>(id))
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

int QtDialogWindow::selected(int id) const {
    auto* list = as<TemplateList>(id);
    return list ? list->currentIndex() : -1;
}

int QtDialogWindow::itemCount(int id) const {
    auto* list = as<TemplateList>(id);
    return list ? list->count() : 0;
}

void QtDialogWindow::reject() {
    if (!m_ended)
        m_dialog.onClick(kIdCancel);
}

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        m_dialog.onClick(m_defaultButton);
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        event->accept();
        m_dialog.onClick(kIdCancel);
        return;
    }
    // The form's Ctrl shortcuts; the controls pass Ctrl and a letter they do not use up to here.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        for (const Shortcut& shortcut : m_dialog.shortcuts()) {
            if (event->key() == shortcut.key) {
                event->accept();
                m_dialog.onClick(shortcut.control);
                return;
            }
        }
    }
    // The context menu from the keyboard, on whichever control has the focus: an edit opens its
    // own (which ends with the window's items), every other control the window's.
    const bool shiftOnly = (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
    if ((plain && event->key() == Qt::Key_Menu) || (shiftOnly && event->key() == Qt::Key_F10)) {
        event->accept();
        QWidget* at = focusWidget() ? focusWidget() : this;
        const QPoint local = at->rect().center();
        if (qobject_cast<QLineEdit*>(at)) {
            QContextMenuEvent open(QContextMenuEvent::Keyboard, local, at->mapToGlobal(local));
            QCoreApplication::sendEvent(at, &open);
        } else if (!actions().isEmpty()) {
            auto* menu = new QMenu(this);
            menu->addActions(actions());
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(at->mapToGlobal(local));
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
    if (!m_ended)
        m_dialog.onClick(kIdCancel);
    if (m_ended)
        event->accept();
    else
        event->ignore();
}

} // namespace quorvex::ui
