#include "TestRunner.h"
#include "editor/Loep.h"

#include <QtTest>

class TestLoepBron : public QObject {
    Q_OBJECT
private slots:

    // A grab that is black all over is a screen that hands out no pixels; one pixel of
    // anything else is a real picture.
    void heelZwart() {
        QImage beeld(49, 74, QImage::Format_RGB32);
        beeld.fill(Qt::black);
        QVERIFY(Loep::heelZwart(beeld));
        beeld.setPixel(48, 73, qRgb(0, 0, 1));
        QVERIFY(!Loep::heelZwart(beeld));
        QVERIFY(!Loep::heelZwart(QImage()));
    }
};

VOLTARIX_TEST(TestLoepBron)
#include "tst_loepbron.moc"
