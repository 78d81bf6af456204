#include "ui/common/messages.h"

MsgButton WarnFieldEmpty(const QString &caption)
{
    return ShowMessageDialog(QStringLiteral("Impossivel guardar!\r\nO campo: \"") + caption
                                 + QStringLiteral("\" encontra-se vazio!"),
                             MsgKind::Warning, mbOK);
}

MsgButton ConfirmDeleteRecord(const QString &text)
{
    return ShowMessageDialog(QStringLiteral("Deseja realmente Apagar o Registo \"") + text
                                 + QStringLiteral("\" da Base de Dados?"),
                             MsgKind::Confirmation, mbYes | mbCancel);
}

MsgButton NotifyRecordSaved()
{
    return ShowMessageDialog(QStringLiteral("Registo Guardado com sucesso!"), MsgKind::Information, mbOK);
}
