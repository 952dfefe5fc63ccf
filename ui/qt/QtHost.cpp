// SPDX-License-Identifier: MIT
#include "ui/qt/QtHost.h"

#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtMessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPointer>
#include <QUrl>

#include <iostream>

namespace quorvex::ui {

QtHost::QtHost() {
    // Windows follow one another; the gap between two must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

int QtHost::run(Dialog& dialog) {
    int result = 0;
    {
        QtDialogWindow window(dialog);
        m_windows.push_back(&window);
        dialog.onInit(window);
        if (!window.ended())
            window.exec();
        result = window.result();
        m_windows.pop_back();
    }
    dialog.onDestroy();
    return result;
}

std::optional<std::string> QtHost::chooseFolder(const std::string& startFolder) {
    // The platform's folder dialog, which has a field for typing a path. It belongs to the form,
    // and the keyboard focus goes back to where it was however the dialog ends.
    QWidget* owner = m_windows.empty() ? nullptr : m_windows.back();
    const QPointer<QWidget> focused = owner ? owner->focusWidget() : nullptr;
    const QString folder = QFileDialog::getExistingDirectory(
        owner, QString(), QString::fromStdString(startFolder), QFileDialog::ShowDirsOnly);
    if (owner) {
        owner->activateWindow();
        if (focused)
            focused->setFocus(Qt::OtherFocusReason);
    }
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder).toStdString();
}

void QtHost::openUrl(std::string_view url) {
    QDesktopServices::openUrl(
        QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
}

void QtHost::log(std::string_view text) {
    std::cerr << "quorvex: " << text << '\n';
}

void QtHost::showInfoMessage(std::string_view text) {
    showMessageBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtHost::showWarningMessage(std::string_view text) {
    showMessageBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                   MessageIcon::Warning);
}

} // namespace quorvex::ui
