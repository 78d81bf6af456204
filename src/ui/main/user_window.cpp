#include "ui/main/user_window.h"

#include "data/data_module.h"
#include "ui/common/db_edit.h"
#include "ui/common/messages.h"
#include "ui/common/text_checks.h"
#include "ui/common/window_services.h"

#include <QLabel>
#include <QTimer>

namespace {

DBEdit *addField(QWidget *form, const QString &caption, const QString &name, ds::DataSet *users,
                 const QString &field, int top)
{
    auto *label = new QLabel(caption, form);
    label->setGeometry(24, top + 3, 100, 20);
    auto *edit = new DBEdit(users, field, form);
    edit->setObjectName(name);
    edit->setGeometry(128, top, 200, 24);
    return edit;
}

} // namespace

TfmFormularioUtilizador::TfmFormularioUtilizador(QWidget *parent)
    : RecordWindow(QStringLiteral("fmFormularioUtilizador"), QStringLiteral("Ficha de Utilizador"), QSize(600, 470),
                   {{"btnSave", "Guardar", "Guardar Alterações"},
                    {"btnCancel", "Cancelar", "Cancelar Alterações"},
                    {"btnPrint", "Imprimir", "Imprimir Ficha do Registo", false},
                    {"btnClose", "Fechar", "Fechar Janela"},
                    {"btnDelete", "Apagar", "Cancelar Alterações", false},
                    {"btnHelp", "Ajuda", "Abrir ficheiro de Ajuda", false}},
                   parent),
      users_(DM()->ztUtilizadores)
{
    QWidget *form = formArea();
    addHeading(QStringLiteral("Informações Gerais"), 16);
    DBEdit *id = addField(form, QStringLiteral("Código:"), QStringLiteral("dbedtID"), users_, QStringLiteral("id"), 56);
    id->setReadOnly(true);
    id->setEnabled(false);
    id->setStyleSheet(QStringLiteral("background: rgb(247,247,247);"));
    dbedtLogin_ = addField(form, QStringLiteral("Login:"), QStringLiteral("dbedtLogin"), users_, QStringLiteral("login"), 90);
    dbedtLogin_->setMaxLength(20);
    dbedtPassword_ = addField(form, QStringLiteral("Password:"), QStringLiteral("dbedtPassword"), users_,
                              QStringLiteral("password"), 124);
    dbedtPassword_->setMaxLength(20);
    DBEdit *level = addField(form, QStringLiteral("Nível Acesso:"), QStringLiteral("DBEdit2"), users_,
                             QStringLiteral("nivel_acesso"), 158);
    level->setReadOnly(true);
    level->setEnabled(false);
    addRequiredMark(dbedtLogin_);
    addRequiredMark(dbedtPassword_);
    auto *note = new QLabel(QStringLiteral("(*) Campos de preenchimento Obrigatório."), form);
    note->setGeometry(24, 196, 300, 18);
    note->setStyleSheet(QStringLiteral("color: gray;"));
}

TfmFormularioUtilizador::~TfmFormularioUtilizador()
{
    // Nothing typed here outlives the window without "Guardar".
    if (users_->isEditing())
        users_->cancel();
}

void TfmFormularioUtilizador::showEvent(QShowEvent *event)
{
    RecordWindow::showEvent(event);
    QTimer::singleShot(0, dbedtLogin_, [this]() { dbedtLogin_->setFocus(); });
}

void TfmFormularioUtilizador::reject()
{
    if (users_->isEditing())
        users_->cancel();
    RecordWindow::reject();
}

bool TfmFormularioUtilizador::checkBeforeSave()
{
    (dbedtLogin_->hasFocus() ? static_cast<QWidget *>(dbedtPassword_) : dbedtLogin_)->setFocus();
    if (users_->isBlank(QStringLiteral("login"))) {
        WarnFieldEmpty(QStringLiteral("Login"));
        dbedtLogin_->setFocus();
        return false;
    }
    if (users_->isBlank(QStringLiteral("password"))) {
        WarnFieldEmpty(QStringLiteral("Password"));
        dbedtPassword_->setFocus();
        return false;
    }
    return true;
}

void TfmFormularioUtilizador::buttonClicked(const QString &name)
{
    switch (IndexOfText(name, {QStringLiteral("btnInsert"), QStringLiteral("btnSave"), QStringLiteral("btnCancel"),
                               QStringLiteral("btnDelete"), QStringLiteral("btnEdit"), QStringLiteral("btnPrint"),
                               QStringLiteral("btnHelp"), QStringLiteral("btnClose")})) {
    case 1:
        if (users_->isEditing() && checkBeforeSave()) {
            users_->post();
            NotifyRecordSaved();
        }
        break;
    case 2:
        users_->cancel();
        break;
    case 6:
        OpenHelpFile(this);
        break;
    case 7:
        users_->cancel();
        accept();
        break;
    default:
        break;
    }
}

void TfmFormularioUtilizador::focusAfterButton()
{
    if (dbedtLogin_->isVisible() && dbedtLogin_->isEnabled())
        dbedtLogin_->setFocus();
}
