// Receipts: the member's name as issued and the date parts of the issue date.
#include "data/data_module.h"
#include "data/rules.h"

#include <QDate>

using ds::DataSet;

namespace {

// Fills ano, mes and dia from a date field when it is set.
void setDateParts(DataSet &t, const QString &dateField)
{
    if (t.isBlank(dateField))
        return;
    const QDate d = t.value(dateField).toDate();
    t.setValue(QStringLiteral("ano"), d.year());
    t.setValue(QStringLiteral("mes"), d.month());
    t.setValue(QStringLiteral("dia"), d.day());
}

} // namespace

void InstallReceiptRules(TDMDB &dm)
{
    dm.ztRecibo->beforePost = [&dm](DataSet &t) {
        if (t.isBlank(QStringLiteral("nome_socio")) && dm.ztSocio->isActive() &&
            dm.ztSocio->locate(QStringLiteral("id"), t.value(QStringLiteral("id_socio"))))
            t.setValue(QStringLiteral("nome_socio"), dm.ztSocio->value(QStringLiteral("nome")));
        setDateParts(t, QStringLiteral("data_emisao"));
    };
}

void AttachExpenseDocumentDateRule(TDMDB &dm)
{
    dm.ztEntidade_Docs->beforePost = [](DataSet &t) { setDateParts(t, QStringLiteral("data_emissao")); };
}
