#include "TestFolder.h"
#include "TestRunner.h"
#include "app/HelpLinks.h"
#include "ui/AppFolder.h"

#include <QtTest>

using Soort = HelpLinks::Doel::Soort;
Q_DECLARE_METATYPE(HelpLinks::Doel::Soort)

class TestHelpLinks : public QObject {
    Q_OBJECT
private slots:
    void volg_data();
    void volg();
    void paginasVanHetProgramma();
};

void TestHelpLinks::volg_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<Soort>("soort");
    QTest::addColumn<QString>("doel"); // an address, or a path under the application folder
    QTest::newRow("web") << "https://example.org/symbolen" << Soort::OpenAdres
                         << "https://example.org/symbolen";
    QTest::newRow("web zonder s") << "http://example.org" << Soort::OpenAdres
                                  << "http://example.org";
    QTest::newRow("hoofdletters in schema")
        << "HTTPS://example.org/" << Soort::OpenAdres << "https://example.org/";
    QTest::newRow("mail") << "mailto:info@example.org" << Soort::OpenAdres
                          << "mailto:info@example.org";
    QTest::newRow("pagina ernaast") << "help.htm" << Soort::Browser << "Plugins/help.htm";
    QTest::newRow("andere hoofdletters") << "HELP.HTM" << Soort::Browser << "Plugins/help.htm";
    QTest::newRow("onderpagina") << "onderdelen/led.html" << Soort::Browser
                                 << "Plugins/Onderdelen/LED.html";
    QTest::newRow("anker") << "#weerstanden" << Soort::Browser << "Plugins/index.htm#weerstanden";
    QTest::newRow("pagina met anker")
        << "help.htm#loep" << Soort::Browser << "Plugins/help.htm#loep";
    QTest::newRow("document") << "../Projecten/schema.pdf" << Soort::OpenAdres
                              << "Projecten/schema.pdf";
    QTest::newRow("script") << "javascript:alert(1)" << Soort::Geen << QString();
    QTest::newRow("onbekend schema") << "smb://server/share" << Soort::Geen << QString();
}

void TestHelpLinks::volg() {
    QFETCH(QString, link);
    QFETCH(Soort, soort);
    QFETCH(QString, doel);
    TestFolder folder;
    folder.writeFile(QStringLiteral("\\Plugins\\index.htm"), "<p>start</p>");
    folder.writeFile(QStringLiteral("\\Plugins\\help.htm"), "<p>help</p>");
    folder.writeFile(QStringLiteral("\\Plugins\\Onderdelen\\LED.html"), "<p>led</p>");
    folder.writeFile(QStringLiteral("\\Projecten\\schema.pdf"), "%PDF");
    const AppFolder app(folder.root());
    const QUrl pagina = QUrl::fromLocalFile(folder.path(QStringLiteral("Plugins/index.htm")));

    const HelpLinks::Doel uitkomst = HelpLinks::volg(pagina, QUrl(link), app);
    QCOMPARE(uitkomst.soort, soort);
    if (soort == Soort::Browser) {
        const QStringList delen = doel.split(QLatin1Char('#'));
        QCOMPARE(uitkomst.url.toLocalFile(), folder.path(delen[0]));
        QCOMPARE(uitkomst.url.fragment(), delen.value(1));
        QVERIFY(QFileInfo::exists(uitkomst.url.toLocalFile()));
    } else if (soort == Soort::OpenAdres && doel.contains(QLatin1Char(':'))) {
        QCOMPARE(QUrl(uitkomst.adres), QUrl(doel));
    } else if (soort == Soort::OpenAdres) {
        QCOMPARE(uitkomst.adres, folder.path(doel));
    }
}

void TestHelpLinks::paginasVanHetProgramma() {
    // The help page is written with a lower-case folder name; the folder is
    // "Plugins": it must be found all the same.
    TestFolder folder;
    folder.writeFile(QStringLiteral("\\Plugins\\help.htm"), "<p>help</p>");
    folder.writeFile(QStringLiteral("\\Plugins\\Symbolen.htm"), "<p>meer</p>");
    const AppFolder app(folder.root());
    QCOMPARE(app.path(HelpLinks::kHelpPagina), folder.path(QStringLiteral("Plugins/help.htm")));
    QCOMPARE(app.path(HelpLinks::kSymbolenPagina),
             folder.path(QStringLiteral("Plugins/Symbolen.htm")));
    QVERIFY(app.path(HelpLinks::kStartPagina).endsWith(QStringLiteral("/Plugins/index.htm")));
}

VOLTARIX_TEST(TestHelpLinks)
#include "tst_helplinks.moc"
