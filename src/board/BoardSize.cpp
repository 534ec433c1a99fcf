#include "board/BoardSize.h"

#include "board/BoardDrawing.h"
#include "ui/Platform.h"

QString bbGrootHint(bool BBgroot) {
    return BBgroot ? QStringLiteral(" Verkleinen ") : QStringLiteral(" Vergroten ");
}

bool wisselBordGrootte(Platform &platform, bool &BBgroot, Surface &Pic2, Surface &GumPic) {
    if (!platform.ask(QStringLiteral("Wilt u grootte Breadboard wijzigen?\r\n"
                                     "(gemaakte opstelling gaat verloren)"),
                      QStringLiteral(" Size")))
        return false;
    BBgroot = !BBgroot;
    TekenBord(BBgroot, Pic2, GumPic);
    return true;
}
