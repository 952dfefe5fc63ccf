// SPDX-License-Identifier: MIT
#include "ui/win32/Win32Host.h"

#include "core/InfoMessages.h"
#include "core/SystemText.h"
#include "ui/win32/CommonControls.h"
#include "ui/win32/FolderChooser.h"
#include "ui/win32/Win32DialogWindow.h"

#include <shellapi.h>

namespace quorvex::ui::win32 {

Win32Host::Win32Host() {
    initCommonControls();
}

HWND Win32Host::current() const {
    return m_windows.empty() ? nullptr : m_windows.back()->handle();
}

int Win32Host::run(Dialog& dialog) {
    Win32DialogWindow window(dialog, m_driver);
    const HWND owner = current();
    m_windows.push_back(&window);
    window.runModal(owner);
    m_windows.pop_back();
    const int result = window.result();
    dialog.onDestroy();
    return result;
}

std::optional<std::string> Win32Host::chooseFolder(const std::string& startFolder) {
    return chooseFolderNative(current(), startFolder);
}

LocalTime Win32Host::localTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// The maker's page through the shell's "open" verb on explorer, which hands it to the browser.
void Win32Host::openUrl(std::string_view url) {
    ShellExecuteW(current(), L"open", L"explorer", widenUtf8(url).c_str(), nullptr, SW_SHOWNORMAL);
}

void Win32Host::log(std::string_view text) {
    OutputDebugStringW(widenUtf8("quorvex: " + std::string(text) + "\n").c_str());
}

// The common message box: caption "Quorvex", the message icon, one OK button. It is modal to
// the current window, so the form cannot be used again until the message has been read.
void Win32Host::showInfoMessage(std::string_view text) {
    messageBox(text, false);
}

// What the user has to act on outside the program (a locked card) gets the system's warning icon.
void Win32Host::showWarningMessage(std::string_view text) {
    messageBox(text, true);
}

void Win32Host::messageBox(std::string_view text, bool warning) {
    const std::wstring body = widenUtf8(text);
    const std::wstring caption = widenUtf8(kProductTitle);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof box;
    box.hwndOwner = current();
    box.hInstance = GetModuleHandleW(nullptr);
    box.lpszText = body.c_str();
    box.lpszCaption = caption.c_str();
    box.dwStyle = MB_OK | MB_SETFOREGROUND | (warning ? MB_ICONWARNING : MB_USERICON);
    box.lpszIcon = warning ? nullptr : MAKEINTRESOURCEW(kMessageIcon);
    MessageBoxIndirectW(&box);
}

} // namespace quorvex::ui::win32
