#include "ui/WijzerPlek.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>

WijzerPlek::WijzerPlek(QObject *parent) : QObject(parent) {
    QGuiApplication::instance()->installEventFilter(this);
}

bool WijzerPlek::eventFilter(QObject *object, QEvent *event) {
    if (!object->isWindowType()) return false;
    auto *window = static_cast<QWindow *>(object);
    if (!window->isTopLevel()) return false;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        venster_ = window;
        plek_ = static_cast<QSinglePointEvent *>(event)->scenePosition().toPoint();
        break;
    case QEvent::Leave:
        if (venster_ == window) venster_ = nullptr;
        break;
    default:
        break;
    }
    return false;
}
