#include "mail/error_report_window.h"

#include "data/data_module.h"
#include "platform/prompt/prompt.h"
#include "ui/common/pictures.h"
#include "ui/common/search_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

TfmMessageErrorReport::TfmMessageErrorReport(QWidget *parent)
    : BorderlessDialog(QColor(224, 232, 245), BackgroundPicture(), parent)
{
    setObjectName(QStringLiteral("fmMessageErrorReport"));
    setWindowTitle(QStringLiteral("Formulário Relatório de Erros"));

    auto *title = new QLabel(QStringLiteral("Tesselmar - Relatório de Erros"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setGeometry(16, 10, 448, 22);
    title->setStyleSheet(QStringLiteral("color: navy; font-weight: bold; font-size: 11pt;"));

    auto *gmailCaption = new QLabel(QStringLiteral("Gmail:"), this);
    gmailCaption->setGeometry(16, 40, 50, 20);
    gmail_ = new QLabel(this);
    gmail_->setObjectName(QStringLiteral("lblGmail"));
    gmail_->setGeometry(66, 40, 350, 20);
    auto *search = new QToolButton(this);
    search->setObjectName(QStringLiteral("btnSearchSmall"));
    search->setToolTip(QStringLiteral("Procurar Registo"));
    search->setGeometry(424, 38, 24, 24);
    connect(search, &QToolButton::clicked, this, &TfmMessageErrorReport::chooseAccount);

    auto *caption = new QLabel(QStringLiteral("Descrição do Problema"), this);
    caption->setGeometry(16, 66, 300, 18);
    mmMensagem_ = new QPlainTextEdit(this);
    mmMensagem_->setObjectName(QStringLiteral("mmMensagem"));
    mmMensagem_->setGeometry(16, 86, 448, 140);
    mmMensagem_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnSend_ = new QPushButton(QStringLiteral("Enviar Relatório"), this);
    btnSend_->setObjectName(QStringLiteral("btnSend"));
    btnSend_->setGeometry(254, 236, 120, 28);
    connect(btnSend_, &QPushButton::clicked, this, &TfmMessageErrorReport::send);
    auto *cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setGeometry(380, 236, 84, 28);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmMessageErrorReport::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    mmMensagem_->ensureCursorVisible();
}

void TfmMessageErrorReport::chooseAccount()
{
    TDMDB *dm = DM();
    if (!dm || !dm->ztGmailAccount->isActive())
        return;
    if (OpenSearchWindow(dm->ztGmailAccount, QStringLiteral("gmail"), QStringLiteral("Gmail"),
                         QStringLiteral("gmail_account")) != QDialog::Accepted)
        return;
    account_ = dm->ztGmailAccount->value(QStringLiteral("gmail")).toString();
    password_ = dm->ztGmailAccount->value(QStringLiteral("password")).toString();
    gmail_->setText(account_);
}

void TfmMessageErrorReport::send()
{
    // Sending mail arrives with the mail accounts; until then the report can
    // be read and copied from the box.
    ShowMessageDialog(QStringLiteral("O envio de relatórios de erro ainda não está disponível nesta versão.\r\n"
                                     "Copie o texto do relatório e envie-o por email."),
                      MsgKind::Information, mbOK);
}
