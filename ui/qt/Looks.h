// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QWidget;

namespace quorvex::ui::looks {

// Every window and its static controls sit on this blue; static text is white on it.
inline const QColor kDialogBlue{111, 153, 224};
inline const QColor kStaticText{255, 255, 255};

// The window background and, through inheritance, the statics and group frames.
void applyDialog(QWidget& dialog);
// Edits, lists and buttons keep the platform's colours whatever their window uses.
void applyDefault(QWidget& control);
// A read-only edit is drawn like a static: white text on the blue.
void applyReadOnlyEdit(QWidget& edit, bool readOnly);

} // namespace quorvex::ui::looks
