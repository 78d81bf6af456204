#include "ui/common/prompt_window.h"

#include "ui/common/background.h"
#include "ui/common/pictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

const QColor Background(224, 232, 245);
const QColor TextColour(24, 44, 112);

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &at, int pointSize, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, TextColour);
    label->setPalette(pal);
    label->setGeometry(at);
    return label;
}

} // namespace

PromptWindow::PromptWindow(const QString &caption, const QString &title, const QString &line, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(caption);
    setFixedSize(480, 275);

    lblTitle_ = addLabel(this, "lblTitle", title, QRect(14, 6, 452, 22), 10, true);
    lblLine_ = addLabel(this, "lblLine", line, QRect(ContentLeft, 56, ContentWidth, 22), 0, false);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setGeometry(270, 236, 92, 28);
    btnOK_->setDefault(true);

    btnCancel_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setGeometry(370, 236, 92, 28);
    btnCancel_->setAutoDefault(false);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    QRect area;
    if (parent)
        area = parent->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
}

void PromptWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintWindowBackground(p, rect(), Background, BackgroundPicture());
}

void PromptWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void PromptWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void PromptWindow::mouseReleaseEvent(QMouseEvent *event)
{
    dragging_ = false;
    QDialog::mouseReleaseEvent(event);
}
