// SPDX-License-Identifier: MIT
#include "ui/MemoryHost.h"

#include "core/Utf8.h"
#include "ui/Mnemonics.h"
#include "ui/templates/AccessibleNames.h"

#include <algorithm>
#include <map>

namespace quorvex::ui {

namespace {

struct Control {
    const ControlSpec* spec = nullptr;
    ControlState state;
    int limit = 0;
    bool digitsOnly = false;
    int dx = 0, dy = 0;
};

} // namespace

class MemoryHost::Window final : public DialogWindow {
  public:
    explicit Window(Dialog& dialog) : m_dialog(dialog) {
        const DialogTemplate& t = dialog.dialogTemplate();
        m_title = std::string(t.title);
        for (const ControlSpec& spec : t.controls) {
            Control c;
            c.spec = &spec;
            c.state.id = spec.id;
            c.state.kind = spec.kind;
            c.state.text = std::string(spec.text);
            c.state.readOnly = (spec.flags & style::ReadOnly) != 0;
            c.state.enabled = (spec.flags & style::Disabled) == 0;
            c.state.visible = (spec.flags & style::Hidden) == 0;
            c.state.link = (spec.flags & style::Link) != 0;
            c.limit = spec.limit;
            c.digitsOnly = (spec.flags & style::DigitsOnly) != 0;
            // Unnamed frames are never addressed; of a repeated id the first wins, as GetDlgItem.
            if (spec.id != kUnnamed)
                m_controls.emplace(spec.id, c);
            if (spec.flags & style::DefaultButton)
                m_defaultButton = spec.id;
        }
    }

    Dialog& dialog() const { return m_dialog; }
    bool ended() const { return m_ended; }
    int result() const { return m_result; }
    int defaultButton() const { return m_defaultButton; }
    const std::string& title() const { return m_title; }
    int focus() const { return m_focus; }

    Control* find(int id) {
        auto it = m_controls.find(id);
        return it == m_controls.end() ? nullptr : &it->second;
    }
    const Control* find(int id) const { return const_cast<Window*>(this)->find(id); }
    std::vector<int> ids() const {
        std::vector<int> out;
        for (const auto& [id, c] : m_controls)
            out.push_back(id);
        return out;
    }

    // Sets an edit's text and reports the change, as the framework does for both typing and
    // the program's own updates.
    void changeEdit(Control& c, std::string text) {
        if (c.state.text == text)
            return;
        c.state.text = std::move(text);
        m_dialog.onEditChange(c.state.id);
    }

    void setTitle(std::string_view title) override { m_title = std::string(title); }
    void setIcon(int) override {}
    void end(int result) override {
        m_ended = true;
        m_result = result;
    }
    void setText(int id, std::string_view text) override {
        Control* c = find(id);
        if (!c)
            return;
        if (c->state.kind == ControlKind::Edit)
            changeEdit(*c, std::string(text));
        else if (c->state.kind != ControlKind::List)
            c->state.text = std::string(text);
    }
    std::string text(int id) const override {
        const Control* c = find(id);
        if (!c)
            return {};
        if (c->state.kind == ControlKind::List)
            return c->state.selected >= 0
                       ? c->state.items[static_cast<std::size_t>(c->state.selected)]
                       : "";
        return c->state.text;
    }
    void setVisible(int id, bool visible) override {
        if (Control* c = find(id))
            c->state.visible = visible;
    }
    void setEnabled(int id, bool enabled) override {
        if (Control* c = find(id))
            c->state.enabled = enabled;
    }
    void moveBy(int id, int dx, int dy) override {
        if (Control* c = find(id)) {
            c->dx += dx;
            c->dy += dy;
        }
    }
    void setFocus(int id) override { m_focus = id; }

