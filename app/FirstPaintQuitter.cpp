#include "FirstPaintQuitter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace orvo::workbench {

FirstPaintQuitter::FirstPaintQuitter(QObject* watched) : QObject(watched) {
    watched->installEventFilter(this);
}

bool FirstPaintQuitter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After this paint has finished, not in the middle of it.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return false;
}

} // namespace orvo::workbench
