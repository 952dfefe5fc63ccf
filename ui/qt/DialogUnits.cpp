// SPDX-License-Identifier: MIT
#include "ui/qt/DialogUnits.h"

#include <QFontMetrics>

namespace quorvex::ui {

namespace {
// Rounded like the framework's MulDiv: halves away from zero.
int mulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}
} // namespace

DialogUnits DialogUnits::forFont(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(kAlphabet);
    const int baseX = (width / 26 + 1) / 2;
    return DialogUnits(baseX > 0 ? baseX : 1, metrics.height() > 0 ? metrics.height() : 1);
}

int DialogUnits::toPixelsX(int units) const {
    return mulDiv(units, m_baseX, 4);
}
int DialogUnits::toPixelsY(int units) const {
    return mulDiv(units, m_baseY, 8);
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const {
    return {toPixelsX(x), toPixelsY(y), toPixelsX(width), toPixelsY(height)};
}

QPoint DialogUnits::scaledOffset(int dxPixels, int dyPixels) const {
    return {mulDiv(dxPixels, m_baseX, kReferenceBaseX), mulDiv(dyPixels, m_baseY, kReferenceBaseY)};
}

} // namespace quorvex::ui
