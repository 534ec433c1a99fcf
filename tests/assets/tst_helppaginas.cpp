#include "HelpPaginas.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/StartupLists.h"
#include "board/ColourTable.h"
#include "ui/Surface.h"

#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

namespace {

struct Verwijzing {
    QString attribuut, waarde;
};

// Every href, src and background attribute of a page.
QVector<Verwijzing> verwijzingen(const QString &html) {
    static const QRegularExpression patroon(
        QStringLiteral("\\b(href|src|background)\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QVector<Verwijzing> lijst;
    for (auto it = patroon.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        lijst.push_back({match.captured(1).toLower(), match.captured(2)});
    }
    return lijst;
}

QSet<QString> ankers(const QString &html) {
    static const QRegularExpression patroon(QStringLiteral("<a\\s+name=\"([^\"]+)\""));
    QSet<QString> namen;
    for (auto it = patroon.globalMatch(html); it.hasNext();)
        namen.insert(it.next().captured(1));
    return namen;
}

} // namespace

class TestHelpPaginas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pagesAndBackgroundExist();
    void everyLinkResolves_data();
    void everyLinkResolves();
    void imagesAreShownAtTheirOwnSize();
    void pagesLoadWithTheirPicturesInTheBrowser();
    void helpNamesEveryToolAndColour();

private:
    TestFolder map_;
    QString plugins(const QString &bestand = {}) const {
        return map_.path(QStringLiteral("Plugins/") + bestand);
    }
    QString lees(const QString &pagina) const {
        return QString::fromUtf8(map_.readFile(QStringLiteral("Plugins/") + pagina));
    }
};

void TestHelpPaginas::initTestCase() {
    QCOMPARE(HelpPaginas::maak(map_.root()), QStringList());
}

void TestHelpPaginas::pagesAndBackgroundExist() {
    for (const QString &pagina : {QStringLiteral("index.htm"), QStringLiteral("help.htm"),
                                  QStringLiteral("symbolen.htm"), QStringLiteral("software.htm")})
        QVERIFY2(
            lees(pagina).contains(QLatin1String("<body background=\"Images/background.jpg\">")),
            qPrintable(pagina));
    const std::optional<QImage> tegel = Surface::readPicture(plugins("Images/background.jpg"));
    QVERIFY(tegel);
    QCOMPARE(tegel->size(), QSize(80, 80));
}

void TestHelpPaginas::everyLinkResolves_data() {
    QTest::addColumn<QString>("pagina");
    for (const QString &pagina : HelpPaginas::paginas())
        QTest::newRow(qPrintable(pagina)) << pagina;
}

void TestHelpPaginas::everyLinkResolves() {
    QFETCH(QString, pagina);
    const QVector<Verwijzing> lijst = verwijzingen(lees(pagina));
    QVERIFY(lijst.size() >= 3);
    for (const Verwijzing &v : lijst) {
        // The pages work offline and inside the application folder only.
        QVERIFY2(!v.waarde.contains(QLatin1Char(':')) && !v.waarde.startsWith(QLatin1Char('/')),
                 qPrintable(v.waarde));
        const QString bestand = v.waarde.section(QLatin1Char('#'), 0, 0);
        const QString anker = v.waarde.section(QLatin1Char('#'), 1);
        const QString doel = bestand.isEmpty() ? pagina : bestand;
        // Exact case: the browser finds files as they are spelled.
        const QFileInfo info(plugins(doel));
        QVERIFY2(info.isFile(), qPrintable(pagina + QStringLiteral(": ") + v.waarde));
        QVERIFY2(info.canonicalFilePath().endsWith(doel), qPrintable(v.waarde));
        if (!anker.isEmpty())
            QVERIFY2(ankers(lees(doel)).contains(anker),
                     qPrintable(pagina + QStringLiteral(": ") + v.waarde));
    }
}

void TestHelpPaginas::imagesAreShownAtTheirOwnSize() {
    static const QRegularExpression img(
        QStringLiteral("<img src=\"([^\"]+)\"(?: width=\"(\\d+)\" height=\"(\\d+)\")?"));
    int plaatjes = 0;
    for (const QString &pagina : HelpPaginas::paginas())
        for (auto it = img.globalMatch(lees(pagina)); it.hasNext();) {
            const auto m = it.next();
            const std::optional<QImage> beeld = Surface::readPicture(plugins(m.captured(1)));
            QVERIFY2(beeld, qPrintable(m.captured(1)));
            ++plaatjes;
            if (m.captured(2).isEmpty()) continue;
            QCOMPARE(QSize(m.captured(2).toInt(), m.captured(3).toInt()), beeld->size());
        }
    QVERIFY(plaatjes >= 10);
}

void TestHelpPaginas::pagesLoadWithTheirPicturesInTheBrowser() {
    for (const QString &pagina : HelpPaginas::paginas()) {
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(plugins(pagina)));
        QTextDocument *document = browser.document();
        QVERIFY2(!document->metaInformation(QTextDocument::DocumentTitle).isEmpty(),
                 qPrintable(pagina));
        QVERIFY2(document->toPlainText().size() > 500, qPrintable(pagina));
        for (const Verwijzing &v : verwijzingen(lees(pagina))) {
            if (v.attribuut != QLatin1String("src")) continue;
            const QVariant plaatje =
                document->resource(QTextDocument::ImageResource, QUrl(v.waarde));
            QVERIFY2(plaatje.isValid(), qPrintable(pagina + QStringLiteral(": ") + v.waarde));
        }
    }
}

void TestHelpPaginas::helpNamesEveryToolAndColour() {
    QTextDocument document;
    document.setHtml(lees(QStringLiteral("help.htm")));
    const QString tekst = document.toPlainText();
    QStringList namen = StartupLists::gereedschappen().mid(0, 4);
    namen += kleurNamen();
    // The menu items and buttons, as the main window names them.
    namen += {QStringLiteral("Nieuw Project"),
              QStringLiteral("Project Openen"),
              QStringLiteral("Project Opslaan"),
              QStringLiteral("Project Afdrukken"),
              QStringLiteral("Printer Setup"),
              QStringLiteral("Exit"),
              QStringLiteral("Undo"),
              QStringLiteral("Achtergrond Wijzigen"),
              QStringLiteral("Bits en Bytes"),
              QStringLiteral("Led Calculator"),
              QStringLiteral("7 Segment Display"),
              QStringLiteral("Meer Symbolen Downloaden"),
              QStringLiteral("Meer Software"),
              QStringLiteral("Rename"),
              QStringLiteral("Delete"),
              QStringLiteral("Spiegelbeeld"),
              QStringLiteral("Kwartslag draaien"),
              QStringLiteral("Loep"),
              QStringLiteral("Size"),
              QStringLiteral("Print"),
              QStringLiteral("Bold"),
              QStringLiteral("Transfer"),
              QStringLiteral("Colorpicker"),
              QStringLiteral("Rasterkleur")};
    for (const QString &naam : namen)
        QVERIFY2(tekst.contains(naam), qPrintable(naam));
}

VOLTARIX_TEST(TestHelpPaginas)
#include "tst_helppaginas.moc"
