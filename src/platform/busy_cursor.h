#pragma once
// Shows the hourglass for the life of the object where there is a GUI, and
// lets pending events run so the change shows at once.
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

class BusyCursor {
public:
    BusyCursor()
    {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            QCoreApplication::processEvents();
            active_ = true;
        }
    }
    ~BusyCursor()
    {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool active_ = false;
};
