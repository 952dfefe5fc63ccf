// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorvex::ui {

// The tool's own icons, drawn from their SVG sources at build time and built into the program as
// PNGs. Resource numbers as the forms use them: kWindowIcon (165) for every window, kMessageIcon
// (128) for message boxes; the About box's picture is kAboutIcon.
inline constexpr int kAboutIcon = -100;

QIcon resourceIcon(int resource);
// Drawn at a logical size for a screen scale, sharp on HiDPI screens.
QPixmap resourcePixmap(int resource, int logicalSize, qreal devicePixelRatio);

} // namespace quorvex::ui
