// SPDX-License-Identifier: MIT
#include "ui/win32/Win32DialogWindow.h"

#include "core/SystemText.h"
#include "core/Utf8.h"
#include "ui/Mnemonics.h"
#include "ui/templates/AccessibleNames.h"
#include "ui/win32/DialogTemplateBytes.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace quorvex::ui::win32 {

namespace {

// Posted to a window: a driver's turn (wParam unused), a list's close-up to judge (wParam: id).
constexpr UINT kStepMessage = WM_APP + 1;
constexpr UINT kCloseUpMessage = WM_APP + 2;
// A driver waits at most this many rounds for queued messages before it acts again.
constexpr int kMostSettlingRounds = 50;
// The result a stopped driver closes a window with; never one a form ends with.
constexpr int kAbandonedResult = -1;

const COLORREF kDialogBlue = RGB(111, 153, 224);
const COLORREF kStaticText = RGB(255, 255, 255);
// Dark amber: apart from the blue, the default button's frame and white text.
const COLORREF kFocusFrame = RGB(196, 84, 0);

// The system asks for high contrast: the windows then keep the system's colours throughout.
bool highContrast() {
    HIGHCONTRASTW contrast{sizeof contrast, 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A text as a static or button shows it: "&" doubled, and one "&" before the Alt+letter.
std::wstring withMark(const std::wstring& text, int at) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<int>(i) == at)
            out += L'&';
        out += text[i];
        if (text[i] == L'&')
            out += L'&';
    }
    return out;
}

bool takesMark(ControlKind kind) {
    return kind == ControlKind::Static || kind == ControlKind::Button ||
           kind == ControlKind::GroupBox;
}

HBRUSH dialogBrush() {
    static const HBRUSH brush = CreateSolidBrush(kDialogBlue);
    return brush;
}

bool has(const ControlSpec& spec, unsigned flag) {
    return (spec.flags & flag) != 0;
}

std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string comboItem(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return utf8FromWide(text);
}

bool isFocusable(const ControlSpec& spec) {
    return spec.kind == ControlKind::Edit || spec.kind == ControlKind::List ||
           spec.kind == ControlKind::Button;
}

// The frame of the focused control, just outside its edges, in the window's client area.
RECT focusFrameOf(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    InflateRect(&r, 3, 3);
    return r;
}

} // namespace

Win32DialogWindow::Win32DialogWindow(Dialog& dialog, WindowDriver* driver)
    : m_dialog(dialog), m_driver(driver) {}

Win32DialogWindow::~Win32DialogWindow() {
    if (m_linkFont)
        DeleteObject(m_linkFont);
    for (HICON icon : m_icons)
        if (icon)
            DestroyIcon(icon);
}

void Win32DialogWindow::runModal(HWND owner) {
    const std::vector<std::uint16_t> bytes = dialogTemplateBytes(m_dialog.dialogTemplate());
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner,
                            &Win32DialogWindow::dialogProc, reinterpret_cast<LPARAM>(this));
    m_hwnd = nullptr;
}

INT_PTR CALLBACK Win32DialogWindow::dialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
        return self->initialise();
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return self ? self->handle(message, wParam, lParam) : FALSE;
}

LRESULT CALLBACK Win32DialogWindow::controlProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<Win32DialogWindow*>(self)->handleControl(hwnd, message, wParam, lParam);
}

