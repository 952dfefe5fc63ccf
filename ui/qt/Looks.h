// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QWidget;

namespace quorvex::ui::looks {

// Every window and its static controls sit on this blue; static text is white on it.
inline const QColor kDialogBlue{111, 153, 224};
inline const QColor kStaticText{255, 255, 255};

// Frames drawn on the blue: the keyboard focus and a read-only edit's border, each at least 3:1
// against it (WCAG's contrast for the parts of a control) and apart from the default button.
inline const QColor kFocusFrame{112, 40, 0};
inline const QColor kReadOnlyFrame{31, 52, 96};

// The system asks for high contrast (a high-contrast GTK theme, as GNOME's accessibility setting
// and the HighContrast themes set it): the windows then keep the system's colours throughout.
bool systemWantsHighContrast();

// WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// The window background and, through inheritance, the statics and group frames.
void applyDialog(QWidget& dialog);
// Edits, lists and buttons keep the platform's colours whatever their window uses.
void applyDefault(QWidget& control);
// A read-only edit is drawn like a static: white text on the blue.
void applyReadOnlyEdit(QWidget& edit, bool readOnly);

} // namespace quorvex::ui::looks
