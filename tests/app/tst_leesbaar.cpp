#include "HoofdVenster.h"
#include "TestRunner.h"
#include "app/vensters/Titel.h"
#include "editor/vensters/Textform.h"
#include "project/vensters/OpenForm.h"
#include "symbols/vensters/Config.h"
#include "symbols/vensters/IconDesign.h"
#include "tools/vensters/Bits.h"
#include "tools/vensters/DisplayVenster.h"
#include "tools/vensters/Kleurcode.h"
#include "tools/vensters/LedCalc.h"
#include "ui/vensters/SheetView.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <cmath>

namespace {

// Every window shown in turn; the main window at its start and on the breadboard's text tool.
void elkVenster(const std::function<void(QWidget *)> &doe) {
    HoofdVenster<> v;
    v.folder.writePicture("Symbolen/Weerstanden/R1.bmp", filledPicture(49, 49, qRgb(0, 0, 0)));
    v.folder.writeFile("Projecten/P.ovb", pictureFile(filledPicture(9, 9, 0)));
    v.start();
    v.main->show();
    doe(v.main.get());
    v.klik("Knop7");
    auto *gereedschap = v.w<QComboBox>("Combo3");
    gereedschap->setCurrentIndex(3); // the text tool
    emit gereedschap->activated(3);
    doe(v.main.get());
    Surface blok(49, 49);
    QRgb kleur = 0;
    const AppFolder map(v.folder.root());
    std::unique_ptr<QWidget> vensters[] = {
        std::make_unique<Textform>(blok),
        std::make_unique<OpenForm>(ProjectMap(v.folder.path("Projecten")), v.platform,
                                   [](const QString &) {}),
        std::make_unique<IconDesign>(v.platform, blok),
        std::make_unique<Config>(
            map, v.platform, true, [] {}, kleur),
        std::make_unique<Bits>(),
        std::make_unique<LedCalc>(),
        std::make_unique<Kleurcode>(blok),
        std::make_unique<DisplayVenster>(v.platform),
        std::make_unique<Titel>(map, v.platform, QSize(1920, 1080), 96),
    };
    for (auto &venster : vensters) {
        venster->show();
        doe(venster.get());
    }
}

// A control's text and colour role; a button's picture counts as black lines, sheets not.
std::pair<QString, QPalette::ColorRole> tekstVan(QWidget *b) {
    for (QWidget *ouder = b->parentWidget(); ouder; ouder = ouder->parentWidget())
        if (qobject_cast<SheetView *>(ouder)) return {};
    if (auto *knop = qobject_cast<QToolButton *>(b); knop && knop->autoRaise()) return {};
    if (auto *label = qobject_cast<QLabel *>(b)) return {label->text(), b->foregroundRole()};
    if (auto *knop = qobject_cast<QAbstractButton *>(b))
        return {knop->text().isEmpty() && !knop->icon().isNull() ? "(plaatje)" : knop->text(),
                knop->text().isEmpty() ? QPalette::NoRole : b->foregroundRole()};
    if (auto *veld = qobject_cast<QLineEdit *>(b))
        return veld->text().isEmpty()
                   ? std::pair{veld->placeholderText(), QPalette::PlaceholderText}
                   : std::pair{veld->text(), QPalette::Text};
    if (auto *box = qobject_cast<QComboBox *>(b); box && !box->isEditable())
        return {box->currentText(), b->foregroundRole()};
    if (auto *lijst = qobject_cast<QListWidget *>(b); lijst && lijst->count())
        return {lijst->item(0)->text(), QPalette::Text};
    return {};
}

double luminantie(QRgb kleur) {
    const auto lineair = [](int c) {
        const double f = c / 255.0;
        return f <= 0.03928 ? f / 12.92 : std::pow((f + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineair(qRed(kleur)) + 0.7152 * lineair(qGreen(kleur)) +
           0.0722 * lineair(qBlue(kleur));
}

// A dark desktop's colours: qt6ct's darker.conf, KDE's Breeze Dark.
QPalette donkerPalet(QColor knop, QColor venster, QColor basis, QColor markering) {
    QPalette palet(knop, venster);
    for (auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palet.setColor(rol, Qt::white);
        palet.setColor(QPalette::Disabled, rol, QColor(0x80, 0x80, 0x80));
    }
    palet.setColor(QPalette::Base, basis);
    palet.setColor(QPalette::Highlight, markering);
    palet.setColor(QPalette::PlaceholderText, QColor(255, 255, 255, 128));
    return palet;
}

} // namespace

class TestLeesbaar : public QObject {
    Q_OBJECT
private slots:
    // On dark desktops too, texts and black pictures contrast 4.5 or more with their background.
    void contrastOpElkBureaublad_data() {
        const Tabel<QString, QPalette> rij("stijl", "palet");
        rij("light", "", QApplication::style()->standardPalette());
        rij("darker.conf", "",
            donkerPalet({66, 66, 69}, {34, 32, 32}, {61, 61, 61}, {18, 96, 138}));
        rij("Breeze Dark", "",
            donkerPalet({49, 54, 59}, {49, 54, 59}, {35, 38, 41}, {61, 174, 233}));
        rij("Adwaita-Dark", "Adwaita-Dark", {});
    }
    void contrastOpElkBureaublad() {
        auto [stijl, palet] = velden<QString, QPalette>("stijl", "palet");
        const QPalette eerst = QApplication::palette();
        const QString eersteStijl = QApplication::style()->name();
        if (!stijl.isEmpty() && !QApplication::setStyle(stijl)) QSKIP("style not installed");
        QApplication::setPalette(stijl.isEmpty() ? palet
                                                 : QApplication::style()->standardPalette());
        QStringList fouten;
        elkVenster([&fouten](QWidget *venster) {
            // Active, as it is read: a desktop may dim the windows behind (GNOME does).
            venster->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(venster));
            const QImage beeld = venster->grab().toImage();
            for (QWidget *b : venster->findChildren<QWidget *>()) {
                const auto [tekst, rol] = tekstVan(b);
                if (tekst.isEmpty() || !b->isVisible() || !b->isEnabled()) continue;
                const QRect vlak = b->contentsRect().translated(b->mapTo(venster, QPoint()));
                QRegion boven; // what lies over the control
                const QObjectList broers = b->parentWidget()->children();
                for (qsizetype i = broers.indexOf(b) + 1; i < broers.size(); ++i)
                    if (auto *broer = qobject_cast<QWidget *>(broers[i]);
                        broer && broer->isVisible())
                        boven +=
                            QRect(b->parentWidget()->mapTo(venster, broer->pos()), broer->size());
                QVector<double> licht;
                for (int y = vlak.top() + 2; y < vlak.bottom() - 1; ++y)
                    for (int x = vlak.left() + 2; x < vlak.right() - 1; ++x)
                        if (!boven.contains(QPoint(x, y)))
                            licht << luminantie(
                                beeld.pixel(x * beeld.width() / venster->width(),
                                            y * beeld.height() / venster->height()));
                std::nth_element(licht.begin(), licht.begin() + licht.size() / 2, licht.end());
                const double achter = licht.isEmpty() ? 0 : licht[licht.size() / 2];
                // A style may draw a check's text in Text instead (adwaita-qt does).
                const bool vink = qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b);
                double contrast = 21;
                for (const auto r : {rol, vink ? QPalette::Text : rol}) {
                    const double voor =
                        r == QPalette::NoRole ? 0 : luminantie(b->palette().color(r).rgb());
                    contrast = std::min(contrast, (std::max(voor, achter) + 0.05) /
                                                      (std::min(voor, achter) + 0.05));
                }
                if (contrast < 4.5)
                    fouten << QStringLiteral("%1 %2 \"%3\": %4")
                                  .arg(venster->objectName(), b->objectName(), tekst)
                                  .arg(contrast, 0, 'f', 2);
            }
        });
        QApplication::setStyle(eersteStijl);
        QApplication::setPalette(eerst);
        QVERIFY2(fouten.isEmpty(), qPrintable(fouten.join('\n')));
    }

    // At 12 pt every text fits its control (10 pt cut "componenter"), in two styles.
    void tekstenPassenBijGrootLettertype_data() {
        const Tabel<QString> rij("stijl");
        rij("Fusion", "Fusion"), rij("Adwaita-Dark", "Adwaita-Dark");
    }
    void tekstenPassenBijGrootLettertype() {
        QFETCH(QString, stijl);
        const QString eersteStijl = QApplication::style()->name();
        if (!QApplication::setStyle(stijl)) QSKIP("style not installed");
        const QFont eerst = QApplication::font();
        QFont groot = eerst;
        groot.setPointSize(12);
        QApplication::setFont(groot);
        QStringList fouten;
        elkVenster([&fouten](QWidget *venster) {
            for (QWidget *b : venster->findChildren<QWidget *>()) {
                if (b->parentWidget() && b->parentWidget()->inherits("QMenuBar")) continue;
                QStringList teksten = {tekstVan(b).first};
                QRect ruimte = b->contentsRect();
                int vlag = Qt::TextSingleLine;
                if (auto *label = qobject_cast<QLabel *>(b)) {
                    const int x = b->fontMetrics().horizontalAdvance(QLatin1Char('x')),
                              inspringen = label->indent() >= 0 ? label->indent()
                                                                : (label->frameWidth() ? x / 2 : 0);
                    ruimte.adjust(label->margin() + inspringen, label->margin(),
                                  -label->margin() - inspringen, -label->margin());
                    vlag = label->wordWrap() ? Qt::TextWordWrap : 0;
                } else if (auto *knop = qobject_cast<QAbstractButton *>(b)) {
                    QStyleOptionButton optie;
                    optie.initFrom(b);
                    const bool duw = qobject_cast<QPushButton *>(b);
                    const QRect binnen = b->style()->subElementRect(
                        duw ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents, &optie,
                        b);
                    ruimte = duw ? binnen : ruimte.adjusted(binnen.left(), 0, 0, 0);
                    if (!knop->icon().isNull()) continue;
                } else if (auto *veld = qobject_cast<QLineEdit *>(b)) { // its width, less 2 a side
                    QStyleOptionFrame optie;
                    optie.initFrom(b);
                    optie.rect = b->contentsRect();
                    optie.lineWidth = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                    const QRect r = b->style()
                                        ->subElementRect(QStyle::SE_LineEditContents, &optie, b)
                                        .marginsRemoved(veld->textMargins());
                    ruimte = QRect(r.x() + 2, 0, r.width() - 4, b->height());
                } else if (auto *box = qobject_cast<QComboBox *>(b)) {
                    QStyleOptionComboBox optie;
                    optie.initFrom(box);
                    optie.editable = box->isEditable();
                    ruimte = b->style()->subControlRect(QStyle::CC_ComboBox, &optie,
                                                        QStyle::SC_ComboBoxEditField, b);
                    teksten.clear();
                    for (int i = 0; i < box->count(); ++i)
                        teksten << box->itemText(i);
                } else {
                    continue;
                }
                for (const QString &tekst : teksten) {
                    // A separator line of hyphens may run past the box's edge.
                    if (tekst.isEmpty() || tekst == "(plaatje)" || tekst.count('-') == tekst.size())
                        continue;
                    const QRect nodig = b->fontMetrics().boundingRect(
                        QRect(ruimte.topLeft(), QSize(ruimte.width(), 10000)), vlag, tekst);
                    if (nodig.width() > ruimte.width() || nodig.height() > ruimte.height() ||
                        tekst.endsWith(QChar(0x2026)))
                        fouten << QString::asprintf(
                            "%s %s \"%s\": %dx%d in %dx%d", qUtf8Printable(venster->objectName()),
                            qUtf8Printable(b->objectName()), qUtf8Printable(tekst), nodig.width(),
                            nodig.height(), ruimte.width(), ruimte.height());
                }
            }
        });
        QApplication::setFont(eerst);
        QApplication::setStyle(eersteStijl);
        QVERIFY2(fouten.isEmpty(), qPrintable(fouten.join('\n')));
    }
};

VOLTARIX_TEST(TestLeesbaar)
#include "tst_leesbaar.moc"
