#pragma once
// The background of the borderless windows: a picture scaled over the whole
// window, or, when no picture was loaded, a soft gradient of our own.
#include <QColor>
#include <QPixmap>

class QPainter;
class QRect;

void PaintWindowBackground(QPainter &painter, const QRect &area, const QColor &base, const QPixmap &picture);
