// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a Qt 6 program that shows one QDialog.
// bare_qt_dialog [--text] [WIDTH HEIGHT]: the dialog is empty unless --text is given, and is
// WIDTH x HEIGHT pixels when given, so that it can match the window it is compared with.
// --text puts one line of text in it: an empty dialog never starts the font system (font
// configuration, shaping, glyph rendering), which any window with words on it must, so only with
// text does the comparison measure our own work rather than the price of drawing text at all.
#include "ui/qt/StartupProbe.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quorvex::ui::installStartupProbeIfAsked();
    int next = 1;
    const bool withText = next < argc && std::strcmp(argv[next], "--text") == 0;
    if (withText)
        ++next;
    QDialog dialog;
    if (withText) {
        auto* line = new QLabel(QStringLiteral("Start-up yardstick"), &dialog);
        line->move(10, 10);
    }
    if (next + 1 < argc) {
        const int width = std::atoi(argv[next]);
        const int height = std::atoi(argv[next + 1]);
        if (width > 0 && height > 0)
            dialog.resize(width, height);
    }
    dialog.show();
    return application.exec();
}
