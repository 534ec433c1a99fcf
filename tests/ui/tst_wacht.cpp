#include "TestRunner.h"
#include "ui/Wacht.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <ctime>

namespace {

// Processor time used by this process, in seconds.
double processorTijd() {
    timespec tijd{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &tijd);
    return double(tijd.tv_sec) + double(tijd.tv_nsec) / 1e9;
}

} // namespace

class TestWacht : public QObject {
    Q_OBJECT
private slots:
    void wachtMinstens_data();
    void wachtMinstens();
    void nulEnMinKeertMeteenTerug_data();
    void nulEnMinKeertMeteenTerug();
    void gebeurtenissenLopenDoor();
    void verbrandtGeenProcessor();
};

void TestWacht::wachtMinstens_data() {
    QTest::addColumn<double>("seconden");
    QTest::newRow("0.01") << 0.01;
    QTest::newRow("0.05") << 0.05;
    QTest::newRow("0.2, de knop") << 0.2;
}

void TestWacht::wachtMinstens() {
    QFETCH(double, seconden);
    QElapsedTimer klok;
    klok.start();
    wachtMetEvents(seconden);
    QVERIFY2(klok.nsecsElapsed() >= qint64(seconden * 1e9),
             qPrintable(QString::number(klok.nsecsElapsed())));
}

void TestWacht::nulEnMinKeertMeteenTerug_data() {
    QTest::addColumn<double>("seconden");
    QTest::newRow("nul") << 0.0;
    QTest::newRow("min") << -5.0;
    QTest::newRow("geen getal") << std::nan("");
}

void TestWacht::nulEnMinKeertMeteenTerug() {
    QFETCH(double, seconden);
    bool gelopen = false;
    QTimer::singleShot(0, [&gelopen] { gelopen = true; });
    QElapsedTimer klok;
    klok.start();
    wachtMetEvents(seconden);
    QVERIFY(klok.elapsed() < 20);
    // Returning at once means not running other handlers either.
    QVERIFY(!gelopen);
    QCoreApplication::processEvents();
    QVERIFY(gelopen);
}

void TestWacht::gebeurtenissenLopenDoor() {
    // A timer tick (or a click) during the wait runs before the wait ends.
    int tikken = 0;
    QTimer tikker;
    QObject::connect(&tikker, &QTimer::timeout, [&tikken] { ++tikken; });
    tikker.start(5);
    wachtMetEvents(0.1);
    QVERIFY2(tikken >= 5, qPrintable(QString::number(tikken)));
}

void TestWacht::verbrandtGeenProcessor() {
    const double voor = processorTijd();
    QElapsedTimer klok;
    klok.start();
    wachtMetEvents(0.2);
    const double gebruikt = processorTijd() - voor;
    // A busy loop would use the whole 0.2 s of one core.
    QVERIFY2(gebruikt < 0.05, qPrintable(QString::number(gebruikt)));
    QVERIFY(klok.elapsed() >= 200);
}

VOLTARIX_TEST(TestWacht)
#include "tst_wacht.moc"
