#include "app/vensters/Main.h"
#include "editor/Sneltoetsen.h"
#include "editor/vensters/WerkBalkPaneel.h"
#include "ui/vensters/SheetView.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>

// The keys of the tools: the tool buttons' keys and their tooltips, and the keys of
// the sheet in front, which the table of keys turns into commands.

namespace {

// Widgets that take typed text: their keys are theirs alone.
bool neemtTekst(const QWidget *widget) {
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget))
        return true;
    if (const auto *tekst = qobject_cast<const QPlainTextEdit *>(widget))
        return !tekst->isReadOnly();
    if (const auto *tekst = qobject_cast<const QTextEdit *>(widget)) return !tekst->isReadOnly();
    const auto *box = qobject_cast<const QComboBox *>(widget);
    return box && box->isEditable();
}

} // namespace

void Main::verbindToetsen() {
    // A click on a sheet takes the keyboard from the search field, so that the keys
    // of the tools reach it.
    PicView->setFocusPolicy(Qt::ClickFocus);
    Pic2View->setFocusPolicy(Qt::ClickFocus);

    for (int i = 0; i < int(Knop.size()); ++i) {
        const QString toets = Sneltoetsen::knopToets(i);
        if (toets.isEmpty()) continue;
        // The project commands are named after their menu items.
        const QString hint = i <= 3 ? menu_.ProjectItem[i]->text() : Knop[i]->toolTip();
        Knop[i]->setToolTip(Sneltoetsen::metToets(hint, toets));
        if (i > 3) { // the project commands have their menu items
            auto *sneltoets = new QShortcut(QKeySequence(toets), this);
            connect(sneltoets, &QShortcut::activated, Knop[i], &QToolButton::click);
        }
    }
    zetToetsHints();
    qApp->installEventFilter(this);
}

void Main::zetToetsHints() {
    HorKnop->setToolTip(Sneltoetsen::metToets(HorKnop->toolTip(), QStringLiteral("H")));
    VerKnop->setToolTip(Sneltoetsen::metToets(VerKnop->toolTip(), QStringLiteral("V")));
    RotatieKnop->setToolTip(Sneltoetsen::metToets(RotatieKnop->toolTip(), QStringLiteral("R")));
    werkBalk_->zetToetsHints();
}

bool Main::sneltoets(QKeyEvent *toets) {
    using Sneltoetsen::Blad;
    using Soort = Sneltoetsen::Opdracht::Soort;
    // The information view lies in front of both sheets.
    const Blad blad = WebBrowser->isVisible() ? Blad::Geen
                      : PicView->isVisible()  ? Blad::Ontwerp
                      : Pic2View->isVisible() ? Blad::Breadboard
                                              : Blad::Geen;
    const Sneltoetsen::Opdracht opdracht = Sneltoetsen::opdracht(
        blad, toets->key(), toets->modifiers(), toets->text(), werkBalk_->gereedschappen(),
        werkBalk_->gereedschap(), werkBalk_->kleur(), werkBalk_->kleuren());
    switch (opdracht.soort) {
    case Soort::Geen:
        return false;
    case Soort::LaatVallen:
        laatSelectiesVallen();
        break;
    case Soort::StopGereedschap:
        // As a release of the right button: the tool ends, its previews go.
        laatSelectiesVallen();
        werkBalk_->stopGereedschap();
        break;
    case Soort::Draaien:
        RotatieKnop->click();
        break;
    case Soort::Spiegelen:
        HorKnop->click();
        break;
    case Soort::OndersteBoven:
        VerKnop->click();
        break;
    case Soort::KiesGereedschap:
        werkBalk_->kiesGereedschap(opdracht.index);
        break;
    case Soort::KiesKleur:
        werkBalk_->kiesKleur(opdracht.index);
        break;
    }
    return true;
}

bool Main::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    auto *toets = static_cast<QKeyEvent *>(event);
    // Each key once, where it first arrives, and only in this window while no
    // other window is open over it.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget != (QApplication::focusWidget() ? QApplication::focusWidget() : this) ||
        widget->window() != this || QApplication::activeModalWidget() || neemtTekst(widget))
        return QMainWindow::eventFilter(watched, event);
    return sneltoets(toets) || QMainWindow::eventFilter(watched, event);
}
