#include "editor/vensters/LoepPaneel.h"

#include "editor/Loep.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"
#include "ui/vensters/Wijzer.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

QFrame *rodeLijn(QWidget *parent, const QString &naam, QRect plaats) {
    auto *lijn = new QFrame(parent);
    lijn->setObjectName(naam);
    lijn->setGeometry(plaats);
    Vormgeving::kleur(lijn, Qt::red);
    return lijn;
}

} // namespace

LoepPaneel::LoepPaneel(QWidget *ouder, const WijzerPlek &wijzer) : QFrame(ouder), wijzer_(wijzer) {
    setObjectName(QStringLiteral("Loep"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    klok_ = new QTimer(this);
    klok_->setInterval(25);
    connect(klok_, &QTimer::timeout, this, &LoepPaneel::kijk);
    klok_->start();
}

void LoepPaneel::richIn(int omhoog) {
    beeld_.resize(width() - 4, height() - 4);
    view_ = new SheetView(beeld_, this);
    view_->setGeometry(2, 2, beeld_.width(), beeld_.height());
    lijnH_ = rodeLijn(view_, QStringLiteral("LineH"), QRect(45, 112 - omhoog, 60, 1));
    lijnV_ = rodeLijn(view_, QStringLiteral("LineV"), QRect(73, 83 - omhoog, 1, 60));
    zetAan(false);
}

void LoepPaneel::zetAan(bool aan) {
    for (QFrame *deel : {static_cast<QFrame *>(this), lijnH_, lijnV_})
        deel->setVisible(aan);
}

void LoepPaneel::kijk() {
    // What no one sees need not be fetched from the screen.
    if (!isVisible()) return;
    const QPoint pointer = QCursor::pos();
    QImage beeld;
    QScreen *screen = QGuiApplication::screenAt(pointer);
    if (screen && !schermGeeftZwart_ &&
        Loep::schermLeesbaar(QGuiApplication::platformName(),
                             qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))) {
        const QRect scherm = Loep::bron(pointer, beeld_.size(), vergroting_)
                                 .translated(-screen->geometry().topLeft());
        beeld = screen->grabWindow(0, scherm.x(), scherm.y(), scherm.width(), scherm.height())
                    .toImage();
        // Black over one of our own windows: this screen hands out no pixels after all.
        if (Loep::heelZwart(beeld) && QApplication::topLevelAt(pointer)) {
            schermGeeftZwart_ = true;
            beeld = QImage();
        }
    }
    if (beeld.isNull()) beeld = eigenBeeld();
    beeld_.clear();
    beeld_.stretchFrom(beeld, beeld.rect(), beeld_.rect());
}

// Where the screen cannot be read, the program shows what it shows itself: its window
// under the pointer (or this one) painted afresh, the rest in the windows' grey.
QImage LoepPaneel::eigenBeeld() const {
    QWidget *venster = Wijzer::venster(wijzer_);
    if (!venster) venster = QApplication::topLevelAt(QCursor::pos());
    if (!venster) venster = window();
    const QRect bron = Loep::bron(Wijzer::in(wijzer_, venster), beeld_.size(), vergroting_);
    QImage beeld(bron.size(), QImage::Format_RGB32);
    beeld.fill(venster->palette().color(QPalette::Window));
    QPainter schilder(&beeld);
    venster->render(&schilder, QPoint(), QRegion(bron));
    return beeld;
}
