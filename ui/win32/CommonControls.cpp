// SPDX-License-Identifier: MIT
#include "ui/win32/CommonControls.h"

#include <windows.h>

#include <commctrl.h>

namespace quorvex::ui::win32 {

void initCommonControls() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
}

} // namespace quorvex::ui::win32
