// SPDX-License-Identifier: MIT
// quorvex_render_icons OUTDIR SIZES SVG...: draws each SVG at each comma-separated pixel size into
// OUTDIR/<name>-<size>.png (the committed ui/qt/icons/png), so the program never loads the SVG module;
// the SVG files stay the sources of record.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZES SVG...\n", argv[0]);
        return 2;
    }
    // Nothing is shown; the offscreen platform keeps the build free of a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QList<int> sizes;
    for (const QString& s : QString::fromLocal8Bit(argv[2]).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int side = s.toInt(&ok);
        if (!ok || side <= 0) {
            std::fprintf(stderr, "bad size: %s\n", qPrintable(s));
            return 2;
        }
        sizes.push_back(side);
    }
    for (int i = 3; i < argc; ++i) {
        const QString source = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(source);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const QString name = QFileInfo(source).completeBaseName();
        for (int side : sizes) {
            // The same drawing the program used to do at run time: the whole view box on a
            // transparent square.
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            {
                QPainter painter(&image);
                renderer.render(&painter);
            }
            const QString target = QStringLiteral("%1/%2-%3.png").arg(folder, name).arg(side);
            if (!image.save(target, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
                return 1;
            }
        }
    }
    return 0;
}