BOOL Win32DialogWindow::initialise() {
    const DialogTemplate& t = m_dialog.dialogTemplate();
    // Windows hides focus frames and mnemonics until the keyboard is used; ours are always seen.
    SendMessageW(m_hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                 0);
    HWND child = GetWindow(m_hwnd, GW_CHILD);
    std::vector<HWND> frames;
    for (const ControlSpec& spec : t.controls) {
        if (!child)
            break;
        if (spec.id != kUnnamed && !m_controls.contains(spec.id)) {
            Entry e{&spec, child, windowText(child), false, false, std::string(spec.text)};
            m_controls.emplace(spec.id, std::move(e));
            m_ids.emplace(child, spec.id);
        }
        SetWindowSubclass(child, &Win32DialogWindow::controlProc, 1,
                          reinterpret_cast<DWORD_PTR>(this));
        if (spec.kind == ControlKind::GroupBox)
            frames.push_back(child);
        if (spec.kind == ControlKind::Static && has(spec, style::Link)) {
            if (!m_linkFont) {
                LOGFONTW font{};
                GetObjectW(reinterpret_cast<HFONT>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0)),
                           sizeof font, &font);
                font.lfUnderline = TRUE;
                m_linkFont = CreateFontIndirectW(&font);
            }
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_linkFont), FALSE);
        }
        if (spec.kind == ControlKind::Edit && spec.limit > 0)
            SendMessageW(child, EM_SETLIMITTEXT, static_cast<WPARAM>(spec.limit), 0);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    // Frames stay behind the controls they hold, whatever their place in the template.
    for (HWND frame : frames)
        SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    placeLabelsBeforeFields();
    markMnemonics();
    addWindowMenu();
    scrollIfTooTall();
    m_ready = true;
    m_dialog.onInit(*this);
    if (!m_ended) {
        // Centred over the screen's free area, as the framework centres a dialog with no place.
        RECT r, work;
        GetWindowRect(m_hwnd, &r);
        HMONITOR monitor = MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY);
        MONITORINFO info{sizeof info, {}, {}, 0};
        GetMonitorInfoW(monitor, &info);
        work = info.rcWork;
        const int x = work.left + std::max(0L, ((work.right - work.left) - (r.right - r.left)) / 2);
        const int y = work.top + std::max(0L, ((work.bottom - work.top) - (r.bottom - r.top)) / 2);
        SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (m_driver)
        m_driver->initialised(*this);
    return m_focusSet ? FALSE : TRUE; // TRUE: the first tab stop takes the focus
}

void Win32DialogWindow::addWindowMenu() {
    if (!m_dialog.hasAboutMenu() && !m_dialog.hasLoadMenu())
        return;
    HMENU menu = GetSystemMenu(m_hwnd, FALSE);
    if (!menu)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    if (m_dialog.hasAboutMenu())
        AppendMenuW(menu, MF_STRING, kAboutCommand, widenUtf8(m_dialog.aboutMenuText()).c_str());
    if (m_dialog.hasLoadMenu())
        AppendMenuW(menu, MF_STRING, kLoadCommand, widenUtf8(m_dialog.loadMenuText()).c_str());
}

bool Win32DialogWindow::hasMenuItem(UINT command) const {
    HMENU menu = m_hwnd ? GetSystemMenu(m_hwnd, FALSE) : nullptr;
    return menu && GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

// The same items as the system menu, where the pointer or the focused control is (Shift+F10 and
// the Menu key arrive here too).
void Win32DialogWindow::showContextMenu(LPARAM at) {
    if (!m_dialog.hasAboutMenu() && !m_dialog.hasLoadMenu())
        return;
    POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        RECT r;
        GetWindowRect(GetFocus() ? GetFocus() : m_hwnd, &r);
        p = {r.left, r.bottom};
    }
    HMENU menu = CreatePopupMenu();
    if (m_dialog.hasLoadMenu())
        AppendMenuW(menu, MF_STRING, kLoadCommand, widenUtf8(m_dialog.loadMenuText()).c_str());
    if (m_dialog.hasAboutMenu())
        AppendMenuW(menu, MF_STRING, kAboutCommand, widenUtf8(m_dialog.aboutMenuText()).c_str());
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, p.x, p.y, 0, m_hwnd, nullptr));
    DestroyMenu(menu);
    if (chosen == kAboutCommand)
        m_dialog.onMenuAbout();
    else if (chosen == kLoadCommand)
        m_dialog.onMenuLoad();
}