    // The controls Tab visits, in template order: visible and enabled edits (read-only ones
    // too), lists, buttons and links.
    std::vector<int> tabStops() const {
        std::vector<int> out;
        for (const ControlSpec& spec : m_dialog.dialogTemplate().controls) {
            const Control* c = find(spec.id);
            if (!c || c->spec != &spec || !c->state.visible || !c->state.enabled)
                continue;
            if (spec.kind == ControlKind::Edit || spec.kind == ControlKind::List ||
                spec.kind == ControlKind::Button || c->state.link)
                out.push_back(spec.id);
        }
        return out;
    }
    void moveFocus(int step) {
        const std::vector<int> stops = tabStops();
        if (stops.empty())
            return;
        const auto at = std::find(stops.begin(), stops.end(), m_focus);
        const auto n = static_cast<std::ptrdiff_t>(stops.size());
        const std::ptrdiff_t from = at == stops.end() ? (step > 0 ? -1 : 0) : at - stops.begin();
        m_focus = stops[static_cast<std::size_t>((from + step + n) % n)];
    }
    // The dialog manager focuses the first tab stop unless the form chose a control.
    void focusFirstIfNone() {
        if (m_focus == kUnnamed)
            moveFocus(1);
    }
    void setReadOnly(int id, bool readOnly) override {
        if (Control* c = find(id); c && c->state.kind == ControlKind::Edit)
            c->state.readOnly = readOnly;
    }
    void setLimit(int id, int characters) override {
        if (Control* c = find(id))
            c->limit = characters;
    }
    void clearList(int id) override {
        if (Control* c = list(id)) {
            c->state.items.clear();
            c->state.selected = -1;
        }
    }
    void addItem(int id, std::string_view text) override {
        if (Control* c = list(id))
            c->state.items.emplace_back(text);
    }
    void select(int id, int position) override {
        if (Control* c = list(id))
            c->state.selected =
                position >= 0 && position < static_cast<int>(c->state.items.size()) ? position : -1;
    }
    int selected(int id) const override {
        const Control* c = const_cast<Window*>(this)->list(id);
        return c ? c->state.selected : -1;
    }
    int itemCount(int id) const override {
        const Control* c = const_cast<Window*>(this)->list(id);
        return c ? static_cast<int>(c->state.items.size()) : 0;
    }

  private:
    Control* list(int id) {
        Control* c = find(id);
        return c && c->state.kind == ControlKind::List ? c : nullptr;
    }

