// SPDX-License-Identifier: MIT
#include "ui/qt/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace quorvex::ui {

namespace {

class FirstPaint final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // Queued, so that the painting and the flush to the screen are done first.
            const QSize size = static_cast<QWidget*>(watched)->size();
            QTimer::singleShot(0, [size] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld %d %d\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            size.width(), size.height());
                std::fflush(stdout);
                ::_exit(0);
            });
        }
        return false;
    }

  private:
    bool m_seen = false;
};

} // namespace

void installStartupProbeIfAsked() {
    if (!std::getenv("QUORVEX_STARTUP_PROBE") || !QCoreApplication::instance())
        return;
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace quorvex::ui
