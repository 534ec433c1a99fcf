#include "HelpTekenen.h"

#include "Onderdelen.h"
#include "Symbolen.h"
#include "SymboolPen.h"

#include <QFont>
#include <QPainter>

namespace HelpTekenen {

QImage doek(int breedte, int hoogte) {
    QImage beeld(breedte, hoogte, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    return beeld;
}

QImage vergroot(const QImage &beeld, int factor) {
    return beeld.scaled(beeld.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void schrijf(QPainter &p, QPoint plek, const QString &tekst, int punten, bool vet, QColor kleur) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(punten * 4 / 3);
    font.setBold(vet);
    p.setFont(font);
    p.setPen(kleur);
    p.drawText(plek, tekst);
}

void wijs(QPainter &p, QPoint van, QPoint tekst, const QString &uitleg) {
    p.setPen(QPen(QColor(90, 90, 110), 1));
    p.drawLine(van, tekst + QPoint(0, -4));
    p.setBrush(QColor(90, 90, 110));
    p.drawEllipse(QPointF(van), 2.5, 2.5);
    schrijf(p, tekst + QPoint(6, 0), uitleg);
}

QImage symbool(const QString &naam) {
    SymboolPen pen;
    for (const Symbool &s : Symbolen::alle())
        if (s.naam == naam) s.teken(pen);
    return pen.beeld().image();
}

Onderdeel onderdeel(const QString &naam) {
    for (const Onderdeel &deel : Onderdelen::alle())
        if (deel.naam == naam) return deel;
    return {};
}

} // namespace HelpTekenen
