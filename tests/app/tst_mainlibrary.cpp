#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

QImage symbool(QRgb kleur) {
    QImage picture = filledPicture(49, 49, Surface::kWhite);
    for (int i = 5; i < 44; ++i) {
        picture.setPixel(i, 24, kleur);
        picture.setPixel(24, i, kleur);
    }
    return picture;
}

// A main window on an application folder with a library, as the user finds it.
struct Venster {
    TestFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<Main> main;

    explicit Venster(const QStringList &bestanden) {
        for (int i = 0; i < bestanden.size(); ++i) {
            const QString pad = QStringLiteral("\\Symbolen\\") + bestanden[i];
            if (pad.endsWith(QLatin1Char('\\')))
                folder.makeDir(pad);
            else if (pad.endsWith(QLatin1String(".txt")))
                folder.writeFile(pad, "Geen symbool");
            else
                folder.writePicture(pad, symbool(qRgb(40 * i, 255 - 40 * i, 90)));
        }
        folder.writeFile(QStringLiteral("\\Plugins\\index.htm"), "<h1>Start</h1>");
        main = std::make_unique<Main>(AppFolder(folder.root()), platform, QSize(1024, 768));
    }

    QComboBox *Combo1() const { return main->findChild<QComboBox *>("Combo1"); }
    QListWidget *List1() const { return main->findChild<QListWidget *>("List1"); }
    QString Label1() const { return main->findChild<QLabel *>("Label1")->text(); }
    QPushButton *knop(const char *naam) const { return main->findChild<QPushButton *>(naam); }
    const QImage &IconPic() const { return main->ontwerp().IconPic.image(); }

    QStringList categorieen() const {
        QStringList namen;
        for (int i = 0; i < Combo1()->count(); ++i)
            namen << Combo1()->itemText(i);
        return namen;
    }
    QStringList symbolen() const {
        QStringList namen;
        for (int i = 0; i < List1()->count(); ++i)
            namen << List1()->item(i)->text();
        return namen;
    }
    void kies(const QString &naam) const {
        const auto gevonden = List1()->findItems(naam, Qt::MatchExactly);
        QVERIFY(!gevonden.isEmpty());
        List1()->setCurrentItem(gevonden[0]);
    }
    QImage bestand(const QString &pad) const {
        return QImage(folder.path(QStringLiteral("\\Symbolen\\") + pad))
            .convertToFormat(QImage::Format_RGB32);
    }
};

const QStringList kBibliotheek = {"Weerstanden\\R1.bmp",      "Weerstanden\\r2.bmp",
                                  "Weerstanden\\R10.bmp",     "Condensatoren\\C1.bmp",
                                  "Condensatoren\\notes.txt", "Leeg\\"};

} // namespace

class TestMainLibrary : public QObject {
    Q_OBJECT
private slots:
    void legeWortel();
    void beginToestand();
    void categorieKiezen();
    void typenInCategorie();
    void symboolKiezen();
    void hernoemen();
    void verwijderen();
    void mappenDieAlleenInHoofdlettersVerschillen();
};

void TestMainLibrary::legeWortel() {
    Venster v({});
    QVERIFY(v.categorieen().isEmpty());
    QVERIFY(v.symbolen().isEmpty());
    QCOMPARE(v.Label1(), QStringLiteral("0 Symbolen"));
    QCOMPARE(v.IconPic(), filledPicture(49, 49, Surface::kWhite));
}

void TestMainLibrary::beginToestand() {
    Venster v(kBibliotheek);
    QCOMPARE(v.categorieen(), (QStringList{"condensatoren", "leeg", "weerstanden"}));
    QCOMPARE(v.Combo1()->currentText(), QStringLiteral("condensatoren"));
    QCOMPARE(v.symbolen(), (QStringList{"C1", "notes"}));
    QCOMPARE(v.Label1(), QStringLiteral("2 Symbolen gevonden..."));
    QVERIFY(v.List1()->selectedItems().isEmpty());
    QCOMPARE(v.IconPic(), filledPicture(49, 49, Surface::kWhite));
}

void TestMainLibrary::categorieKiezen() {
    Venster v(kBibliotheek);
    v.Combo1()->setCurrentIndex(2);
    QCOMPARE(v.symbolen(), (QStringList{"R1", "R10", "r2"}));
    QCOMPARE(v.Label1(), QStringLiteral("3 Symbolen gevonden..."));
    v.Combo1()->setCurrentIndex(1);
    QVERIFY(v.symbolen().isEmpty());
    QCOMPARE(v.Label1(), QStringLiteral("0 Symbolen gevonden..."));
    // Choosing the same entry again lists the folder anew: a symbol saved meanwhile
    // shows up.
    v.Combo1()->setCurrentIndex(2);
    v.folder.writePicture("\\Symbolen\\Weerstanden\\LDR.bmp", symbool(qRgb(1, 2, 3)));
    QCOMPARE(v.symbolen().size(), 3);
    emit v.Combo1()->activated(2);
    QCOMPARE(v.symbolen(), (QStringList{"LDR", "R1", "R10", "r2"}));
}

