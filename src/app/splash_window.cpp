#include "app/splash_window.h"

#include "platform/globals.h"
#include "ui/common/background.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {

const QColor Background(250, 250, 250);

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &at, const QString &text = QString())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

// The whole window's picture: the given one, or our gradient with the
// program's name when none was loaded.
QPixmap backgroundImage(const QSize &size, const QPixmap &picture)
{
    QPixmap out(size);
    QPainter p(&out);
    PaintWindowBackground(p, QRect(QPoint(0, 0), size), Background, picture);
    if (picture.isNull()) {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSize(26);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(40, 70, 130));
        p.drawText(QRect(0, 50, size.width(), 60), Qt::AlignCenter, QStringLiteral("Tesselmar"));
    }
    return out;
}

} // namespace

TfmSplash::TfmSplash(const QPixmap &background, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("fmSplash"));
    setWindowTitle(QStringLiteral("Janela de Actividade - Splash"));
    setFixedSize(480, 275);

    image_ = makeLabel(this, "imgbackground", rect());
    image_->setPixmap(backgroundImage(size(), background));

    version_ = makeLabel(this, "lblVersion", QRect(360, 150, 100, 16), QString::fromLatin1(ProgramVersion));
    version_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColour(version_, statusGrey());

    // The status labels are visible from the start, so the user sees what
    // start-up is doing and why it stopped.
    statusCaption_ = makeLabel(this, "lblLabelStatus", QRect(30, 184, 60, 16), QStringLiteral("Estado:"));
    QFont bold = statusCaption_->font();
    bold.setBold(true);
    statusCaption_->setFont(bold);
    setTextColour(statusCaption_, statusGrey());

    statusInformation_ = makeLabel(this, "lblStatusInformation", QRect(90, 184, 360, 34));
    statusInformation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(statusInformation_, statusGrey());

    table_ = makeLabel(this, "lblStatus", QRect(30, 224, 420, 16));
    setTextColour(table_, statusGrey());

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setGeometry(30, 244, 420, 17);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfmSplash::setStatus(const QString &text, const QColor &colour)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    statusInformation_->setText(shown);
    setTextColour(statusInformation_, colour);
}

QString TfmSplash::status() const { return statusInformation_->text(); }

void TfmSplash::setTableCaption(const QString &caption)
{
    table_->setText(QStringLiteral("Tabela: ") + caption);
}

void TfmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    QTimer::singleShot(0, this, [this] {
        if (onFirstShow_)
            onFirstShow_();
    });
}
