// Activities: the general activity cannot be changed; deleting an activity
// may remove its enrolments and dues.
#include "data/data_module.h"
#include "data/rules.h"
#include "platform/prompt/prompt.h"

using ds::DataSet;

void InstallActivityRules(TDMDB &dm)
{
    DataSet &activities = *dm.ztModalidade;
    activities.beforeEdit = [&dm](DataSet &t) { dm.RememberedActivityName = t.value(QStringLiteral("nome")).toString(); };
    activities.beforeInsert = [&dm](DataSet &) { dm.RememberedActivityName.clear(); };
    activities.beforePost = [&dm](DataSet &t) {
        if (dm.RememberedActivityName == QLatin1String(TDMDB::GeneralActivity)) {
            t.cancel();
            ShowMessageDialog(QStringLiteral("Não pode alterar o nome nem apagar esta modalidade!"), MsgKind::Warning,
                              mbOK);
            ds::Abort();
        }
    };
    activities.beforeDelete = [&dm](DataSet &t) {
        const QString id = QString::number(t.value(QStringLiteral("id")).toLongLong());
        if (ShowMessageDialog(QStringLiteral("Deseja Remover todos os dados referentes a esta Modalidade?\r\n\r\n"
                                             "Exemplo: \r\n                 Inscrições de Sócios.\r\n"
                                             "                 Listagem de Quotas Pagas/ Não pagas."),
                              MsgKind::Confirmation, mbYes | mbNo) == mbYes) {
            dm.ExecSQL(QStringLiteral("DELETE  FROM modalidade_socio  WHERE  id_modalidade=") + id);
            dm.ExecSQL(QStringLiteral("DELETE  FROM quotas_socios  WHERE  id_modalidade=") + id);
        }
    };
}
