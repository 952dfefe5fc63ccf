// SPDX-License-Identifier: MIT
#include "ui/win32/DialogTemplateBytes.h"

#include "core/SystemText.h"

#include <windows.h>

#include <string_view>

namespace quorvex::ui::win32 {

namespace {

// Predefined window classes of a dialog item, by their atoms.
constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;
constexpr std::uint16_t kComboBoxClass = 0x0085;

// The classic dialog font; Windows maps it to the system's own UI font (SimSun on a Chinese
// system), and dialog units follow it.
constexpr std::wstring_view kDialogFont = L"MS Shell Dlg";
constexpr std::uint16_t kDialogFontPoints = 8;

class Writer {
  public:
    void word(std::uint16_t value) { m_out.push_back(value); }
    void dword(std::uint32_t value) {
        word(static_cast<std::uint16_t>(value & 0xFFFF));
        word(static_cast<std::uint16_t>(value >> 16));
    }
    void text(std::wstring_view value) {
        for (wchar_t c : value)
            word(static_cast<std::uint16_t>(c));
        word(0);
    }
    void ordinal(std::uint16_t value) {
        word(0xFFFF);
        word(value);
    }
    // Every item starts on a four-byte boundary.
    void alignDword() {
        if (m_out.size() % 2 != 0)
            word(0);
    }
    std::vector<std::uint16_t> take() { return std::move(m_out); }

  private:
    std::vector<std::uint16_t> m_out;
};

// Statics, frames and buttons read "&" as the mark of an Alt+letter: a literal one is doubled
// (the window marks the letters once it exists).
std::wstring shownText(std::string_view text) {
    std::wstring out;
    for (wchar_t c : widenUtf8(text)) {
        out += c;
        if (c == L'&')
            out += L'&';
    }
    return out;
}

bool has(const ControlSpec& c, unsigned flag) {
    return (c.flags & flag) != 0;
}

std::uint16_t classOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return kEditClass;
    case ControlKind::List:
        return kComboBoxClass;
    case ControlKind::Static:
        return kStaticClass;
    case ControlKind::GroupBox:
    case ControlKind::Button:
        break;
    }
    return kButtonClass;
}

} // namespace

std::uint32_t controlStyle(const ControlSpec& c) {
    std::uint32_t s = WS_CHILD;
    if (!has(c, style::Hidden))
        s |= WS_VISIBLE;
    if (has(c, style::Disabled))
        s |= WS_DISABLED;
    switch (c.kind) {
    case ControlKind::Static:
        if (has(c, style::Icon))
            return s | SS_ICON;
        // A link is a Tab stop: Space opens it as a click does.
        if (has(c, style::Link))
            s |= SS_NOTIFY | WS_TABSTOP;
        if (has(c, style::Centred))
            return s | SS_CENTER;
        if (has(c, style::Right))
            return s | SS_RIGHT;
        return s | SS_LEFT;
    case ControlKind::GroupBox:
        return s | BS_GROUPBOX;
    case ControlKind::Edit:
        s |= WS_TABSTOP | ES_AUTOHSCROLL;
        if (has(c, style::ReadOnly))
            s |= ES_READONLY;
        if (has(c, style::DigitsOnly))
            s |= ES_NUMBER;
        if (has(c, style::Centred))
            s |= ES_CENTER;
        if (has(c, style::Password))
            s |= ES_PASSWORD;
        return s;
    case ControlKind::List:
        return s | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ControlKind::Button:
        s |= WS_TABSTOP | (has(c, style::DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (has(c, style::MultiLine))
            s |= BS_MULTILINE;
        return s;
    }
    return s;
}

std::vector<std::uint16_t> dialogTemplateBytes(const DialogTemplate& dialog) {
    Writer w;
    w.word(1);      // dlgVer
    w.word(0xFFFF); // signature of the extended form
    w.dword(0);     // helpID
    w.dword(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT);
    w.dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SHELLFONT);
    w.word(static_cast<std::uint16_t>(dialog.controls.size()));
    w.word(0); // x and y: centred once shown
    w.word(0);
    w.word(static_cast<std::uint16_t>(dialog.width));
    w.word(static_cast<std::uint16_t>(dialog.height));
    w.word(0); // no menu
    w.word(0); // the dialog class
    w.text(widenUtf8(dialog.title));
    w.word(kDialogFontPoints);
    w.word(FW_NORMAL);
    w.word(DEFAULT_CHARSET << 8); // italic 0, then the character set
    w.text(kDialogFont);
    for (const ControlSpec& c : dialog.controls) {
        w.alignDword();
        w.dword(0); // helpID
        w.dword(c.kind == ControlKind::Edit ? WS_EX_CLIENTEDGE : 0);
        w.dword(controlStyle(c));
        w.word(static_cast<std::uint16_t>(c.x));
        w.word(static_cast<std::uint16_t>(c.y));
        w.word(static_cast<std::uint16_t>(c.width));
        w.word(static_cast<std::uint16_t>(c.height));
        w.dword(static_cast<std::uint32_t>(c.id));
        w.ordinal(classOf(c.kind));
        if (c.kind == ControlKind::Static && has(c, style::Icon))
            w.ordinal(kAboutIconResource);
        else if (c.kind == ControlKind::Edit)
            w.text(widenUtf8(c.text));
        else
            w.text(shownText(c.text));
        w.word(0); // no creation data
    }
    return w.take();
}

} // namespace quorvex::ui::win32
