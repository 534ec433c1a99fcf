#include "project/OpenForm.h"

#include "project/ProjectMap.h"
#include "ui/Platform.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

void kleur(QWidget *widget, QPalette::ColorRole rol, QColor kleur) {
    QPalette palette = widget->palette();
    palette.setColor(rol, kleur);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

OpenForm::OpenForm(const ProjectMap &map, Platform &platform,
                   std::function<void(const QString &)> open, QWidget *parent)
    : QDialog(parent), platform_(platform), open_(std::move(open)), List1(new QListWidget(this)),
      Label1(new QLabel(this)), OpenKnop(new QPushButton(this)), CancelKnop(new QPushButton(this)) {
    setObjectName(QStringLiteral("OpenForm"));
    setWindowTitle(QStringLiteral(" Open project"));
    setFixedSize(twipsToPixels(6000), twipsToPixels(3930) - 30); // the table's outer size
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipsToPixels(120, 120, 5490, 2595));
    kleur(List1, QPalette::Base, QColor(200, 200, 180));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsToPixels(120, 2790, 3300, 285));
    OpenKnop->setObjectName(QStringLiteral("OpenKnop"));
    OpenKnop->setText(QStringLiteral("Open"));
    OpenKnop->setGeometry(twipsToPixels(3690, 2790, 900, 300));
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setText(QStringLiteral("Cancel"));
    CancelKnop->setGeometry(twipsToPixels(4710, 2790, 900, 300));
    for (QPushButton *knop : {OpenKnop, CancelKnop})
        kleur(knop, QPalette::Button, QColor(220, 220, 200));

    List1->addItems(map.namen());
    Label1->setText(QString::number(List1->count()) + QStringLiteral(" Projecten in de lijst..."));
    connect(OpenKnop, &QPushButton::clicked, this, &OpenForm::OpenKnop_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &OpenForm::OpenKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
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
