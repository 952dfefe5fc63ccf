// SPDX-License-Identifier: MIT
#include "ui/qt/QtMessageBox.h"

#include "core/InfoMessages.h"
#include "ui/qt/ResourceIcons.h"

#include <QMessageBox>

namespace quorvex::ui {

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, MessageIcon icon) {
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(QString::fromUtf8(kProductTitle.data(), kProductTitle.size()));
    box->setWindowIcon(resourceIcon(kWindowIcon));
    if (icon == MessageIcon::Warning)
        box->setIcon(QMessageBox::Warning);
    else
        box->setIconPixmap(resourcePixmap(kMessageIcon, 32, box->devicePixelRatioF()));
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void showMessageBox(const QString& text, MessageIcon icon) {
    makeMessageBox(text, icon)->exec();
}

} // namespace quorvex::ui
