#include "project/vensters/OpenForm.h"

#include "project/ProjectImport.h"
#include "project/ProjectMap.h"
#include "ui/Platform.h"
#include "ui/Twips.h"
#include "ui/vensters/PassendeTekst.h"
#include "ui/vensters/Vormgeving.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

OpenForm::OpenForm(const ProjectMap &map, Platform &platform,
                   std::function<void(const QString &)> open, QWidget *parent)
    : QDialog(parent), map_(map), platform_(platform), open_(std::move(open)),
      List1(new QListWidget(this)), Label1(new QLabel(this)), OpenKnop(new QPushButton(this)),
      CancelKnop(new QPushButton(this)), ImportKnop(new QPushButton(this)) {
    setObjectName(QStringLiteral("OpenForm"));
    setWindowTitle(QStringLiteral(" Open project"));
    setFont(Vormgeving::lettertype());
    setFixedSize(twipsToPixels(6000), twipsToPixels(3930) - 30); // the table's outer size
    List1->setObjectName(QStringLiteral("List1"));
    Vormgeving::kleur(List1, QColor(200, 200, 180));
    Label1->setObjectName(QStringLiteral("Label1"));
    OpenKnop->setObjectName(QStringLiteral("OpenKnop"));
    OpenKnop->setText(QStringLiteral("Open"));
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setText(QStringLiteral("Cancel"));
    ImportKnop->setObjectName(QStringLiteral("ImportKnop"));
    ImportKnop->setText(QStringLiteral("Importeren..."));
    for (QPushButton *knop : {OpenKnop, CancelKnop, ImportKnop})
        Vormgeving::kleur(knop, Vormgeving::kKnopKleur);
    // The count makes room for "Importeren..." on the row of the buttons.
    Vormgeving::plaats(this, {{"List1", 120, 120, 5490, 2595},
                              {"Label1", 120, 2790, 1950, 285},
                              {"ImportKnop", 2130, 2790, 1470, 300},
                              {"OpenKnop", 3690, 2790, 900, 300},
                              {"CancelKnop", 4710, 2790, 900, 300}});

    List1->addItems(map.namen());
    // The list takes the keys with no row marked: the first arrow key selects the first
    // project, and Enter opens the selected one through "Open".
    List1->setCurrentIndex(QModelIndex());
    List1->setFocus();
    OpenKnop->setDefault(true);
    // Beside "Importeren...", its count of any length.
    PassendeTekst::zet(Label1, QString::number(List1->count()) +
                                   QStringLiteral(" Projecten in de lijst..."));
    connect(OpenKnop, &QPushButton::clicked, this, &OpenForm::OpenKnop_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &OpenForm::OpenKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
    connect(ImportKnop, &QPushButton::clicked, this, &OpenForm::ImportKnop_Click);
}

void OpenForm::ImportKnop_Click() {
    const QString pad =
        platform_.openFileName(QStringLiteral(" Importeren"), QDir::homePath(),
                               QStringLiteral("Gedeeld Voltarix-project (zip)|*.zip"));
    if (pad.isEmpty()) return;
    const QString naam = ProjectImport::importeer(platform_, map_, pad);
    if (naam.isEmpty()) return;
    open_(naam);
    accept();
}

void OpenForm::OpenKnop_Click() {
    const QListWidgetItem *gekozen = List1->currentItem();
    const QString ProjectNaam = gekozen && gekozen->isSelected() ? gekozen->text() : QString();
    if (ProjectNaam.isEmpty()) {
        platform_.message(QStringLiteral("Eerst een project selecteren!"));
        return;
    }
    open_(ProjectNaam);
    accept();
}
