// SPDX-License-Identifier: MIT
#include "ui/qt/ResourceIcons.h"

#include "ui/InfoMessages.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace quorvex::ui {

namespace {

QString sourceFor(int resource) {
    switch (resource) {
    case kMessageIcon: return QStringLiteral(":/icons/message.svg");
    case kAboutIcon: return QStringLiteral(":/icons/about.svg");
    default: return QStringLiteral(":/icons/window.svg");
    }
}

QPixmap render(QSvgRenderer& renderer, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// Draws the SVG only at the sizes something asks for, so start-up pays for one small image.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString source) : m_source(std::move(source)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap image = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, image);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const QSize device = (QSizeF(size) * scale).toSize();
        if (!m_renderer) m_renderer = std::make_unique<QSvgRenderer>(m_source); // parsed once
        QPixmap image = render(*m_renderer, device);
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
        // The sizes a window manager is handed at once: each costs a drawing before the first paint.
        return {{16, 16}, {32, 32}, {48, 48}};
    }
    QIconEngine* clone() const override { return new SvgIconEngine(m_source); }
    QString key() const override { return QStringLiteral("quorvex-svg"); }

private:
    QString m_source;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QIcon resourceIcon(int resource) { return QIcon(new SvgIconEngine(sourceFor(resource))); }

QPixmap resourcePixmap(int resource, int logicalSize, qreal devicePixelRatio) {
    const int side = qRound(logicalSize * devicePixelRatio);
    QSvgRenderer renderer(sourceFor(resource));
    QPixmap image = render(renderer, QSize(side, side));
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace quorvex::ui
