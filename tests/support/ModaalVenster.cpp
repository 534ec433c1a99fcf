#include "ScriptedPlatform.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

void bijModaalVenster(std::function<void(QWidget *)> doe) {
    auto *timer = new QTimer(qApp); // goes with the application when no modal window came
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, doe] {
        QWidget *venster = QApplication::activeModalWidget();
        if (!venster) return;
        timer->stop();
        timer->deleteLater();
        if (doe) doe(venster);
        if (venster->isVisible()) venster->close();
    });
    timer->start();
}
