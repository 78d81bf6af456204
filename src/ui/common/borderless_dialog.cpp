#include "ui/common/borderless_dialog.h"

#include "ui/common/background.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

void CentreWindow(QWidget *window, const QWidget *on)
{
    QRect area;
    if (on)
        area = on->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        window->move(area.center() - window->rect().center());
}

BorderlessDialog::BorderlessDialog(const QColor &base, const QPixmap &picture, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), base_(base), picture_(picture)
{
    setFixedSize(480, 275);
    CentreWindow(this, parent);
}

void BorderlessDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintWindowBackground(p, rect(), base_, picture_);
}

void BorderlessDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void BorderlessDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void BorderlessDialog::mouseReleaseEvent(QMouseEvent *event)
{
    dragging_ = false;
    QDialog::mouseReleaseEvent(event);
}
