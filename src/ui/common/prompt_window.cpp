#include "ui/common/prompt_window.h"

#include "ui/common/pictures.h"

#include <QLabel>
#include <QPushButton>

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
    : BorderlessDialog(Background, BackgroundPicture(), parent)
{
    setWindowTitle(caption);

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
}
