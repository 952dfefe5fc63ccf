// SPDX-License-Identifier: MIT
#include "ui/qt/DialogUnits.h"
#include "QtTestApp.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace quorvex::testing {
namespace {

using ui::DialogUnits;

// The framework's own dialog font has base units 6 and 13: these are the pixel rectangles its
// windows use for the main window's first frame and buttons.
TEST(DialogUnits, MapLikeTheFrameworkAtItsOwnBaseUnits) {
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.toPixels(7, 4, 236, 48), QRect(11, 7, 354, 78)); // halves round up
    EXPECT_EQ(units.toPixels(14, 62, 70, 28), QRect(21, 101, 105, 46));
    EXPECT_EQ(units.toPixels(-3, -5, 0, 0), QRect(-5, -8, 0, 0)); // and away from zero below
    EXPECT_EQ(units.scaledOffset(4, 32), QPoint(4, 32));
}

TEST(DialogUnits, PixelMovesScaleWithTheFont) {
    const DialogUnits twice(12, 26);
    EXPECT_EQ(twice.scaledOffset(4, 10), QPoint(8, 20));
    EXPECT_EQ(twice.scaledOffset(-3, -32), QPoint(-6, -64));
    const DialogUnits larger(7, 16);
    EXPECT_EQ(larger.scaledOffset(0, 13), QPoint(0, 16));
    EXPECT_EQ(larger.scaledOffset(6, 0), QPoint(7, 0));
}

TEST(DialogUnits, FollowTheFontSize) {
    qtApp();
    QFont small = QApplication::font();
    small.setPixelSize(12);
    QFont big = small;
    big.setPixelSize(24);
    const DialogUnits a = DialogUnits::forFont(small);
    const DialogUnits b = DialogUnits::forFont(big);
    EXPECT_GT(a.baseX(), 2);
    EXPECT_EQ(a.baseY(), QFontMetrics(small).height());
    EXPECT_NEAR(double(b.baseX()) / a.baseX(), 2.0, 0.35);
    EXPECT_NEAR(double(b.baseY()) / a.baseY(), 2.0, 0.25);
    // The average width of the alphabet, rounded to the nearest pixel.
    const double average = QFontMetrics(big).horizontalAdvance(QStringLiteral(
                               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                           52.0;
    EXPECT_NEAR(b.baseX(), average, 0.5 + 1e-9);
}

} // namespace
} // namespace quorvex::testing
