// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QMessageBox;

namespace quorvex::ui {

enum class MessageIcon { Message, Warning };

// The tool's message box: no owner window, caption "Quorvex", the message icon (or the system's
// warning icon), one OK button, modal for the whole application.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text,
                                            MessageIcon icon = MessageIcon::Message);
void showMessageBox(const QString& text, MessageIcon icon = MessageIcon::Message);

} // namespace quorvex::ui