void TestMainLibrary::typenInCategorie() {
    Venster v(kBibliotheek);
    v.Combo1()->setEditText("WEERSTANDEN");
    QCOMPARE(v.symbolen(), (QStringList{"R1", "R10", "r2"}));
    // Half a name, or a way out of the library: the folder listed before stays.
    for (const char *tekst : {"con", "..", "..\\Projecten", ""}) {
        v.Combo1()->setEditText(tekst);
        QCOMPARE(v.symbolen(), (QStringList{"R1", "R10", "r2"}));
        QCOMPARE(v.Label1(), QStringLiteral("3 Symbolen gevonden..."));
    }
}

void TestMainLibrary::symboolKiezen() {
    Venster v(kBibliotheek);
    v.kies("C1");
    QCOMPARE(v.IconPic(), v.bestand("Condensatoren\\C1.bmp"));
    // notes.txt is listed as notes; notes.bmp does not exist: the symbol stays.
    v.kies("notes");
    QCOMPARE(v.IconPic(), v.bestand("Condensatoren\\C1.bmp"));
    v.Combo1()->setCurrentIndex(2);
    v.kies("r2");
    QCOMPARE(v.IconPic(), v.bestand("Weerstanden\\r2.bmp"));
}

void TestMainLibrary::hernoemen() {
    Venster v(kBibliotheek);
    v.Combo1()->setCurrentIndex(2);
    v.kies("R10");
    const QImage symboolVoor = v.IconPic();
    v.platform.inputAnswers << " A 1 ";
    v.knop("RenameKnop")->click();
    QCOMPARE(v.symbolen(), (QStringList{" A 1 ", "R1", "r2"}));
    QVERIFY(QFile::exists(v.folder.path("Symbolen/Weerstanden/ A 1 .bmp")));
    QVERIFY(!QFile::exists(v.folder.path("Symbolen/Weerstanden/R10.bmp")));
    QVERIFY(v.List1()->selectedItems().isEmpty());
    QCOMPARE(v.Label1(), QStringLiteral("3 Symbolen gevonden..."));
    QCOMPARE(v.IconPic(), symboolVoor);
    QVERIFY(v.platform.messages.isEmpty());
    // The renamed symbol can be chosen under its new name.
    v.kies(" A 1 ");
    QCOMPARE(v.IconPic(), v.bestand("Weerstanden\\ A 1 .bmp"));
}

void TestMainLibrary::verwijderen() {
    Venster v(kBibliotheek);
    v.Combo1()->setCurrentIndex(2);
    v.kies("r2");
    const QImage symboolVoor = v.IconPic();
    v.knop("DeleteKnop")->click(); // answered No
    QCOMPARE(v.symbolen().size(), 3);
    v.platform.answers << Platform::Answer::Yes;
    v.kies("r2");
    v.knop("DeleteKnop")->click();
    QCOMPARE(v.symbolen(), (QStringList{"R1", "R10"}));
    QCOMPARE(v.Label1(), QStringLiteral("2 Symbolen gevonden..."));
    QVERIFY(!QFile::exists(v.folder.path("Symbolen/Weerstanden/r2.bmp")));
    // The deleted symbol is still the current one.
    QCOMPARE(v.IconPic(), symboolVoor);
    // Nothing is selected afterwards: the buttons ask for a choice first.
    v.knop("DeleteKnop")->click();
    QCOMPARE(v.platform.messages.last().text,
             QStringLiteral("Eerst een symbool selecteren a.u.b!"));
    QCOMPARE(v.symbolen().size(), 2);
}

void TestMainLibrary::mappenDieAlleenInHoofdlettersVerschillen() {
    // Two folders that one shown name stands for: each entry keeps its own folder.
    Venster v({"IC\\A.bmp", "ic\\B.bmp"});
    QCOMPARE(v.categorieen(), (QStringList{"ic", "ic"}));
    const QStringList eerste = v.symbolen();
    v.Combo1()->setCurrentIndex(1);
    emit v.Combo1()->activated(1);
    QCOMPARE(v.symbolen().size(), 1);
    QVERIFY(v.symbolen() != eerste);
    v.kies(v.symbolen()[0]);
    QCOMPARE(v.IconPic(), v.bestand(v.symbolen()[0] == "A" ? "IC\\A.bmp" : "ic\\B.bmp"));
}

VOLTARIX_TEST(TestMainLibrary)
#include "tst_mainlibrary.moc"
