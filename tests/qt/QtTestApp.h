// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace quorvex::testing {

// One QApplication for the whole test program, made on first use (offscreen under CTest).
inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* made = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        return made;
    }();
    return *app;
}

} // namespace quorvex::testing
