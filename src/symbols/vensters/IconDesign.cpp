#include "symbols/vensters/IconDesign.h"

#include "symbols/DesignerKnoppen.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QToolTip>

namespace {

// Positions and sizes in pixels of the window's inside.
constexpr Vormgeving::Plek kIndeling[] = {
    {"KnoppenLabel", 10, 8, 505, 29}, {"IconPictureRand", 10, 44, 504, 504},
    {"IconLabel", 524, 44, 60, 60},   {"IconOrgineel", 529, 49, 49, 49},
    {"IconPalet", 524, 113, 60, 239}, {"TekenKleur", 524, 360, 61, 22},
    {"CoordLabel", 524, 392, 61, 17}, {"Label1", 524, 420, 61, 60},
    {"Label2", 524, 523, 61, 26},     {"TransferKnop", 526, 525, 57, 22},
};

// Toolbar button i sits at 12 + 34 (i - 1), 10; the last one is square.
constexpr int kKnopLinks = 12, kKnopStap = 34, kKnopBoven = 10, kKnopHoogte = 25;
constexpr int kRasterRand = 2; // the grid's sunken border

// The window's outer size is 599 x 590 with a frame of 4 pixels and a title bar of 31.
constexpr QSize kBinnenMaat(599 - 2 * 4, 590 - 31 - 4);

const char *const kHints[SymboolDesigner::kKnoppen] = {
    " New ",   " Open ", " Save ", " Border ", " Rotate ",   " Mirror ", " Fill ",       " Left ",
    " Right ", " Up ",   " Down ", "",         " Negative ", " Circle ", " Colorpicker "};

// The narrow labels beside the grid need a small font to hold their texts.
void kleinLettertype(QWidget *widget) {
    QFont lettertype(QStringLiteral("Arial"));
    lettertype.setPointSizeF(7);
    widget->setFont(lettertype);
}

} // namespace

IconDesign::IconDesign(Platform &platform, Surface &IconPic, const QString &symboolMap,
                       QWidget *parent)
    : QDialog(parent), model_(platform, symboolMap), iconPic_(IconPic) {
    setObjectName(QStringLiteral("IconDesign"));
    setModal(true);
    setFont(Vormgeving::lettertype());
    maakBesturing();
    plaatsBesturing();
    verbind();
    toon();
}

IconDesign::~IconDesign() {
    // The views point at the model's surfaces; they must go before the model does.
    delete IconPictureRand;
    delete IconOrgineel;
    delete IconPalet;
}

