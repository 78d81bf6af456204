#include "ui/main/wheel_to_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QWheelEvent>

bool WheelToKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto *grid = qobject_cast<QTableView *>(QApplication::focusWidget());
    if (!grid)
        return QObject::eventFilter(watched, event);
    const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
    if (delta == 0)
        return false;
    // A turn towards the user goes down; one notch is 120.
    const int notches = std::max(1, std::abs(delta) / 120);
    const int key = delta < 0 ? Qt::Key_Down : Qt::Key_Up;
    for (int i = 0; i < notches; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
    }
    return true;
}
