#include "app/vensters/Titel.h"

#include "app/TitelAnimatie.h"
#include "app/TitelInfo.h"
#include "app/TitelPlaatje.h"
#include "app/Zandloper.h"
#include "ui/AppFolder.h"
#include "ui/Platform.h"
#include "ui/Twips.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace {

// Where the controls stand, in twips; -1 lets a label take the size of its text.
using Vormgeving::kEigen;
constexpr int kVensterBreedte = 7500, kVensterHoogte = 4800;
constexpr Vormgeving::Plek kPlekken[] = {
    {"Label3", 300, 300, 3150, 900},   {"Label4", 990, 885, kEigen, kEigen},
    {"Label1", 300, 1995, 4500, 2400}, {"KlokLabel", 1485, 3750, kEigen, kEigen},
    {"Label2", 240, 4260, 3690, 330},  {"Picture1", 285, 4305, 3600, 240},
};

const QColor kTekstKleur(226, 238, 232);
const QColor kAdresKleur(255, 214, 120);
constexpr int kKlokTik = 1000;

QLabel *tekstLabel(QWidget *parent, const QString &naam, QColor kleur) {
    auto *label = new QLabel(parent);
    label->setObjectName(naam);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Vormgeving::tekstKleur(label, kleur);
    return label;
}

} // namespace

Titel::Titel(const AppFolder &folder, Platform &platform, const Schaal::Scherm &scherm,
             QWidget *parent)
    : QWidget(parent), platform_(platform), strook_(TitelAnimatie::startStrook()), Dpi_(scherm.Dpi),
      eigenFactor_(scherm.eigenFactor) {
    setObjectName(QStringLiteral("Titel"));
    setWindowTitle(QStringLiteral("Voltarix"));
    maakBesturing();
    plaatsBesturing();
    Form_Load(folder, scherm);
}

// The strip view lets go of the strip before the strip itself goes.
Titel::~Titel() {
    delete Picture1;
}

void Titel::maakBesturing() {
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap::fromImage(TitelPlaatje::teken(devicePixelRatioF())));
    Label3 = tekstLabel(this, QStringLiteral("Label3"), kTekstKleur);
    Label4 = tekstLabel(this, QStringLiteral("Label4"), kAdresKleur);
    Label4->setCursor(Qt::PointingHandCursor);
    Label1 = tekstLabel(this, QStringLiteral("Label1"), kTekstKleur);
    KlokLabel = tekstLabel(this, QStringLiteral("KlokLabel"), kTekstKleur);
    KlokLabel->setText(QStringLiteral("00:00:00"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2->setAutoFillBackground(true);
    Picture1 = new SheetView(strook_, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    for (QWidget *klikbaar : {static_cast<QWidget *>(Image1), static_cast<QWidget *>(Label1),
                              static_cast<QWidget *>(Label4)})
        klikbaar->installEventFilter(this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(kKlokTik);
    connect(Timer1, &QTimer::timeout, this, &Titel::Timer1_Timer);
    // Once the user has been in another program, coming back is a new activation.
    connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState staat) {
        if (staat != Qt::ApplicationActive) terugVanWaarschuwing_ = false;
    });
}

void Titel::plaatsBesturing() {
    setFixedSize(twipsToPixels(kVensterBreedte), twipsToPixels(kVensterHoogte));
    Image1->setGeometry(rect());
    Vormgeving::plaats(this, kPlekken);
}

void Titel::Form_Load(const AppFolder &folder, const Schaal::Scherm &scherm) {
    const QRect &vrij = scherm.beschikbaar;
    // A Wayland compositor places windows itself and ignores what a program asks.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        move(vrij.x() + (vrij.width() - width()) / 2, vrij.y() + (vrij.height() - height()) / 2);
    Label3->setText(TitelInfo::kMakerRegel);
    Label4->setText(TitelInfo::kMailAdres);
    Label4->adjustSize();
    // The program's own executable, beside its folders; when the application folder is
    // elsewhere (chosen with --app-folder, or the user's own), the running file.
    QString programma = folder.programma();
    if (!QFileInfo(programma).isFile()) programma = QCoreApplication::applicationFilePath();
    const TitelInfo::Gegevens gegevens = TitelInfo::verzamel(programma, scherm.pixels, Dpi_);
    QString tekst = TitelInfo::informatieTekst(gegevens, QLocale::system());
    Label1->setText(tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Timer1->start();
}

bool Titel::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    // A key while the animation plays skips the rest of it.
    if (event->type() == QEvent::KeyPress && bezig_) {
        overslaan_ = true;
        return true;
    }
    return QWidget::event(event);
}

void Titel::Form_Activate() {
    // Closing our own warning hands the activation back to this window; warning
    // again then would bring the box back for ever.
    if (terugVanWaarschuwing_) {
        terugVanWaarschuwing_ = false;
        return;
    }
    const QString waarschuwing = TitelInfo::dpiWaarschuwing(Dpi_, eigenFactor_);
    if (waarschuwing.isEmpty()) return;
    terugVanWaarschuwing_ = true;
    platform_.message(waarschuwing, QStringLiteral(" Error"), Platform::Buttons::Ok,
                      Platform::Icon::Stop);
}

bool Titel::eventFilter(QObject *watched, QEvent *event) {
    // A click is a press and a release of the left button on the same control; the
    // press is taken so that the release comes back to that control.
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *muis = static_cast<QMouseEvent *>(event);
        const auto *besturing = static_cast<QWidget *>(watched);
        if (muis->button() == Qt::LeftButton &&
            besturing->rect().contains(muis->position().toPoint())) {
            if (watched == Label4)
                Label4_Click();
            else
                Start_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Titel::Start_Click() {
    // A second click during the animation skips the rest of it; starting it again
    // inside its own waits would play it twice.
    if (bezig_) {
        overslaan_ = true;
        return;
    }
    bezig_ = true;
    QApplication::setOverrideCursor(Zandloper::bezig(QGuiApplication::platformName()));
    TitelAnimatie::speel(strook_, platform_, &overslaan_);
    QApplication::restoreOverrideCursor();
    Timer1->stop();
    emit gestart();
    bezig_ = false;
    close();
}

void Titel::Label4_Click() {
    platform_.openAddress(QStringLiteral("mailto:") + TitelInfo::kMailAdres);
}

void Titel::Timer1_Timer() {
    KlokLabel->setText(TitelInfo::klokTekst(QDateTime::currentDateTime(), QLocale::system()));
    KlokLabel->adjustSize();
}

void Titel::closeEvent(QCloseEvent *event) {
    // The animation runs inside waits; closing the window under it would leave the
    // program without a window to go on in.
    if (bezig_) {
        event->ignore();
        return;
    }
    Timer1->stop();
    event->accept();
}
