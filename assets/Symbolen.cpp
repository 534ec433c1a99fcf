#include "Symbolen.h"

QVector<Symbool> Symbolen::alle() {
    QVector<Symbool> lijst;
    for (const auto &deel : {passief(), halfgeleiders(), ic(), schakelaars(), uitvoer(), overige()})
        lijst += deel;
    return lijst;
}
