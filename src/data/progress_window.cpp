#include "data/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>

namespace {
const QColor BandFill(195, 218, 249);
const QColor BandBorder(117, 162, 210);
} // namespace

ProgressWindow::ProgressWindow(const QString &caption, int maximum, QWidget *centreOn)
    : QDialog(centreOn, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setFixedSize(420, 140);
    setModal(false);

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblProgress"));
    label_->setGeometry(16, 30, 370, 13);
    label_->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    label_->setFont(font);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pbProgress"));
    bar_->setGeometry(16, 60, 370, 17);
    bar_->setRange(0, qMax(0, maximum));
    bar_->setValue(0);
    bar_->setTextVisible(false);

    QRect area;
    if (centreOn)
        area = centreOn->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
}

void ProgressWindow::showNow()
{
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}

void ProgressWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(BandBorder);
    p.setBrush(BandFill);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
