#pragma once

#include <QImage>

// A sheet copied a band of rows at a time, so that no turn of the event loop spends more
// than a moment on it and the user draws on between two bands. A sheet drawn on
// meanwhile is copied again from the top (Qt changes a picture's cache key with every
// write), so that the copy is always the sheet as it was at one moment.
class StapKopie {
public:
    // Copies the next `bytes` or so of `bron`; returns whether the copy now equals
    // `bron` as it is, which it also checks when the copy was already whole.
    bool stap(const QImage &bron, qsizetype bytes);
    // The whole copy, given away: the next copy has pixels of its own, and the holder
    // of this one never shares them with a sheet that is drawn on.
    QImage neem();

private:
    QImage kopie_;
    qint64 sleutel_ = 0; // the cache key of the sheet the copy was begun from
    int rij_ = 0;        // the rows copied so far
};
