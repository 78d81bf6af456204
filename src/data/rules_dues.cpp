// Dues: the totals, settled flag and payment date of a due follow its
// amount, discount and payment; every stored due recomputes the debt of its
// enrolment and member.
#include "data/data_module.h"
#include "data/rules.h"
#include "platform/globals.h"

#include <QDate>

using ds::DataSet;

void TDMDB::RecalculateDueTotals(DataSet &dues)
{
    const double m = dues.value(QStringLiteral("montante")).toDouble();
    if (m == 0) {
        dues.setValue(QStringLiteral("enabled"), 0);
        dues.clearValue(QStringLiteral("data_pagamento"));
        return;
    }
    const double d = dues.value(QStringLiteral("desconto")).toDouble();
    const double p = dues.value(QStringLiteral("total_pago")).toDouble();
    const double total = m - m * (d / 100);
    dues.setValue(QStringLiteral("total_total"), total);
    // Two decimals, as the amount is shown: 0.004 left to pay is settled.
    const double owed = QString::number(total - p, 'f', 2).toDouble();
    dues.setValue(QStringLiteral("total_divida"), owed);
    if (owed == 0) {
        dues.setValue(QStringLiteral("enabled"), 1);
        if (dues.isBlank(QStringLiteral("data_pagamento")))
            dues.setValue(QStringLiteral("data_pagamento"), QDate::currentDate());
    } else {
        dues.setValue(QStringLiteral("enabled"), 0);
        dues.clearValue(QStringLiteral("data_pagamento"));
    }
}

void TDMDB::RecalculateEnrolmentDebt(DataSet &dues)
{
    if (DebtRecalcSuspended)
        return;
    const QDate today = QDate::currentDate();
    const QString M = QString::number(today.month()), Y = QString::number(today.year());
    // The enrolment of the stored due (the same as the current row of the
    // enrolments, whose detail the dues are).
    const QString m = QString::number(dues.value(QStringLiteral("id_modalidade")).toLongLong());
    const QString s = QString::number(dues.value(QStringLiteral("id_socio")).toLongLong());
    const QString where = QStringLiteral(" FROM quotas_socios  WHERE  id_modalidade=") + m + QStringLiteral(" AND ") +
                          QStringLiteral(" id_socio=") + s + QStringLiteral(" AND ((mes_num<=") + M +
                          QStringLiteral(" AND ano<=") + Y + QStringLiteral(")") + QStringLiteral(" OR (mes_num>=") +
                          M + QStringLiteral(" AND ano<") + Y + QStringLiteral("))") +
                          QStringLiteral("),0) WHERE id_modalidade=") + m + QStringLiteral(" AND id_socio=") + s;
    ExecSQL(QStringLiteral("UPDATE modalidade_socio SET divida= COALESCE((") +
            QStringLiteral("SELECT SUM(total_divida) AS tdivida") + where);
    ExecSQL(QStringLiteral("UPDATE modalidade_socio SET total_pago= COALESCE((") +
            QStringLiteral("SELECT SUM(total_pago) AS tpago") + where);
    ExecSQL(QStringLiteral("UPDATE socio SET divida= COALESCE((") +
            QStringLiteral("SELECT SUM(divida) AS tdivida FROM modalidade_socio  WHERE  id_socio=") + s +
            QStringLiteral("),0) WHERE id=") + s);

    // Re-reading the enrolments re-reads their dues too: keep the due's row.
    const QVariant due = dues.bookmark();
    try {
        if (ztModalidade_Socio->isActive())
            ztModalidade_Socio->refresh();
    } catch (const std::exception &) {
        SetLastError(QStringLiteral("ztQuotasSociosAfterPost"), QStringLiteral("Problema com Ponteiros! (Modalidade_Socio)"));
    }
    try {
        if (dues.isActive()) {
            dues.refresh();
            if (!dues.isEmpty() && due.isValid())
                dues.gotoBookmark(due);
        }
    } catch (const std::exception &) {
        SetLastError(QStringLiteral("ztQuotasSociosAfterPost"), QStringLiteral("Problema com Ponteiros! (DataSet)"));
    }
    for (DataSet *t : {ztSocio_Mod, ztSocio})
        if (t->isActive())
            t->refresh();
}

void InstallDueRules(TDMDB &dm)
{
    DataSet &dues = *dm.ztQuotasSocios;
    dues.onFieldChange = [&dm](DataSet &t, const QString &field) {
        if (dm.DueTotalsRuleAttached &&
            (field == QLatin1String("montante") || field == QLatin1String("total_pago") ||
             field == QLatin1String("desconto")))
            dm.RecalculateDueTotals(t);
    };
    dues.afterPost = [&dm](DataSet &t) { dm.RecalculateEnrolmentDebt(t); };
}
