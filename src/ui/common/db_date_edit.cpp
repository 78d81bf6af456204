#include "ui/common/db_date_edit.h"

#include "ui/common/field_link.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFrame>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

// A small drawn calendar sheet, until a window gives the button its picture.
QIcon defaultCalendarIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(200, 40, 40));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3)
            p.drawPoint(x, y);
    return QIcon(pm);
}

} // namespace

DBDateEdit::DBDateEdit(QWidget *parent) : DBEdit(parent)
{
    calendarAction_ = addAction(defaultCalendarIcon(), QLineEdit::TrailingPosition);
    calendarAction_->setObjectName(QStringLiteral("calendarAction"));
    connect(calendarAction_, &QAction::triggered, this, &DBDateEdit::showCalendar);
    refresh();
}

DBDateEdit::DBDateEdit(ds::DataSet *dataSet, const QString &field, QWidget *parent) : DBDateEdit(parent)
{
    bind(dataSet, field);
}

void DBDateEdit::setButtonIcon(const QIcon &icon) { calendarAction_->setIcon(icon); }

QString DBDateEdit::delphiMask() const { return QString::fromLatin1(DateMask); }

void DBDateEdit::refresh()
{
    DBEdit::refresh();
    if (calendarAction_)
        calendarAction_->setEnabled(link()->canModify());
}

void DBDateEdit::showCalendar()
{
    if (!link()->canModify())
        return;
    if (!popup_) {
        popup_ = new QFrame(this, Qt::Popup);
        popup_->setObjectName(QStringLiteral("calendarPopup"));
        popup_->setFrameShape(QFrame::Box);
        auto *layout = new QVBoxLayout(popup_);
        layout->setContentsMargins(1, 1, 1, 1);
        calendar_ = new QCalendarWidget(popup_);
        calendar_->setObjectName(QStringLiteral("calendar"));
        calendar_->setGridVisible(true);
        layout->addWidget(calendar_);
        connect(calendar_, &QCalendarWidget::clicked, this, &DBDateEdit::picked);
        connect(calendar_, &QCalendarWidget::activated, this, &DBDateEdit::picked);
    }
    const QDate current = link()->value().toDate();
    calendar_->setSelectedDate(current.isValid() ? current : QDate::currentDate());
    popup_->adjustSize();
    popup_->move(mapToGlobal(QPoint(0, height())));
    popup_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

QCalendarWidget *DBDateEdit::calendar() const { return popup_ && popup_->isVisible() ? calendar_ : nullptr; }

void DBDateEdit::picked(const QDate &date)
{
    popup_->hide();
    link()->write(QVariant(date));
    refresh();
}
