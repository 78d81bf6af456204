#include "ui/common/background.h"

#include <QLinearGradient>
#include <QPainter>

void PaintWindowBackground(QPainter &painter, const QRect &area, const QColor &base, const QPixmap &picture)
{
    painter.fillRect(area, base);
    if (!picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(area, picture);
        return;
    }
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, base.lighter(104));
    gradient.setColorAt(0.55, base);
    gradient.setColorAt(1.0, base.darker(112));
    painter.fillRect(area, gradient);
    painter.setPen(base.darker(140));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}
