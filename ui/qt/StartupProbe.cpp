// SPDX-License-Identifier: MIT
#include "ui/qt/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

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
                // The monotonic clock the benchmark started its own reading from.
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-paint %lld %d %d\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                            size.width(), size.height());
                std::fflush(stdout);
                std::_Exit(0); // no teardown: only the time to the first paint is measured
            });
        }
        return false;
    }

  private:
    bool m_seen = false;
};

} // namespace

void installStartupProbeIfAsked() {
    if (qEnvironmentVariableIsEmpty("QUORVEX_STARTUP_PROBE") || !QCoreApplication::instance())
        return;
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace quorvex::ui
