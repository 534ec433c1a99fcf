#include "app/VrijVlak.h"

#include "ui/Vormgeving.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

namespace {

// A compositor answers within a few frames; one that has not answered by then (an X
// server without a window manager) never will.
constexpr int kGeduldMs = 3000;
constexpr int kStapMs = 10;

QMargins aangenomenRand() {
    const QSize rand = Vormgeving::kRandPixels;
    return {rand.width() / 2, rand.height() - rand.width() / 2, rand.width() / 2, rand.width() / 2};
}

} // namespace

bool VrijVlak::moetMeten() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

VrijVlak VrijVlak::meet(QRect beschikbaar) {
    VrijVlak vlak{beschikbaar, aangenomenRand(), false};
    if (!moetMeten()) return vlak;
    QWidget proef;
    proef.setWindowTitle(QStringLiteral("Voltarix"));
    const QSize klein = beschikbaar.size() / 4;
    proef.resize(klein);
    proef.showMaximized();
    // Maximised, the window has grown; its frame is known once the desktop has put it
    // round the window. Two equal sizes in a row end the wait.
    QDeadlineTimer geduld(kGeduldMs);
    QSize vorige;
    QEventLoop lus;
    while (!geduld.hasExpired()) {
        QTimer::singleShot(kStapMs, &lus, &QEventLoop::quit);
        lus.exec();
        const QSize nu = proef.frameGeometry().size();
        const bool gegroeid = proef.width() > klein.width() && proef.height() > klein.height();
        if (gegroeid && proef.frameGeometry() != proef.geometry() && nu == vorige) {
            const QRect buiten = proef.frameGeometry(), binnen = proef.geometry();
            vlak = {buiten,
                    QMargins(binnen.left() - buiten.left(), binnen.top() - buiten.top(),
                             buiten.right() - binnen.right(), buiten.bottom() - binnen.bottom()),
                    true};
            break;
        }
        vorige = nu;
    }
    proef.hide();
    return vlak;
}
