// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogHost.h"

#include <string>

namespace quorvex {

// "About Setup": an icon, one line of text, the maker's web address and OK.
class CAboutDlg final : public ui::Dialog {
  public:
    enum Id { kTextLine = 1101, kWebAddress = 1102 };

    explicit CAboutDlg(ui::DialogHost& host) : m_host(host) {}

    const ui::DialogTemplate& dialogTemplate() const override;
    std::string_view className() const override { return "CAboutDlg"; }
    void onInit(ui::DialogWindow& window) override;
    void onClick(int id) override;

    static std::string webAddress();

  private:
    ui::DialogHost& m_host;
};

} // namespace quorvex
