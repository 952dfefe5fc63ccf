// SPDX-License-Identifier: MIT
#include "ui/qt/ResourceIcons.h"

#include "core/InfoMessages.h"

#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace quorvex::ui {

namespace {

// The sides drawn at build time from the SVG sources, smallest first.
constexpr int kDrawnSides[] = {QUORVEX_ICON_SIZES};

QString nameFor(int resource) {
    switch (resource) {
    case kMessageIcon:
        return QStringLiteral("message");
    case kAboutIcon:
        return QStringLiteral("about");
    default:
        return QStringLiteral("window");
    }
}

// The smallest drawing at least `side` wide, or the largest there is.
int drawnSideFor(int side) {
    const auto* found = std::lower_bound(std::begin(kDrawnSides), std::end(kDrawnSides), side);
    return found == std::end(kDrawnSides) ? kDrawnSides[std::size(kDrawnSides) - 1] : *found;
}

QPixmap render(const QString& name, QSize size) {
    const int side = drawnSideFor(std::max(size.width(), size.height()));
    // The format is fixed and never guessed: guessing asks every image-format plugin (and loads
    // the SVG and JPEG libraries behind them) before the first window is painted.
    QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(side), "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    // Premultiplied, as drawn, so that scaling never bleeds the colour of transparent pixels.
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(std::move(image));
}

// Hands out the drawings at the sizes something asks for, so start-up reads only small images.
class DrawnIconEngine final : public QIconEngine {
  public:
    explicit DrawnIconEngine(QString name) : m_name(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap image = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, image);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const QSize device = (QSizeF(size) * scale).toSize();
        QPixmap image = render(m_name, device);
        if (mode == QIcon::Disabled) {
            QImage grey = image.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < grey.height(); ++y)
                for (int x = 0; x < grey.width(); ++x) {
                    const QRgb p = grey.pixel(x, y);
                    const int v = qGray(p);
                    grey.setPixel(x, y, qRgba(v, v, v, qAlpha(p) / 2));
                }
            image = QPixmap::fromImage(grey);
        }
        image.setDevicePixelRatio(scale);
        return image;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        // The sizes a window manager is handed at once: each costs a drawing before the first
        // paint.
        return {{16, 16}, {32, 32}, {48, 48}};
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(m_name); }
    QString key() const override { return QStringLiteral("quorvex-drawn"); }

  private:
    QString m_name;
};

} // namespace

QIcon resourceIcon(int resource) {
    return QIcon(new DrawnIconEngine(nameFor(resource)));
}

QPixmap resourcePixmap(int resource, int logicalSize, qreal devicePixelRatio) {
    const int side = qRound(logicalSize * devicePixelRatio);
    QPixmap image = render(nameFor(resource), QSize(side, side));
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace quorvex::ui
