#include "ui/common/record_window.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

RecordWindow::RecordWindow(const QString &objectName, const QString &caption, const QSize &clientSize,
                           const QList<ButtonSpec> &buttons, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(clientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(250, 250, 250));
    setPalette(pal);

    constexpr int panelWidth = 96;
    form_ = new QWidget(this);
    form_->setGeometry(0, 0, clientSize.width() - panelWidth, clientSize.height());

    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("pnlButtons"));
    panel_->setGeometry(clientSize.width() - panelWidth, 0, panelWidth, clientSize.height());
    panel_->setStyleSheet(QStringLiteral("#pnlButtons { background: rgb(224,232,245);"
                                         " border-left: 1px solid rgb(164,182,210); }"));
    auto *layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(8, 12, 8, 12);
    layout->setSpacing(6);
    for (const ButtonSpec &def : buttons) {
        auto *b = new QToolButton(panel_);
        b->setObjectName(QString::fromLatin1(def.name));
        b->setText(QString::fromUtf8(def.caption));
        b->setToolTip(QString::fromUtf8(def.hint));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(24, 24));
        b->setFixedSize(80, 52);
        b->setEnabled(def.enabled);
        b->setAutoRaise(true);
        const QString name = b->objectName();
        connect(b, &QToolButton::clicked, this, [this, name]() {
            // Whatever the action did, the focus goes back to the form.
            struct Refocus {
                RecordWindow *w;
                ~Refocus() { w->focusAfterButton(); }
            } refocus{this};
            buttonClicked(name);
        });
        layout->addWidget(b, 0, Qt::AlignHCenter);
    }
    layout->addStretch();
}

QToolButton *RecordWindow::button(const QString &name) const { return panel_->findChild<QToolButton *>(name); }

QLabel *RecordWindow::addHeading(const QString &text, int top)
{
    auto *band = new QLabel(text, form_);
    band->setObjectName(QStringLiteral("lblHeading"));
    band->setGeometry(12, top, form_->width() - 24, 24);
    band->setStyleSheet(QStringLiteral("QLabel { background: rgb(195,218,249); border: 1px solid rgb(117,162,210);"
                                       " color: navy; font-weight: bold; padding-left: 6px; }"));
    return band;
}

QLabel *RecordWindow::addRequiredMark(QWidget *edit)
{
    auto *mark = new QLabel(QStringLiteral("*"), edit->parentWidget());
    mark->setToolTip(QStringLiteral("(*) Campos de preenchimento Obrigatório."));
    mark->setStyleSheet(QStringLiteral("color: rgb(205,0,0); font-weight: bold;"));
    mark->adjustSize();
    mark->move(edit->geometry().right() + 1 + 5, edit->geometry().top());
    return mark;
}