INT_PTR Win32DialogWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kAboutCommand) {
            m_dialog.onMenuAbout();
            return TRUE;
        }
        if ((wParam & 0xFFF0) == kLoadCommand) {
            m_dialog.onMenuLoad();
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        if (!m_ended)
            m_dialog.onClick(kIdCancel);
        return TRUE;
    case WM_CONTEXTMENU:
        showContextMenu(lParam);
        return TRUE;
    case WM_CTLCOLORDLG:
        return highContrast() ? FALSE : reinterpret_cast<INT_PTR>(dialogBrush());
    case WM_CTLCOLORSTATIC: {
        if (highContrast())
            return FALSE;
        // Statics, frames and read-only edits sit on the blue with white text; an editable edit
        // that is only disabled keeps the system's colours.
        const HWND from = reinterpret_cast<HWND>(lParam);
        if (const Entry* e = entryOf(from); e && e->spec->kind == ControlKind::Edit &&
                                            !(GetWindowLongW(from, GWL_STYLE) & ES_READONLY))
            return FALSE;
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kStaticText);
        SetBkColor(dc, kDialogBlue);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<INT_PTR>(dialogBrush());
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(m_hwnd, &ps);
        EndPaint(m_hwnd, &ps);
        paintFocusFrame();
        return TRUE;
    }
    case WM_VSCROLL: {
        const int line = HIWORD(GetDialogBaseUnits());
        RECT client;
        GetClientRect(m_hwnd, &client);
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            scrollTo(m_scroll - line);
            break;
        case SB_LINEDOWN:
            scrollTo(m_scroll + line);
            break;
        case SB_PAGEUP:
            scrollTo(m_scroll - client.bottom);
            break;
        case SB_PAGEDOWN:
            scrollTo(m_scroll + client.bottom);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            scrollTo(HIWORD(wParam));
            break;
        case SB_TOP:
            scrollTo(0);
            break;
        case SB_BOTTOM:
            scrollTo(m_scrollRange);
            break;
        default:
            break;
        }
        return TRUE;
    }
    case WM_KEYDOWN:
        return shortcut(static_cast<UINT>(wParam)) ? TRUE : FALSE;
    case WM_MOUSEWHEEL:
        scrollBy(-GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3);
        return TRUE;
    case kStepMessage: {
        m_stepPending = false;
        if (m_ended || !m_driver)
            return TRUE;
        // Whatever the last action queued (a list's close-up, a key) comes first.
        MSG pending;
        const bool busy =
            PeekMessageW(&pending, nullptr, 0, kStepMessage - 1, PM_NOREMOVE | PM_QS_POSTMESSAGE) ||
            PeekMessageW(&pending, nullptr, kStepMessage + 1, 0xFFFF,
                         PM_NOREMOVE | PM_QS_POSTMESSAGE);
        if (busy && ++m_settling < kMostSettlingRounds) {
            requestStep();
            return TRUE;
        }
        m_settling = 0;
        m_driver->waiting(*this);
        return TRUE;
    }
    case kCloseUpMessage:
        if (Entry* e = entry(static_cast<int>(wParam)); e && e->dropped) {
            e->dropped = false;
            if (!e->picked && !m_ended)
                m_dialog.onListCloseUp(static_cast<int>(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void Win32DialogWindow::command(int id, int code, HWND from) {
    if (!m_ready || m_ended)
        return;
    Entry* e = entry(id);
    if (!e || (from && e->hwnd != from)) {
        // Enter and Esc through the dialog manager, with no control of that id.
        if (code == BN_CLICKED && (id == IDOK || id == IDCANCEL))
            m_dialog.onClick(id);
        return;
    }
    switch (e->spec->kind) {
    case ControlKind::Edit:
        if (code == EN_CHANGE)
            editChanged(*e);
        return;
    case ControlKind::List:
        if (code == CBN_DROPDOWN) {
            e->dropped = true;
            e->picked = false;
        } else if (code == CBN_SELENDOK && e->dropped) {
            reportPick(id); // a pick from the open list, also of the entry already chosen
        } else if (code == CBN_SELCHANGE && !e->dropped) {
            reportPick(id); // an arrow key or the wheel on the closed list
        } else if (code == CBN_CLOSEUP) {
            // Whether this opening picked anything is known once its notifications are done.
            PostMessageW(m_hwnd, kCloseUpMessage, static_cast<WPARAM>(id), 0);
        }
        return;
    case ControlKind::Button:
    case ControlKind::Static:
        if (code == BN_CLICKED) // also STN_CLICKED of a link
            m_dialog.onClick(id);
        return;
    case ControlKind::GroupBox:
        return;
    }
}

void Win32DialogWindow::reportPick(int id) {
    Entry* e = entry(id);
    if (!e)
        return;
    e->picked = true;
    ++m_picks;
    m_dialog.onListPick(id);
}

void Win32DialogWindow::editChanged(Entry& entry) {
    std::wstring now = windowText(entry.hwnd);
    if (now == entry.lastText)
        return;
    entry.lastText = std::move(now);
    m_dialog.onEditChange(static_cast<int>(m_ids[entry.hwnd]));
}

LRESULT Win32DialogWindow::handleControl(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: {
        const LRESULT r = DefSubclassProc(hwnd, message, wParam, lParam);
        focusChanged(hwnd);
        return r;
    }
    case WM_KILLFOCUS: {
        const LRESULT r = DefSubclassProc(hwnd, message, wParam, lParam);
        focusChanged(nullptr);
        return r;
    }
    case WM_PASTE:
        if (Entry* e = entryOf(hwnd); e && e->spec->kind == ControlKind::Edit) {
            if (!(GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY))
                pasteInto(*e);
            return 0;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (shortcut(static_cast<UINT>(wParam)))
            return 0;
        if (const Entry* e = entryOf(hwnd);
            e && has(*e->spec, style::Link) && message == WM_KEYDOWN && wParam == VK_SPACE) {
            m_dialog.onClick(m_ids[hwnd]);
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (const Entry* e = entryOf(hwnd); e && has(*e->spec, style::Link)) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &Win32DialogWindow::controlProc, 1);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// Pasting follows the rules typing does, which a digits-only edit does not apply to pasted text:
// only digits go into such an edit, the first line only, cut at the limit (never inside a
// surrogate pair).
void Win32DialogWindow::pasteInto(Entry& entry) {
    if (!OpenClipboard(m_hwnd))
        return;
    std::wstring pasted;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            pasted = text;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    pasted = pasted.substr(0, pasted.find_first_of(L"\r\n"));
    const ControlSpec& spec = *entry.spec;
    if (has(spec, style::DigitsOnly) && !std::all_of(pasted.begin(), pasted.end(), [](wchar_t c) {
            return c >= L'0' && c <= L'9';
        }))
        return;
    const int limit = static_cast<int>(SendMessageW(entry.hwnd, EM_GETLIMITTEXT, 0, 0));
    DWORD start = 0, end = 0;
    SendMessageW(entry.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const int room = limit - (GetWindowTextLengthW(entry.hwnd) - static_cast<int>(end - start));
    if (room <= 0)
        return;
    if (static_cast<int>(pasted.size()) > room) {
        std::size_t cut = static_cast<std::size_t>(room);
        if (IS_HIGH_SURROGATE(pasted[cut - 1]))
            --cut;
        pasted.resize(cut);
    }
    SendMessageW(entry.hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pasted.c_str()));
}

// Ctrl and a letter or digit acts as a click on the control the form names for it, wherever the
// focus is in the window.
bool Win32DialogWindow::shortcut(UINT key) {
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0 || m_ended)
        return false;
    for (const Shortcut& s : m_dialog.shortcuts()) {
        if (static_cast<UINT>(static_cast<unsigned char>(s.key)) != key)
            continue;
        if (const Entry* e = entry(s.control); e && !IsWindowEnabled(e->hwnd))
            return true;
        m_dialog.onClick(s.control);
        return true;
    }
    return false;
}

void Win32DialogWindow::focusChanged(HWND now) {
    if (m_focus) {
        const RECT old = focusFrameOf(m_hwnd, m_focus);
        InvalidateRect(m_hwnd, &old, TRUE);
    }
    m_focus = nullptr;
    if (now)
        m_lastFocus = now;
    if (const Entry* e = now ? entryOf(now) : nullptr; e && isFocusable(*e->spec)) {
        m_focus = now;
        const RECT frame = focusFrameOf(m_hwnd, now);
        InvalidateRect(m_hwnd, &frame, TRUE);
        // A window taller than the screen keeps the focused control in view.
        if (m_scrollRange > 0) {
            RECT client;
            GetClientRect(m_hwnd, &client);
            if (frame.top < 0)
                scrollTo(m_scroll + frame.top);
            else if (frame.bottom > client.bottom)
                scrollTo(m_scroll + frame.bottom - client.bottom);
        }
    }
}

void Win32DialogWindow::paintFocusFrame() {
    if (!m_focus || !IsWindowVisible(m_focus))
        return;
    HDC dc = GetDC(m_hwnd);
    // Only the ring around the control: the controls themselves are left as they drew.
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const Entry* e = entryOf(child);
        if (!IsWindowVisible(child) || (e && e->spec->kind == ControlKind::GroupBox))
            continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    RECT frame = focusFrameOf(m_hwnd, m_focus);
    InflateRect(&frame, -1, -1);
    HBRUSH brush = CreateSolidBrush(highContrast() ? GetSysColor(COLOR_HIGHLIGHT) : kFocusFrame);
    for (int i = 0; i < 2; ++i) {
        FrameRect(dc, &frame, brush);
        InflateRect(&frame, -1, -1);
    }
    DeleteObject(brush);
    ReleaseDC(m_hwnd, dc);
}

// A window taller than the screen's free area keeps its layout and scrolls, so every control
// stays reachable (a laptop's 768 lines less the taskbar, or 1080 lines at 150 %).
void Win32DialogWindow::scrollIfTooTall() {
    RECT window, client;
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    // The template's own height: the system may already have cut the window to the screen.
    RECT natural{0, 0, m_dialog.dialogTemplate().width, m_dialog.dialogTemplate().height};
    MapDialogRect(m_hwnd, &natural);
    const int frame = (window.bottom - window.top) - client.bottom;
    MONITORINFO info{sizeof info, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &info);
    const int available = info.rcWork.bottom - info.rcWork.top;
    if (natural.bottom + frame <= available || available <= frame)
        return;
    SetWindowLongW(m_hwnd, GWL_STYLE, GetWindowLongW(m_hwnd, GWL_STYLE) | WS_VSCROLL);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left + bar, available,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    GetClientRect(m_hwnd, &client);
    m_scrollRange = std::max(0L, natural.bottom - client.bottom);
    SCROLLINFO si{sizeof si,
                  SIF_RANGE | SIF_PAGE | SIF_POS,
                  0,
                  static_cast<int>(natural.bottom) - 1,
                  static_cast<UINT>(client.bottom),
                  0,
                  0};
    SetScrollInfo(m_hwnd, SB_VERT, &si, TRUE);
}

void Win32DialogWindow::scrollTo(int position) {
    position = std::clamp(position, 0, m_scrollRange);
    if (m_scrollRange == 0 || position == m_scroll)
        return;
    // Every control moves by the same amount (some systems' scrolling leaves children in place).
    const int dy = m_scroll - position;
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left, r.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
    m_scroll = position;
    SetScrollPos(m_hwnd, SB_VERT, position, TRUE);
}

void Win32DialogWindow::scrollBy(int lines) {
    scrollTo(m_scroll + lines * HIWORD(GetDialogBaseUnits()));
}

void Win32DialogWindow::requestStep() {
    if (m_stepPending || !m_hwnd)
        return;
    m_stepPending = true;
    PostMessageW(m_hwnd, kStepMessage, 0, 0);
}

void Win32DialogWindow::abandon() {
    if (m_hwnd)
        EndDialog(m_hwnd, kAbandonedResult);
}

// The dialog manager's Alt+letter on a label moves to the next field after it in Tab order, so a
// label stands right before the field it names.
void Win32DialogWindow::placeLabelsBeforeFields() {
    const int templateId = m_dialog.dialogTemplate().id;
    for (const auto& [id, e] : m_controls) {
        if (e.spec->kind != ControlKind::Static)
            continue;
        const Entry* field = entry(labelledField(templateId, id));
        if (!field)
            continue;
        HWND before = GetWindow(field->hwnd, GW_HWNDPREV);
        if (before != e.hwnd)
            SetWindowPos(e.hwnd, before ? before : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// Every static, frame and button shows its text with its Alt+letter underlined, chosen anew from
// the texts the window shows now; the texts themselves stay as the form set them.
void Win32DialogWindow::markMnemonics() {
    const std::vector<int> ids = mnemonicControls(m_dialog.dialogTemplate());
    std::vector<std::string_view> texts;
    for (int id : ids)
        texts.push_back(entry(id) ? std::string_view(entry(id)->plain) : std::string_view());
    const std::vector<int> at = mnemonicPositions(texts);
    std::map<int, int> marks;
    for (std::size_t i = 0; i < ids.size(); ++i)
        marks[ids[i]] = at[i];
    for (auto& [id, e] : m_controls) {
        if (!takesMark(e.spec->kind) || has(*e.spec, style::Icon))
            continue;
        const auto mark = marks.find(id);
        const std::wstring shown =
            withMark(widenUtf8(e.plain), mark == marks.end() ? -1 : mark->second);
        if (shown != windowText(e.hwnd))
            SetWindowTextW(e.hwnd, shown.c_str());
    }
}

bool Win32DialogWindow::mnemonic(std::string_view letter) {
    const DialogTemplate& t = m_dialog.dialogTemplate();
    const std::vector<int> ids = mnemonicControls(t);
    std::vector<std::string_view> texts;
    for (int id : ids)
        texts.push_back(entry(id) ? std::string_view(entry(id)->plain) : std::string_view());
    const int at = mnemonicFor(texts, letter);
    if (at < 0)
        return false;
    const int id = ids[static_cast<std::size_t>(at)];
    const Entry* e = entry(id);
    if (!e || !IsWindowVisible(e->hwnd))
        return true;
    if (e->spec->kind == ControlKind::Button) {
        if (IsWindowEnabled(e->hwnd))
            m_dialog.onClick(id);
        return true;
    }
    if (const Entry* field = entry(labelledField(t.id, id));
        field && IsWindowVisible(field->hwnd) && IsWindowEnabled(field->hwnd))
        SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field->hwnd), TRUE);
    return true;
}

HWND Win32DialogWindow::focused() const {
    const HWND now = GetFocus();
    if (now && IsChild(m_hwnd, now))
        return now;
    return m_lastFocus && IsWindow(m_lastFocus) ? m_lastFocus : nullptr;
}

void Win32DialogWindow::tab(bool back) {
    if (HWND next = GetNextDlgTabItem(m_hwnd, focused(), back ? TRUE : FALSE))
        SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

Win32DialogWindow::Entry* Win32DialogWindow::entry(int id) {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

const Win32DialogWindow::Entry* Win32DialogWindow::entry(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

Win32DialogWindow::Entry* Win32DialogWindow::entryOf(HWND hwnd) {
    const auto it = m_ids.find(hwnd);
    return it == m_ids.end() ? nullptr : entry(it->second);
}

HWND Win32DialogWindow::control(int id) const {
    const Entry* e = entry(id);
    return e ? e->hwnd : nullptr;
}

std::string Win32DialogWindow::title() const {
    return utf8FromWide(windowText(m_hwnd));
}

std::vector<int> Win32DialogWindow::ids() const {
    std::vector<int> out;
    for (const auto& [id, e] : m_controls)
        out.push_back(id);
    return out;
}

std::optional<ControlState> Win32DialogWindow::state(int id) const {
    const Entry* e = entry(id);
    if (!e)
        return std::nullopt;
    const LONG styleBits = GetWindowLongW(e->hwnd, GWL_STYLE);
    ControlState out;
    out.id = id;
    out.kind = e->spec->kind;
    out.readOnly = e->spec->kind == ControlKind::Edit ? (styleBits & ES_READONLY) != 0
                                                      : has(*e->spec, style::ReadOnly);
    out.enabled = IsWindowEnabled(e->hwnd) != FALSE;
    out.visible = (styleBits & WS_VISIBLE) != 0;
    out.link = has(*e->spec, style::Link);
    if (e->spec->kind == ControlKind::List) {
        for (int i = 0, n = itemCount(id); i < n; ++i)
            out.items.push_back(comboItem(e->hwnd, i));
        out.selected = selected(id);
    } else {
        out.text = text(id);
    }
    out.name = std::string(accessibleName(m_dialog.dialogTemplate().id, *e->spec,
                                          m_dialog.interfaceLanguage(), out.text));
    return out;
}

void Win32DialogWindow::setTitle(std::string_view title) {
    SetWindowTextW(m_hwnd, widenUtf8(title).c_str());
}

void Win32DialogWindow::setIcon(int resource) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    const int sizes[2][2] = {{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)},
                             {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}};
    for (int i = 0; i < 2; ++i) {
        HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                                   sizes[i][0], sizes[i][1], 0));
        if (!icon)
            continue;
        const HICON old = reinterpret_cast<HICON>(SendMessageW(
            m_hwnd, WM_SETICON, i == 0 ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
        if (old && old == m_icons[i])
            DestroyIcon(old);
        m_icons[i] = icon;
    }
}

void Win32DialogWindow::end(int result) {
    if (m_ended)
        return;
    m_ended = true;
    m_result = result;
    EndDialog(m_hwnd, result);
}

void Win32DialogWindow::setText(int id, std::string_view text) {
    const Entry* e = entry(id);
    if (!e || e->spec->kind == ControlKind::List)
        return;
    if (e->spec->kind == ControlKind::Edit) {
        SetWindowTextW(e->hwnd, widenUtf8(text).c_str()); // reports the change
        return;
    }
    entry(id)->plain = std::string(text);
    markMnemonics();                        // the Alt+letters follow the texts the window shows
    InvalidateRect(e->hwnd, nullptr, TRUE); // a transparent static repaints its background
}

std::string Win32DialogWindow::text(int id) const {
    const Entry* e = entry(id);
    if (!e)
        return {};
    if (e->spec->kind == ControlKind::List) {
        const int at = selected(id);
        return at >= 0 ? comboItem(e->hwnd, at) : std::string();
    }
    if (takesMark(e->spec->kind))
        return e->plain;
    return utf8FromWide(windowText(e->hwnd));
}

void Win32DialogWindow::setVisible(int id, bool visible) {
    if (const Entry* e = entry(id))
        ShowWindow(e->hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32DialogWindow::setEnabled(int id, bool enabled) {
    if (const Entry* e = entry(id))
        EnableWindow(e->hwnd, enabled ? TRUE : FALSE);
}

// Forms measure moves for the framework's dialog font (base units 6 and 13); scaled to the font
// the window has, so that moved rows keep their place among the others.
void Win32DialogWindow::moveBy(int id, int dxPixels, int dyPixels) {
    const Entry* e = entry(id);
    if (!e)
        return;
    RECT units{0, 0, 4, 8};
    MapDialogRect(m_hwnd, &units);
    RECT r;
    GetWindowRect(e->hwnd, &r);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
    const int dx = MulDiv(dxPixels, units.right, 6);
    const int dy = MulDiv(dyPixels, units.bottom, 13);
    SetWindowPos(e->hwnd, nullptr, r.left + dx, r.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void Win32DialogWindow::setFocus(int id) {
    if (const Entry* e = entry(id)) {
        SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(e->hwnd), TRUE);
        m_focusSet = true;
    }
}

void Win32DialogWindow::setReadOnly(int id, bool readOnly) {
    if (const Entry* e = entry(id); e && e->spec->kind == ControlKind::Edit) {
        SendMessageW(e->hwnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
        InvalidateRect(e->hwnd, nullptr, TRUE);
    }
}

void Win32DialogWindow::setLimit(int id, int characters) {
    if (const Entry* e = entry(id); e && e->spec->kind == ControlKind::Edit)
        SendMessageW(e->hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(characters, 0)), 0);
}

void Win32DialogWindow::clearList(int id) {
    if (const Entry* e = entry(id); e && e->spec->kind == ControlKind::List)
        SendMessageW(e->hwnd, CB_RESETCONTENT, 0, 0);
}

void Win32DialogWindow::addItem(int id, std::string_view text) {
    if (const Entry* e = entry(id); e && e->spec->kind == ControlKind::List)
        SendMessageW(e->hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widenUtf8(text).c_str()));
}

void Win32DialogWindow::select(int id, int position) {
    if (const Entry* e = entry(id); e && e->spec->kind == ControlKind::List) {
        const int count = itemCount(id);
        SendMessageW(e->hwnd, CB_SETCURSEL,
                     static_cast<WPARAM>(position >= 0 && position < count ? position : -1), 0);
    }
}

int Win32DialogWindow::selected(int id) const {
    const Entry* e = entry(id);
    if (!e || e->spec->kind != ControlKind::List)
        return -1;
    const LRESULT at = SendMessageW(e->hwnd, CB_GETCURSEL, 0, 0);
    return at == CB_ERR ? -1 : static_cast<int>(at);
}

int Win32DialogWindow::itemCount(int id) const {
    const Entry* e = entry(id);
    if (!e || e->spec->kind != ControlKind::List)
        return 0;
    const LRESULT n = SendMessageW(e->hwnd, CB_GETCOUNT, 0, 0);
    return n == CB_ERR ? 0 : static_cast<int>(n);
}

} // namespace quorvex::ui::win32
