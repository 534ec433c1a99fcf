#include "editor/vensters/Afdrukvoorbeeld.h"

#include "ui/Platform.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

Afdrukvoorbeeld::Afdrukvoorbeeld(QPrinter *printer, const AppFolder &map, Druk druk,
                                 bool breadboard, QWidget *parent)
    : QPrintPreviewDialog(printer, parent), map_(map), druk_(std::move(druk)),
      instelling_(Afdrukinstelling::lees(map)) {
    setObjectName(QStringLiteral("Afdrukvoorbeeld"));
    setWindowTitle(QStringLiteral(" Afdrukvoorbeeld"));
    // Room for a page and the whole tool bar with the two drop-downs.
    if (parent) resize(parent->window()->size() * 0.9);
    const auto keuze = [this](const QString &naam, const QStringList &namen, int gekozen) {
        auto *box = new QComboBox(this);
        box->setObjectName(naam);
        box->addItems(namen);
        box->setCurrentIndex(gekozen);
        connect(box, &QComboBox::currentIndexChanged, this, &Afdrukvoorbeeld::kies);
        return box;
    };
    Schikking = keuze(QStringLiteral("Schikking"), Afdrukinstelling::schikkingNamen(),
                      int(instelling_.schikking));
    Richting = keuze(QStringLiteral("Richting"), Afdrukinstelling::richtingNamen(),
                     int(instelling_.staand));
    // The orientation is the breadboard page's; the design print is always portrait.
    Richting->setEnabled(breadboard);
    // A bar of their own under the dialog's, which is full on a small screen.
    if (auto *vakken = qobject_cast<QBoxLayout *>(layout())) {
        auto *balk = new QToolBar(this);
        balk->addWidget(Schikking);
        balk->addWidget(Richting);
        vakken->insertWidget(0, balk);
    }
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *papier) { druk_(*papier, instelling_); });
}

Afdrukvoorbeeld::~Afdrukvoorbeeld() = default;

void Afdrukvoorbeeld::kies() {
    instelling_.schikking = ::Schikking(Schikking->currentIndex());
    instelling_.staand = Richting->currentIndex() == 1;
    instelling_.schrijf(map_);
    if (auto *voorbeeld = findChild<QPrintPreviewWidget *>()) voorbeeld->updatePreview();
}

void Afdrukvoorbeeld::toon(Platform &platform, const AppFolder &map, Druk druk, bool breadboard,
                           QWidget *parent) {
    std::unique_ptr<QPrinter> eigen;
    auto *printer = dynamic_cast<QPrinter *>(platform.printer());
    if (!printer) {
        eigen = std::make_unique<QPrinter>(QPrinter::HighResolution);
        eigen->setOutputFormat(QPrinter::PdfFormat);
        eigen->setResolution(1440); // a device unit is a twip, as on the printer
        printer = eigen.get();
    }
    Afdrukvoorbeeld voorbeeld(printer, map, std::move(druk), breadboard, parent);
    voorbeeld.exec();
}
