#pragma once

#include <QImage>
#include <QString>

class QMimeData;

// A picture from the clipboard to paste, or why there is none. A picture from another
// program is measured by its header before it is decoded: one that would take more
// than 64 MB decoded is refused unread.
struct KlembordBeeld {
    static constexpr qint64 kGrens = qint64(64) << 20;
    static const QString kGeenBeeld;
    static const QString kTeGroot;

    QImage beeld;
    QString fout; // empty when there is a picture

    static KlembordBeeld lees(const QMimeData *data);
};
