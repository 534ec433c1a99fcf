#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/LaatstGebruikt.h"
#include "symbols/SymboolZoeken.h"

#include <QtTest>

#include <unistd.h>

// Finding a symbol by part of its name across every category of the library, or among
// the symbols used last.
class TestSymboolZoeken : public QObject {
    Q_OBJECT
private slots:
    // Found: name (category), in list order. An unreadable folder, or a category that is no
    // folder at all, adds nothing.
    void zoek_data() {
        const Tabel<QString, QString> rij("tekst", "gevonden");
        rij("anywhere, any case", "DR", "LDR (weerstanden)");
        rij("accents both ways", "ZÉNER", "Zénerdiode (halfgeleiders)|Zenér (overige)");
        rij("every category", "diode", "Zénerdiode (halfgeleiders)|Fotodiode (overige)");
        rij("the category's name", "weerst", "LDR (weerstanden)|Weerstand (weerstanden)");
        rij("not across name and category", "ldrweer", "");
        rij("empty", "", "");
    }
    void zoek() {
        auto [tekst, gevonden] = velden<QString, QString>("tekst", "gevonden");
        TestFolder folder;
        for (const char *pad :
             {"Weerstanden/Weerstand.bmp", "Weerstanden/LDR.bmp", "Halfgeleiders/Zénerdiode.bmp",
              "Overige/Fotodiode.bmp", "Overige/Zenér.bmp", "Geheim/Diode.bmp", "Los/Diode.bmp"})
            folder.writeFile(QStringLiteral("Symbolen/") + QString::fromUtf8(pad), "BM");
        const QString geheim = folder.path("Symbolen/Geheim");
        QVERIFY(QFile::setPermissions(geheim, {}));
        QVector<SymbolCategorie> categorieen = {
            {"halfgeleiders", folder.path("Symbolen/Halfgeleiders")},
            {"overige", folder.path("Symbolen/Overige")},
            {"weerstanden", folder.path("Symbolen/Weerstanden")}};
        if (geteuid() != 0) categorieen.push_back({"geheim", geheim}); // root reads it all
        categorieen.push_back({"los", folder.path("Symbolen/Los/Diode.bmp")});
        SymboolZoeken zoeker;
        zoeker.lees(categorieen);
        QStringList regels;
        for (const SymboolTreffer &treffer : zoeker.zoek(tekst))
            regels << treffer.naam + " (" + treffer.categorie + ")";
        QFile::setPermissions(geheim, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(regels.join('|'), gevonden);
    }

    // The symbols used last: newest first, twelve kept, across runs, gone files left out.
    void laatstGebruikt() {
        TestFolder folder;
        for (int i = 0; i < 14; ++i)
            folder.writeFile(QStringLiteral("Symbolen/Weerstanden/R%1.bmp").arg(i), "BM");
        const QString map = folder.path("Symbolen/Weerstanden");
        LaatstGebruikt laatst(folder.path(LaatstGebruikt::kBestand));
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 5})
            QVERIFY(laatst.gebruikt(map, QStringLiteral("R%1").arg(i)));
        QVERIFY(QFile::remove(map + "/R12.bmp"));
        LaatstGebruikt gelezen(folder.path(LaatstGebruikt::kBestand)); // the next run
        gelezen.lees();
        QStringList namen;
        for (const SymboolTreffer &treffer : gelezen.bestaande(folder.path("Symbolen")))
            namen << treffer.naam + (treffer.categorie == "weerstanden" ? "" : "?");
        QCOMPARE(namen.join(' '), "R5 R13 R11 R10 R9 R8 R7 R6 R4 R3 R2"); // R12 is gone
    }

    // A file that is not ours reads as an empty list, or keeps what is sound in it.
    void kapotBestand_data() {
        const Tabel<QByteArray, int> rij("inhoud", "aantal");
        rij("binary", QByteArray("\xff\xfe\0\x01/\x80", 6), 0);
        rij("paths out of the library", "../Geheim/R0\n/R0\nW/\n.W/R0\nW/a/R0", 0);
        rij("huge", QByteArray(100 * 1024, 'W') + "/R0\n", 0);
        rij("CR LF and doubles", "W/R0\r\nW/R0\nW/R1", 2);
    }
    void kapotBestand() {
        auto [inhoud, aantal] = velden<QByteArray, int>("inhoud", "aantal");
        TestFolder folder;
        for (const char *naam : {"R0", "R1"})
            folder.writeFile(QStringLiteral("Symbolen/W/%1.bmp").arg(naam), "BM");
        folder.writeFile(LaatstGebruikt::kBestand, inhoud);
        LaatstGebruikt laatst(folder.path(LaatstGebruikt::kBestand));
        laatst.lees();
        QCOMPARE(laatst.bestaande(folder.path("Symbolen")).size(), aantal);
    }

    void zelfdeSymbool() {
        QImage symbool(49, 49, QImage::Format_RGB32);
        for (int i = 0; i < 49 * 49; ++i)
            symbool.setPixel(i % 49, i / 49, qRgb(i % 49, i / 49, 7));
        QImage ander = symbool;
        ander.setPixel(24, 24, qRgb(255, 255, 255));
        QVERIFY(!LaatstGebruikt::zelfdeSymbool(symbool, ander));
        for (const QImage &zelfde :
             {symbool.mirrored(false, true), symbool.transformed(QTransform().rotate(270))})
            QVERIFY(LaatstGebruikt::zelfdeSymbool(symbool, zelfde));
    }
};

VOLTARIX_TEST(TestSymboolZoeken)
#include "tst_symboolzoeken.moc"
