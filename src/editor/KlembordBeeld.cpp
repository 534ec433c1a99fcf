#include "editor/KlembordBeeld.h"

#include <QBuffer>
#include <QImageReader>
#include <QMimeData>

const QString KlembordBeeld::kGeenBeeld =
    QStringLiteral("Op het klembord staat geen afbeelding om te plakken.");
const QString KlembordBeeld::kTeGroot =
    QStringLiteral("De afbeelding op het klembord is te groot om te plakken (meer dan 64 MB).");

namespace {
bool teGroot(QSize maat) {
    return qint64(maat.width()) * maat.height() * 4 > KlembordBeeld::kGrens;
}
} // namespace

KlembordBeeld KlembordBeeld::lees(const QMimeData *data) {
    if (!data) return {{}, kGeenBeeld};
    bool bestand = false;
    for (const QString &soort : data->formats()) {
        if (!soort.startsWith(QLatin1String("image/"))) continue;
        bestand = true;
        QByteArray bytes = data->data(soort);
        QBuffer buffer(&bytes);
        QImageReader lezer(&buffer);
        const QSize maat = lezer.size();
        if (!maat.isValid()) continue;
        if (teGroot(maat)) return {{}, kTeGroot};
        const QImage beeld = lezer.read();
        if (!beeld.isNull()) return {beeld, {}};
    }
    // A picture this program put there itself is handed over as it is; one from
    // elsewhere that could not be measured above is not decoded blind.
    if (bestand || !data->hasImage()) return {{}, kGeenBeeld};
    const QImage beeld = qvariant_cast<QImage>(data->imageData());
    if (beeld.isNull()) return {{}, kGeenBeeld};
    if (teGroot(beeld.size())) return {{}, kTeGroot};
    return {beeld, {}};
}