    Dialog& m_dialog;
    std::map<int, Control> m_controls;
    std::string m_title;
    int m_defaultButton = kIdOk;
    int m_focus = kUnnamed;
    bool m_ended = false;
    int m_result = 0;
};

MemoryHost::MemoryHost(Transcript& transcript) : ScriptedHost(transcript) {}
MemoryHost::~MemoryHost() = default;

int MemoryHost::run(Dialog& dialog) {
    if (m_abandoned)
        return kAbandoned;
    m_windows.push_back(std::make_unique<Window>(dialog));
    Window& window = *m_windows.back();
    dialog.onInit(window);
    if (!window.ended()) {
        window.focusFirstIfNone();
        transcript().windowShown(dialog.className(), window.title());
    }
    while (!window.ended() && !m_abandoned) {
        if (!step())
            m_abandoned = true;
    }
    const bool ended = window.ended();
    const int result = window.result();
    dialog.onDestroy();
    m_windows.pop_back();
    if (!ended)
        return kAbandoned;
    transcript().windowClosed(dialog.className());
    return result;
}

std::vector<int> MemoryHost::controlIds() const {
    return hasWindow() ? top().ids() : std::vector<int>{};
}

std::optional<ControlState> MemoryHost::controlState(int id) const {
    if (!hasWindow())
        return std::nullopt;
    const Control* c = top().find(id);
    if (!c)
        return std::nullopt;
    ControlState out = c->state;
    const Dialog& d = top().dialog();
    out.name = std::string(
        accessibleName(d.dialogTemplate().id, *c->spec, d.interfaceLanguage(), out.text));
    return out;
}

void MemoryHost::userSelect(int id, int position) {
    Window& w = top();
    if (Control* c = w.find(id)) {
        c->state.selected = position;
        w.dialog().onListPick(id);
    }
}

void MemoryHost::userCloseList(int id) {
    top().dialog().onListCloseUp(id);
}

void MemoryHost::userType(int id, std::string_view text) {
    Window& w = top();
    Control* c = w.find(id);
    if (!c || c->state.readOnly)
        return;
    bool selectionCoversAll = true; // the user selected all text before typing
    for (const std::string& character : splitUtf8(text)) {
        const std::string key = typedCharacter(character);
        if (key.empty())
            continue;
        if (c->digitsOnly && !(key.size() == 1 && key[0] >= '0' && key[0] <= '9'))
            continue;
        std::string next = selectionCoversAll ? key : c->state.text + key;
        // The limit counts UTF-16 units, as the platform's edits do.
        if (c->limit > 0 && utf16Length(next) > static_cast<std::size_t>(c->limit))
            continue;
        selectionCoversAll = false;
        w.changeEdit(*c, std::move(next));
        c = w.find(id); // the form may not remove controls, but stay safe if the window changed
        if (!c || w.ended())
            return;
    }
}

void MemoryHost::userClear(int id) {
    Window& w = top();
    if (Control* c = w.find(id); c && !c->state.readOnly)
        w.changeEdit(*c, std::string());
}

void MemoryHost::userClick(int id) {
    top().dialog().onClick(id);
}

void MemoryHost::userKey(Key key) {
    Window& w = top();
    const int focused = w.focus();
    const Control* c = w.find(focused);
    switch (key) {
    case Key::Enter:
        w.dialog().onClick(w.defaultButton());
        break;
    case Key::Esc:
        w.dialog().onClick(kIdCancel);
        break;
    case Key::Tab:
    case Key::BackTab:
        w.moveFocus(key == Key::Tab ? 1 : -1);
        break;
    case Key::Space:
        if (c && (c->state.kind == ControlKind::Button || c->state.link))
            w.dialog().onClick(focused);
        break;
    case Key::Up:
    case Key::Down: {
        // A closed list steps to the neighbouring entry and reports the pick; at either end
        // nothing changes and nothing is reported.
        if (!c || c->state.kind != ControlKind::List)
            break;
        const int count = static_cast<int>(c->state.items.size());
        const int next = key == Key::Down ? std::min(c->state.selected + 1, count - 1)
                                          : std::max(c->state.selected - 1, 0);
        if (count > 0 && next != c->state.selected)
            userSelect(focused, next);
        break;
    }
    }
}

void MemoryHost::userAlt(std::string_view letter) {
    Window& w = top();
    const DialogTemplate& t = w.dialog().dialogTemplate();
    const std::vector<int> ids = mnemonicControls(t);
    std::vector<std::string> texts;
    for (const int id : ids)
        texts.push_back(w.text(id));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const int at = mnemonicFor(views, letter);
    if (at < 0)
        return;
    const int id = ids[static_cast<std::size_t>(at)];
    const Control* c = w.find(id);
    if (c->state.kind == ControlKind::Button) {
        // Clicked where the focus is, as Qt's buttons do for their mnemonic.
        if (c->state.visible && c->state.enabled)
            w.dialog().onClick(id);
        return;
    }
    const Control* field = w.find(labelledField(t.id, id));
    if (c->state.visible && field && field->state.visible && field->state.enabled)
        w.setFocus(field->state.id);
}

void MemoryHost::userShortcut(char key) {
    Dialog& dialog = top().dialog();
    for (const Shortcut& shortcut : dialog.shortcuts())
        if (shortcut.key == key) {
            dialog.onClick(shortcut.control);
            return;
        }
}

void MemoryHost::userClose() {
    top().dialog().onClick(kIdCancel);
}

void MemoryHost::userMenuAbout() {
    top().dialog().onMenuAbout();
}

bool MemoryHost::hasAboutMenu() const {
    return hasWindow() && top().dialog().hasAboutMenu();
}

void MemoryHost::userMenuLoad() {
    top().dialog().onMenuLoad();
}

bool MemoryHost::hasLoadMenu() const {
    return hasWindow() && top().dialog().hasLoadMenu();
}

bool MemoryHost::screenshot(const std::string&, std::string& reason) {
    reason = "the in-memory host draws nothing; use --host qt";
    return false;
}

std::string MemoryHost::title() const {
    return hasWindow() ? top().title() : std::string();
}
int MemoryHost::focus() const {
    return hasWindow() ? top().focus() : kUnnamed;
}
std::pair<int, int> MemoryHost::offset(int id) const {
    const Control* c = hasWindow() ? top().find(id) : nullptr;
    return c ? std::pair{c->dx, c->dy} : std::pair{0, 0};
}

} // namespace quorvex::ui
