// Enrolments: defaults of a new enrolment of a member, rows without an
// activity dropped, and the enrolment lists kept in step.
#include "data/data_module.h"
#include "data/rules.h"

using ds::DataSet;

namespace {

void rereadEnrolmentsAndDues(TDMDB &dm)
{
    for (DataSet *t : {dm.ztSocio_Mod, dm.ztModalidade_Socio, dm.ztQuotasSocios})
        if (t->isActive())
            t->refresh();
}

} // namespace

void InstallEnrolmentRules(TDMDB &dm)
{
    DataSet &ofMember = *dm.ztSocio_Mod;
    ofMember.afterInsert = [&dm](DataSet &t) {
        t.setValue(QStringLiteral("id_assoc"),
                   dm.ztAssociacao->isActive() ? dm.ztAssociacao->value(QStringLiteral("id")) : QVariant());
        t.setValue(QStringLiteral("promocao"), 0.0);
        t.setValue(QStringLiteral("divida"), 0.0);
        t.setValue(QStringLiteral("total_pago"), 0.0);
    };
    ofMember.beforePost = [](DataSet &t) {
        if (t.isBlank(QStringLiteral("id_modalidade"))) {
            t.cancel();
            ds::Abort();
        }
    };
    ofMember.afterPost = [&dm](DataSet &) {
        if (dm.ztModalidade_Socio->isActive())
            dm.ztModalidade_Socio->refresh();
    };
    ofMember.onPostError = [](DataSet &, const ds::DbError &) { return DataSet::ErrorAction::Abort; };
    ofMember.beforeDelete = [&dm](DataSet &) { rereadEnrolmentsAndDues(dm); };
    dm.ztModalidade_Socio->beforeDelete = [&dm](DataSet &) { rereadEnrolmentsAndDues(dm); };
}
