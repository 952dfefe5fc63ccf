// SPDX-License-Identifier: MIT
// The icons built into the program are PNGs drawn at build time; they must be the SVG sources'
// own pixels, at one and two times the screen scale, and in every mode the forms use.
#include "ui/qt/ResourceIcons.h"
#include "QtTestApp.h"
#include "core/InfoMessages.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace quorvex::testing {
namespace {

QImage fromSource(const char* file, int side) {
    QSvgRenderer renderer(QStringLiteral(QUORVEX_ICON_SOURCE_DIR "/%1").arg(QLatin1String(file)));
    EXPECT_TRUE(renderer.isValid()) << file;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage pixels(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct Case {
    int resource;
    const char* file;
};
constexpr Case kIcons[] = {{ui::kWindowIcon, "window.svg"},
                           {ui::kMessageIcon, "message.svg"},
                           {ui::kAboutIcon, "about.svg"}};

TEST(ResourceIcons, AreTheSourcesPixelsAtEverySideTheWindowsAskFor) {
    qtApp();
    for (const Case& c : kIcons)
        for (int side : {16, 23, 32, 37, 48, 64}) {
            const QPixmap drawn = ui::resourcePixmap(c.resource, side, 1.0);
            EXPECT_EQ(drawn.size(), QSize(side, side)) << c.file << ' ' << side;
            EXPECT_EQ(pixels(drawn), fromSource(c.file, side)) << c.file << ' ' << side;
        }
}

TEST(ResourceIcons, FollowTheScreenScale) {
    qtApp();
    const QPixmap sharp = ui::resourcePixmap(ui::kMessageIcon, 32, 2.0);
    EXPECT_EQ(sharp.size(), QSize(64, 64));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixels(sharp), fromSource("message.svg", 64));
    // 1.5 x 32 = 48, drawn exactly; 2 x 48 = 96, one of the larger drawings.
    EXPECT_EQ(pixels(ui::resourcePixmap(ui::kAboutIcon, 32, 1.5)), fromSource("about.svg", 48));
    EXPECT_EQ(pixels(ui::resourcePixmap(ui::kWindowIcon, 48, 2.0)), fromSource("window.svg", 96));
}

TEST(ResourceIcons, SidesBetweenAndBeyondTheDrawingsAreScaledDownFromTheNextOneUp) {
    qtApp();
    const QImage between = pixels(ui::resourcePixmap(ui::kWindowIcon, 90, 1.0));
    EXPECT_EQ(between.size(), QSize(90, 90));
    EXPECT_EQ(between, fromSource("window.svg", 96)
                           .scaled(90, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const QImage beyond = pixels(ui::resourcePixmap(ui::kWindowIcon, 300, 1.0));
    EXPECT_EQ(beyond.size(), QSize(300, 300));
    // The centre of the lens is dark in the source at any size.
    EXPECT_LT(qGray(beyond.pixel(150, 112)), 64);
}

TEST(ResourceIcons, WindowIconOffersThreeSizesAndGreysWhenDisabled) {
    qtApp();
    const QIcon icon = ui::resourceIcon(ui::kWindowIcon);
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    const QImage normal = pixels(icon.pixmap(QSize(32, 32), 1.0));
    EXPECT_EQ(normal, fromSource("window.svg", 32));

    const QImage grey = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    const QImage plain = fromSource("window.svg", 32).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(grey.size(), plain.size());
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb g = grey.pixel(x, y);
            const QRgb p = plain.pixel(x, y);
            ASSERT_EQ(qAlpha(g), qAlpha(p) / 2) << x << ',' << y;
            if (qAlpha(g) == 0)
                continue;
            EXPECT_EQ(qRed(g), qGreen(g));
            EXPECT_EQ(qGreen(g), qBlue(g));
        }
}

TEST(ResourceIcons, UnknownResourceIsTheWindowIcon) {
    qtApp();
    EXPECT_EQ(pixels(ui::resourcePixmap(4242, 32, 1.0)), fromSource("window.svg", 32));
}

} // namespace
} // namespace quorvex::testing
