#include "ui/common/message_valor.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

TfmMessageValor::TfmMessageValor(QWidget *parent)
    : PromptWindow(QStringLiteral("Introduza um valor..."),
                   QStringLiteral("Tesselmar - Janela de Introdução de Valores"),
                   QStringLiteral("Introduza um valor na caixa abaixo."), parent)
{
    setObjectName(QStringLiteral("fmMessageValor"));
    edtValue_ = new QLineEdit(this);
    edtValue_->setObjectName(QStringLiteral("edtValue"));
    edtValue_->setMaxLength(80);
    edtValue_->setGeometry(ContentLeft, 130, ContentWidth, 26);
    QFont font = edtValue_->font();
    font.setPointSize(font.pointSize() + 1);
    edtValue_->setFont(font);
    // Enter in the edit reaches the default button "OK".
    connect(okButton(), &QPushButton::clicked, this, &QDialog::accept);
    edtValue_->setFocus();
}

QString TfmMessageValor::value() const { return edtValue_->text(); }

void TfmMessageValor::setValue(const QString &text) { edtValue_->setText(text); }

bool TfmMessageValor::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        edtValue_->setFocus();
        edtValue_->selectAll();
    }
    return PromptWindow::event(event);
}
