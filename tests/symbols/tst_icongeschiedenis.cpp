// The symbol designer's undo and redo: more than a hundred steps of strokes and commands,
// and a fresh history for an opened symbol.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/IconDesignModel.h"
#include "symbols/IconRaster.h"

#include <QtTest>

class TestIconGeschiedenis : public QObject {
    Q_OBJECT
private slots:
    void honderdStappen() {
        TestFolder folder;
        ScriptedPlatform platform;
        IconDesignModel model(platform);
        QList<QImage> momenten{model.tekening().image()};
        const QImage raster = model.raster().image();
        for (int i = 0; momenten.size() <= 110 && i < 1000; ++i) {
            const QPoint cel(10 * (i % 49 + 1), 10 * ((i / 49 + i * 7) % 49 + 1)); // centres
            if (i % 10 == 9) {
                model.KnopB_Click(i % 20 == 9 ? 5 : 13); // rotate, negative
            } else {
                model.IconPicture_MouseDown(Qt::LeftButton, cel.x(), cel.y());
                model.IconPicture_MouseMove(Qt::LeftButton, cel.x() + 10, cel.y());
                model.IconPicture_MouseUp();
            }
            // A stroke over cells of its own colour changed nothing and is no step.
            if (model.tekening().image() != momenten.last()) momenten << model.tekening().image();
        }
        QVERIFY(momenten.size() > 100);
        for (qsizetype i = momenten.size() - 2; i >= 0; --i) {
            model.Undo();
            QCOMPARE(model.tekening().image(), momenten[i]);
        }
        QCOMPARE(model.raster().image(), raster); // the grid shows the drawing undone
        for (qsizetype i = 1; i < momenten.size(); ++i) {
            model.Redo();
            QCOMPARE(model.tekening().image(), momenten[i]);
        }

        const QString pad = folder.path("s.bmp");
        QVERIFY(Surface(49, 49, qRgb(0, 0, 255)).saveBmp(pad));
        platform.openAnswers << pad;
        model.KnopB_Click(2);
        model.Undo();
        QCOMPARE(model.tekening().pixel(0, 0), qRgb(0, 0, 255));
    }
};

VOLTARIX_TEST(TestIconGeschiedenis)
#include "tst_icongeschiedenis.moc"
