#include "ui/Wacht.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>

void wachtMetEvents(double seconds) {
    if (!(seconds > 0)) return;
    const QDeadlineTimer deadline(std::llround(seconds * 1000.0), Qt::PreciseTimer);
    if (!QCoreApplication::instance()) {
        while (!deadline.hasExpired())
            QThread::msleep(1);
        return;
    }
    // A nested event loop that a precise single-shot timer ends; events (a click that
    // runs another handler, a timer tick) are handled inside it.
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    while (!deadline.hasExpired()) {
        timer.start(int(std::max<qint64>(deadline.remainingTime(), 0)));
        loop.exec();
    }
}
