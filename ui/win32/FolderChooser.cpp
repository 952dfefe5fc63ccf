// SPDX-License-Identifier: MIT
#include "ui/win32/FolderChooser.h"

#include "core/SystemText.h"

#include <shobjidl.h>

namespace quorvex::ui::win32 {

std::optional<std::string> chooseFolderNative(HWND owner, const std::string& startFolder) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    std::optional<std::string> chosen;
    IFileOpenDialog* dialog = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&dialog)))) {
        FILEOPENDIALOGOPTIONS options = 0;
        dialog->GetOptions(&options);
        dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
        IShellItem* start = nullptr;
        if (!startFolder.empty() &&
            SUCCEEDED(SHCreateItemFromParsingName(widenUtf8(startFolder).c_str(), nullptr,
                                                  IID_PPV_ARGS(&start)))) {
            dialog->SetFolder(start);
            start->Release();
        }
        IShellItem* result = nullptr;
        if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&result))) {
            PWSTR path = nullptr;
            if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
                chosen = utf8FromWide(path);
                CoTaskMemFree(path);
            }
            result->Release();
        }
        dialog->Release();
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    // Back to the form, whichever way the chooser ended.
    if (owner)
        SetForegroundWindow(owner);
    return chosen;
}

} // namespace quorvex::ui::win32
