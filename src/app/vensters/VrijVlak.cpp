#include "app/vensters/VrijVlak.h"

#include "app/MainLayout.h"
#include "app/Schaal.h"
#include "ui/Twips.h"
#include "ui/vensters/Vormgeving.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace VrijVlak {

namespace {

// A compositor answers within a few frames; one that has not answered by then (an X
// server without a window manager) never will.
constexpr int kGeduldMs = 3000;
constexpr int kStapMs = 10;

} // namespace

bool moetMeten() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

std::optional<QRect> meet() {
    if (!moetMeten()) return std::nullopt;
    QWidget proef;
    proef.setWindowTitle(QStringLiteral("Voltarix"));
    const QSize klein = QGuiApplication::primaryScreen()->availableSize() / 4;
    proef.resize(klein);
    proef.showMaximized();
    // Maximised, the window has grown; two equal sizes in a row end the wait.
    const QDeadlineTimer geduld(kGeduldMs);
    QSize vorige;
    QEventLoop lus;
    while (!geduld.hasExpired()) {
        QTimer::singleShot(kStapMs, &lus, &QEventLoop::quit);
        lus.exec();
        const QSize nu = proef.size();
        if (nu.width() > klein.width() && nu.height() > klein.height() && nu == vorige)
            return QRect(proef.geometry().topLeft(),
                         Schaal::binnenMaat(nu, proef.devicePixelRatio()));
        vorige = nu;
    }
    return std::nullopt;
}

QRect voorBinnen(QRect binnen) {
    // The layout's window is the free area less its margin; its inside is that less
    // the frame it assumes.
    const QRect venster = MainLayout::venster(QSize());
    const QSize marge(-twipsToPixels(venster.width()), -twipsToPixels(venster.height()));
    return {binnen.topLeft() - QPoint(twipsToPixels(venster.x()), twipsToPixels(venster.y())),
            binnen.size() + Vormgeving::kRandPixels + marge};
}

} // namespace VrijVlak
