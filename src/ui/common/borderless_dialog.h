#pragma once
// The frame of the borderless 480 × 275 windows (login, prompts, error
// report): a base colour with a picture over it, dragged by its background
// since it has no title bar, centred on the parent's window or the screen.
#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <QPoint>

// Centres a window on `on`'s window, or on the screen without one.
void CentreWindow(QWidget *window, const QWidget *on);

class BorderlessDialog : public QDialog {
    Q_OBJECT
protected:
    // picture: drawn over the base colour; a gradient of our own when null.
    BorderlessDialog(const QColor &base, const QPixmap &picture, QWidget *parent);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor base_;
    QPixmap picture_;
    bool dragging_ = false;
    QPoint dragOffset_;
};
