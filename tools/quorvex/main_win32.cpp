// SPDX-License-Identifier: MIT
// quorvex.exe: the desktop tool on Windows, on the native windows. Takes nothing from the
// command line.
#include "app/CSetupApp.h"
#include "app/SystemLanguage.h"
#include "app/SystemPreferencesStore.h"
#include "core/SystemText.h"
#include "tools/forms/RegisterForms.h"
#include "ui/win32/Win32DialogWindow.h"
#include "ui/win32/Win32Host.h"

#include <windows.h>

#include <cstdio>

namespace {

// For the installer's check and start-up timing: with QUORVEX_STARTUP_PROBE set, the program
// prints its first window's size once that window has been drawn, and ends at once.
class StartupProbe final : public quorvex::ui::win32::WindowDriver {
  public:
    void initialised(quorvex::ui::win32::Win32DialogWindow& window) override {
        ShowWindow(window.handle(), SW_SHOWNORMAL);
        window.requestStep();
    }
    void waiting(quorvex::ui::win32::Win32DialogWindow& window) override {
        UpdateWindow(window.handle());
        RECT r;
        GetWindowRect(window.handle(), &r);
        std::printf("first window %ldx%ld\n", r.right - r.left, r.bottom - r.top);
        std::fflush(stdout);
        ExitProcess(0);
    }
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The folder chooser and the shell need COM in this, the only, thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const std::uint16_t systemLanguage = quorvex::systemDefaultLanguageId();
    const auto store =
        quorvex::systemPreferencesStore(quorvex::languageForSystemId(systemLanguage));
    quorvex::ui::win32::Win32Host host;
    StartupProbe probe;
    if (quorvex::environmentVariable("QUORVEX_STARTUP_PROBE"))
        host.setDriver(&probe);
    quorvex::FormRegistry forms;
    quorvex::registerForms(forms);
    quorvex::CSetupApp app(*store, host, forms);
    app.run(systemLanguage);
    CoUninitialize();
    return 0;
}