void IconDesign::maakBesturing() {
    KnoppenLabel = Vormgeving::vlak(this, QStringLiteral("KnoppenLabel"), QColor(0, 64, 0));
    maakKnoppen();
    auto *rand = new QFrame(this);
    rand->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rand->setLineWidth(kRasterRand);
    IconPictureRand = rand;
    IconPictureRand->setObjectName(QStringLiteral("IconPictureRand"));
    IconPicture = new SheetView(model_.raster(), IconPictureRand);
    IconPicture->setObjectName(QStringLiteral("IconPicture"));
    IconLabel = Vormgeving::vlak(this, QStringLiteral("IconLabel"), QColor(64, 64, 64));
    IconOrgineel = new SheetView(model_.tekening(), this);
    IconOrgineel->setObjectName(QStringLiteral("IconOrgineel"));
    IconPalet = new SheetView(model_.palet(), this);
    IconPalet->setObjectName(QStringLiteral("IconPalet"));
    const QCursor pipet(QPixmap::fromImage(DesignerKnoppen::aanwijzer()),
                        DesignerKnoppen::aanwijzerPunt().x(), DesignerKnoppen::aanwijzerPunt().y());
    IconOrgineel->setCursor(pipet);
    IconPalet->setCursor(pipet);
    TekenKleur = Vormgeving::vlak(this, QStringLiteral("TekenKleur"), Qt::black);
    TekenKleur->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CoordLabel = Vormgeving::vlak(this, QStringLiteral("CoordLabel"), QColor(192, 192, 255));
    kleinLettertype(CoordLabel);
    Label1 = new QLabel(QStringLiteral("25, 25 is het midden van het teken veld."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    kleinLettertype(Label1);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Vormgeving::onderschrift(Label1);
    Label2 = Vormgeving::vlak(this, QStringLiteral("Label2"), Qt::black);
    TransferKnop = new QPushButton(QStringLiteral("Transfer"), this);
    TransferKnop->setObjectName(QStringLiteral("TransferKnop"));
    TransferKnop->setAutoDefault(false);
    Vormgeving::kleur(TransferKnop, Vormgeving::kKnopKleur);
}

void IconDesign::maakKnoppen() {
    for (int i = 1; i <= SymboolDesigner::kKnoppen; ++i) {
        auto *knop = new QToolButton(this);
        knop->setObjectName(QStringLiteral("KnopB_%1").arg(i));
        knop->setToolTip(QLatin1String(kHints[i - 1]));
        Vormgeving::kleur(knop, Vormgeving::kKnopKleur); // a face the black pictures show on
        const QImage plaatje = DesignerKnoppen::plaatje(i);
        if (!plaatje.isNull()) {
            knop->setIcon(QIcon(QPixmap::fromImage(plaatje)));
            knop->setIconSize(plaatje.size());
        }
        KnopB[i] = knop;
    }
}

void IconDesign::plaatsBesturing() {
    setFixedSize(kBinnenMaat);
    Vormgeving::plaats(this, kIndeling, Vormgeving::Eenheid::Pixels);
    const int binnen = IconPictureRand->width() - 2 * kRasterRand;
    IconPicture->setGeometry(kRasterRand, kRasterRand, binnen, binnen);
    for (int i = 1; i <= SymboolDesigner::kKnoppen; ++i) {
        const int breedte = i == SymboolDesigner::kKiesKnop ? kKnopHoogte : kKnopStap;
        KnopB[i]->setGeometry(kKnopLinks + kKnopStap * (i - 1), kKnopBoven, breedte, kKnopHoogte);
        KnopB[i]->raise();
    }
    TransferKnop->raise();
    IconOrgineel->raise();
}

void IconDesign::verbind() {
    for (int i = 1; i <= SymboolDesigner::kKnoppen; ++i)
        connect(KnopB[i], &QToolButton::clicked, this, [this, i] { KnopB_Click(i); });
    connect(IconPicture, &SheetView::pressed, this, [this](Qt::MouseButton knop, int x, int y) {
        model_.rasterDruk(knop, x, y);
        toon();
    });
    connect(IconPicture, &SheetView::released, this, [this] { model_.rasterLos(); });
    const auto sneltoets = [this](const char *toetsen, void (SymboolDesigner::*stap)()) {
        connect(new QShortcut(QKeySequence(QString::fromLatin1(toetsen)), this),
                &QShortcut::activated, this, [this, stap] {
                    (model_.*stap)();
                    toon();
                });
    };
    sneltoets("Ctrl+Z", &SymboolDesigner::Undo);
    sneltoets("Ctrl+Y", &SymboolDesigner::Redo);
    sneltoets("Ctrl+Shift+Z", &SymboolDesigner::Redo);
    connect(IconPicture, &SheetView::moved, this, [this](Qt::MouseButtons knoppen, int x, int y) {
        model_.rasterBeweeg(knoppen, x, y);
        CoordLabel->setText(model_.coordTekst());
    });
    connect(IconPalet, &SheetView::pressed, this, [this](Qt::MouseButton, int x, int y) {
        model_.paletDruk(x, y);
        toon();
    });
    connect(IconPalet, &SheetView::moved, this, [this](Qt::MouseButtons, int x, int y) {
        model_.paletBeweeg(x, y);
        IconPalet->setToolTip(model_.paletHint());
        // A tooltip already showing follows the colour under the pointer.
        if (QToolTip::isVisible())
            QToolTip::showText(IconPalet->mapToGlobal(QPoint(x, y)), model_.paletHint(), IconPalet);
    });
    connect(TransferKnop, &QPushButton::clicked, this, [this] { model_.draagOver(iconPic_); });
    model_.zetNaBewaren([this](const QString &pad) { emit bewaard(pad); });
}

void IconDesign::KnopB_Click(int index) {
    model_.opdracht(index);
    toon();
}

void IconDesign::toon() {
    // A file name may hold "[*]", which a window title takes for its "modified" mark;
    // doubled, it shows as typed.
    setWindowTitle(model_.titel().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    Vormgeving::kleur(TekenKleur, QColor::fromRgb(model_.tekenKleur()));
    CoordLabel->setText(model_.coordTekst());
    for (int i = 1; i <= SymboolDesigner::kKnoppen; ++i)
        KnopB[i]->setEnabled(model_.knopActief(i));
    IconPicture->setCursor(model_.kiezen() ? Qt::CrossCursor : Qt::ArrowCursor);
}
