// SPDX-License-Identifier: MIT
#include "ui/qt/Looks.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

bool systemWantsHighContrast() {
    const QString theme = qEnvironmentVariable("GTK_THEME").toLower();
    return theme.contains(QLatin1String("highcontrast")) || theme.endsWith(QLatin1String(":hc")) ||
           theme.endsWith(QLatin1String("-hc"));
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void applyDialog(QWidget& dialog) {
    if (systemWantsHighContrast())
        return;
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
    if (readOnly && !systemWantsHighContrast()) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Base, kDialogBlue);
            palette.setColor(group, QPalette::Window, kDialogBlue);
            palette.setColor(group, QPalette::Text, kStaticText);
        }
    }
    edit.setPalette(palette);
}

} // namespace quorvex::ui::looks
