// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QMessageBox;

namespace quorvex::ui {

// The tool's message box: no owner window, caption "Quorvex", the message icon, one OK button,
// modal for the whole application.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text);
void showMessageBox(const QString& text);

} // namespace quorvex::ui
