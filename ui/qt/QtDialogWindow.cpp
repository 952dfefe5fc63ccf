// SPDX-License-Identifier: MIT
#include "ui/qt/QtDialogWindow.h"

#include "ui/qt/Looks.h"
#include "ui/qt/ResourceIcons.h"
#include "ui/qt/TemplateControls.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
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

// The label a person reads for an edit or list: the static on its row just to its left, else
// the static right above it.
const ControlSpec* labelFor(const ControlSpec& c, std::span<const ControlSpec> all) {
    auto isField = [](const ControlSpec& o) {
        return o.kind == ControlKind::Edit || o.kind == ControlKind::List ||
               o.kind == ControlKind::Button;
    };
    auto sameRow = [](const ControlSpec& a, const ControlSpec& b) {
        return a.y < b.y + b.height && b.y < a.y + a.height;
    };
    const ControlSpec* best = nullptr;
    for (const ControlSpec& s : all) {
        if (s.kind != ControlKind::Static || has(s, style::Icon) || has(s, style::Link))
            continue;
        if (!sameRow(s, c) || s.x + s.width > c.x + 4)
            continue;
        bool fieldBetween = false;
        for (const ControlSpec& o : all)
            if (&o != &c && isField(o) && sameRow(o, c) && o.x >= s.x + s.width - 4 &&
                o.x + o.width <= c.x + 4)
                fieldBetween = true;
        if (!fieldBetween && (!best || s.x + s.width > best->x + best->width))
            best = &s;
    }
    if (best)
        return best;
    // A static that labels its own row's control is no heading for the row below.
    auto labelsARow = [&](const ControlSpec& s) {
        for (const ControlSpec& o : all)
            if ((o.kind == ControlKind::Edit || o.kind == ControlKind::List) && &o != &c &&
                s.y < o.y + o.height && o.y < s.y + s.height && s.x + s.width <= o.x + 4)
                return true;
        return false;
    };
    for (const ControlSpec& s : all) {
        if (s.kind != ControlKind::Static || has(s, style::Icon) || has(s, style::Link))
            continue;
        if (labelsARow(s))
            continue;
        const int gap = c.y - (s.y + s.height);
        const bool overlaps = s.x < c.x + c.width && c.x < s.x + s.width;
        if (overlaps && gap >= -2 && gap <= 12 && (!best || s.y > best->y))
            best = &s;
    }
    return best;
}

const ControlSpec* frameAround(const ControlSpec& c, std::span<const ControlSpec> all) {
    for (const ControlSpec& g : all)
        if (g.kind == ControlKind::GroupBox && !g.text.empty() && g.x <= c.x && g.y <= c.y &&
            c.x + c.width <= g.x + g.width && c.y + c.height <= g.y + g.height)
            return &g;
    return nullptr;
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
    std::vector<Entry> built;
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
            m_controls.try_emplace(spec.id,
                                   Entry{&spec, widget}); // the first of a repeated id wins
        }
        built.push_back({&spec, widget});
    }
    // Frames stay behind the controls they hold, whatever their place in the template.
    for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        (*it)->lower();
    nameForAccessibility(built);
}

void QtDialogWindow::nameForAccessibility(const std::vector<Entry>& built) {
    const auto all = m_dialog.dialogTemplate().controls;
    for (const Entry& e : built) {
        if (e.spec->kind != ControlKind::Edit && e.spec->kind != ControlKind::List)
            continue;
        if (const ControlSpec* label = labelFor(*e.spec, all)) {
            for (const Entry& l : built)
                if (l.spec == label)
                    static_cast<QLabel*>(l.widget)->setBuddy(e.widget);
        } else if (const ControlSpec* frame = frameAround(*e.spec, all)) {
            e.widget->setAccessibleName(fromUtf8(frame->text));
        } else if (auto* edit = qobject_cast<QLineEdit*>(e.widget)) {
            edit->setAccessibleName(edit->text().isEmpty() ? fromUtf8(e.spec->text) : edit->text());
            connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& now) {
                if (!now.isEmpty())
                    edit->setAccessibleName(now);
            });
        } else if (auto* list = qobject_cast<QComboBox*>(e.widget)) {
            connect(list, &QComboBox::currentTextChanged, list,
                    [list](const QString& now) { list->setAccessibleName(now); });
        }
    }
}

template <typename W> W* QtDialogWindow::as(int id) const {
    return qobject_cast<W*>(control(id));
}

QWidget* QtDialogWindow::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.widget;
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
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(value);
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(value);
    else if (auto* button = qobject_cast<QPushButton*>(w))
        button->setText(value);
}

std::string QtDialogWindow::text(int id) const {
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
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
