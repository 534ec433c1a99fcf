#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/SymboolZoeken.h"

#include <QtTest>

#include <unistd.h>

// Finding a symbol by part of its name across every category of the library.
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
};

VOLTARIX_TEST(TestSymboolZoeken)
#include "tst_symboolzoeken.moc"
