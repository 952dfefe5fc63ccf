// SPDX-License-Identifier: MIT
#include "ui/qt/QtHost.h"

#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtMessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
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
        dialog.onInit(window);
        if (!window.ended())
            window.exec();
        result = window.result();
    }
    dialog.onDestroy();
    return result;
}

std::optional<std::string> QtHost::chooseFolder(const std::string& startFolder) {
    // The platform's folder dialog, which has a field for typing a path.
    const QString folder = QFileDialog::getExistingDirectory(
        nullptr, QString(), QString::fromStdString(startFolder), QFileDialog::ShowDirsOnly);
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
