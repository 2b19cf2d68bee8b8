#include "FirstPaintReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <cstdio>

#include <sys/resource.h>

namespace {

constexpr char variableName[] = "VALMORA_REPORT_FIRST_PAINT";

// Watches the paint events of the window and everything in it (a window wholly covered by
// opaque children gets none of its own); steps aside after reporting the first one.
class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QWidget& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType() &&
            (watched == &window_ || window_.isAncestorOf(static_cast<QWidget*>(watched)))) {
            seen_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued: the window's children are painted and the frame is flushed to the
            // windowing system before the posted call runs.
            QMetaObject::invokeMethod(this, &FirstPaintWatcher::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        auto microsOf = [](const timeval& time) {
            return static_cast<long long>(time.tv_sec) * 1000000 + time.tv_usec;
        };
        std::printf("first-paint %lld %lld\n", static_cast<long long>(micros),
                    microsOf(usage.ru_utime) + microsOf(usage.ru_stime));
        std::fflush(stdout);
        deleteLater();
    }

    QWidget& window_;
    bool seen_ = false;
};

} // namespace

void reportFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariableIsEmpty(variableName))
        return;
    new FirstPaintWatcher(window);
}
