// Members: defaults on save, enrolment in the general activity after save,
// and the cascade questions on delete.
#include "data/data_module.h"
#include "data/rules.h"
#include "platform/prompt/prompt.h"

#include <QDate>

using ds::DataSet;

namespace {

// Makes sure the member just stored is enrolled in the general activity.
void enrolInGeneralActivity(TDMDB &dm)
{
    DataSet &enrolments = *dm.ztSocio_Mod;
    if (!enrolments.isActive())
        return;
    const QVariant remembered = enrolments.isEmpty() ? QVariant() : enrolments.bookmark();
    enrolments.disableControls();
    try {
        bool enrolled = false;
        for (int row = 0; row < enrolments.rowCount() && !enrolled; ++row)
            enrolled = enrolments.value(row, QStringLiteral("nome_modalidade")).toString() ==
                       QLatin1String(TDMDB::GeneralActivity);
        if (!enrolled && dm.ztModalidade->isActive() &&
            dm.ztModalidade->locate(QStringLiteral("nome"), QString::fromLatin1(TDMDB::GeneralActivity))) {
            enrolments.appendRecord({QVariant(), QVariant(), dm.ztModalidade->value(QStringLiteral("id")), QVariant(),
                                     QDate::currentDate(), QVariant(), 0.0, 0.0, 0.0});
        }
    } catch (...) {
        enrolments.enableControls();
        throw;
    }
    enrolments.enableControls();
    if (remembered.isValid())
        enrolments.gotoBookmark(remembered);
}

void deleteMemberCascade(TDMDB &dm, DataSet &members)
{
    const QString id = QString::number(members.value(QStringLiteral("id")).toLongLong());
    if (ShowMessageDialog(QStringLiteral("Deseja Apagar todas as Quotas associadas a este Sócio?"),
                          MsgKind::Confirmation, mbYes | mbCancel) == mbYes) {
        dm.ExecSQL(QStringLiteral("DELETE  FROM modalidade_socio  WHERE  id_socio=") + id);
        dm.ExecSQL(QStringLiteral("DELETE  FROM quotas_socios  WHERE  id_socio=") + id);
        for (DataSet *t : {dm.ztModalidade_Socio, dm.ztSocio_Mod, dm.ztQuotasSocios})
            if (t->isActive())
                t->refresh();
    }
    if (ShowMessageDialog(QStringLiteral("Deseja Apagar todos os Recibos associados a este Sócio?"),
                          MsgKind::Confirmation, mbYes | mbCancel) == mbYes) {
        dm.ExecSQL(QStringLiteral("DELETE  FROM recibo_header  WHERE  id_socio=") + id);
        dm.ExecSQL(QStringLiteral("DELETE  FROM recibo_details  WHERE  id_socio=") + id);
    }
}

} // namespace

void InstallMemberRules(TDMDB &dm)
{
    dm.ztSocio->beforePost = [](DataSet &t) {
        if (t.isBlank(QStringLiteral("enabled")))
            t.setValue(QStringLiteral("enabled"), 0);
        if (t.isBlank(QStringLiteral("divida")))
            t.setValue(QStringLiteral("divida"), 0.0);
    };
    dm.ztSocio->afterPost = [&dm](DataSet &) { enrolInGeneralActivity(dm); };
    dm.ztSocio->beforeDelete = [&dm](DataSet &t) { deleteMemberCascade(dm, t); };
}
