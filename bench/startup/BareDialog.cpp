// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a Qt 6 program that shows one empty QDialog.
#include "ui/qt/StartupProbe.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quorvex::ui::installStartupProbeIfAsked();
    QDialog dialog;
    dialog.show();
    return application.exec();
}
