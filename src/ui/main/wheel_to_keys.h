#pragma once
// Over a focused data grid a turn of the mouse wheel moves the selection one
// row per notch, as the Up and Down keys do, instead of scrolling the view.
#include <QObject>

class WheelToKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
