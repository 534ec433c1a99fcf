// A picture file that another program cuts short while it is read (or a stick pulled
// out) ended the program with SIGBUS when the file was mapped: it must read as whole
// or as nothing.
#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/Surface.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <unistd.h>

class TestIngekortBestand : public QObject {
    Q_OBJECT
private slots:
    void bestandWordtIngekortTijdensHetLezen() {
        TestFolder folder;
        const QImage blad = filledPicture(1500, 1000, qRgb(0, 0, 255));
        const QByteArray pad = QFile::encodeName(folder.writeFile("P.ovb", pictureFile(blad)));
        const off_t lengte = QFileInfo(QFile::decodeName(pad)).size();
        std::atomic<bool> klaar{false};
        std::thread ander([&] { // cuts the same file short and makes it whole, over and over
            while (!klaar)
                for (const off_t maat : {off_t(100), lengte})
                    (void)::truncate(pad.constData(), maat);
        });
        int verkeerd = 0;
        for (int keer = 0; keer < 300; ++keer)
            verkeerd += Surface::readNativePicture(pad).value_or(blad).size() != blad.size();
        klaar = true;
        ander.join();
        QCOMPARE(verkeerd, 0);
    }
};

VOLTARIX_TEST(TestIngekortBestand)
#include "tst_ingekortbestand.moc"
