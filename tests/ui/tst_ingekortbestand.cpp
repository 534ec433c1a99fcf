// A picture file that another program cuts short while it is being read (or a stick
// pulled out) used to end the program with SIGBUS: the file was mapped, and its
// pages beyond the new end cannot be read. The file must read as whole or as
// nothing, and the program must live on.
#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/Surface.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <unistd.h>

namespace {

// The other program: cuts the file short and makes it whole again, the same file all
// the time (writing a new one would give the reader a file of its own).
class Inkorter {
public:
    Inkorter(const QString &pad, qint64 lengte)
        : draad_([this, naam = QFile::encodeName(pad), lengte] {
              while (!klaar_) {
                  (void)::truncate(naam.constData(), 100);
                  std::this_thread::yield();
                  (void)::truncate(naam.constData(), lengte);
                  std::this_thread::yield();
              }
          }) {}
    ~Inkorter() {
        klaar_ = true;
        draad_.join();
    }

private:
    std::atomic<bool> klaar_{false};
    std::thread draad_;
};

} // namespace

class TestIngekortBestand : public QObject {
    Q_OBJECT
private slots:
    void bestandWordtIngekortTijdensHetLezen();
};

void TestIngekortBestand::bestandWordtIngekortTijdensHetLezen() {
    TestFolder folder;
    const QImage blad = filledPicture(1500, 1000, qRgb(0, 0, 255));
    const QString pad = folder.writeFile("Projecten/P.ovb", pictureFile(blad));
    {
        const Inkorter ander(pad, QFileInfo(pad).size());
        for (int keer = 0; keer < 300; ++keer) {
            const std::optional<QImage> gelezen = Surface::readPicture(pad);
            if (gelezen) QCOMPARE(gelezen->size(), blad.size());
        }
    }
    QVERIFY(Surface::readPicture(pad).has_value());
}

VOLTARIX_TEST(TestIngekortBestand)
#include "tst_ingekortbestand.moc"
