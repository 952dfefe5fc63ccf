// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

namespace quorvex::ui {

// Dialog units as the template framework defines them: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height. Windows built from
// templates therefore grow with the font (and with the screen's scale, which Qt applies).
class DialogUnits final {
  public:
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}
    static DialogUnits forFont(const QFont& font);

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(int x, int y, int width, int height) const;

    // Forms move controls by pixels measured for the framework's own dialog font (base units 6
    // and 13); scaled by the same ratio so that moved rows keep their place among the others.
    QPoint scaledOffset(int dxPixels, int dyPixels) const;

    static constexpr int kReferenceBaseX = 6;
    static constexpr int kReferenceBaseY = 13;

  private:
    int m_baseX;
    int m_baseY;
};

} // namespace quorvex::ui
