// SPDX-License-Identifier: MIT
#include "ui/qt/Looks.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace quorvex::ui::looks {

namespace {

// A palette whose every role counts as set, so that nothing is inherited from the blue window.
QPalette fullySet(const QPalette& source) {
    QPalette out;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        const auto g = static_cast<QPalette::ColorGroup>(group);
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            out.setBrush(g, r, source.brush(g, r));
        }
    }
    return out;
}

} // namespace

void applyDialog(QWidget& dialog) {
    QPalette palette = dialog.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, kDialogBlue);
        palette.setColor(group, QPalette::WindowText, kStaticText);
    }
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
}

void applyDefault(QWidget& control) {
    control.setPalette(fullySet(QApplication::palette(&control)));
}

void applyReadOnlyEdit(QWidget& edit, bool readOnly) {
    QPalette palette = fullySet(QApplication::palette(&edit));
    if (readOnly) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Base, kDialogBlue);
            palette.setColor(group, QPalette::Window, kDialogBlue);
            palette.setColor(group, QPalette::Text, kStaticText);
        }
    }
    edit.setPalette(palette);
}

} // namespace quorvex::ui::looks
