// SPDX-License-Identifier: MIT
#include "app/CAboutDlg.h"

#include "app/BuildInfo.h"
#include "app/MainWindowTexts.h"
#include "ui/templates/MainWindowTemplate.h"

#include <string>

namespace quorvex {

const ui::DialogTemplate& CAboutDlg::dialogTemplate() const {
    return ui::kAboutTemplate;
}

std::string CAboutDlg::webAddress() {
    return std::string("https://") + build::kWebHost + "/";
}

void CAboutDlg::onInit(ui::DialogWindow& window) {
    Dialog::onInit(window);
    window.setIcon(ui::kWindowIcon);
    window.setText(kTextLine,
                   std::string(main_window::kAboutProduct) + " " + build::versionNumbers());
    window.setText(kWebAddress, webAddress());
    // The address is a Tab stop that Enter or Space opens; the box still opens on OK, so Enter
    // closes it as before.
    window.setFocus(ui::kIdOk);
}

void CAboutDlg::onClick(int id) {
    if (id == kWebAddress)
        m_host.openUrl(webAddress());
    else
        Dialog::onClick(id);
}

} // namespace quorvex
