#include "ui/vensters/Wijzer.h"

#include "ui/WijzerPlek.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace Wijzer {

QPoint in(const WijzerPlek &wijzer, const QWidget *widget) {
    const QWidget *venster = widget->window();
    if (wijzer.venster() && venster->windowHandle() == wijzer.venster())
        return widget->mapFrom(venster, wijzer.plek());
    return widget->mapFromGlobal(QCursor::pos());
}

QWidget *venster(const WijzerPlek &wijzer) {
    QWidget *gevonden = nullptr;
    if (const QWindow *onder = wijzer.venster())
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == onder && widget->isVisible()) gevonden = widget;
    return gevonden;
}

} // namespace Wijzer
