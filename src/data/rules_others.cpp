// Users, mail accounts and the association record.
#include "data/data_module.h"
#include "data/rules.h"

using ds::DataSet;

void InstallOtherRules(TDMDB &dm)
{
    // The access level grants nothing; every user has level 1.
    dm.ztUtilizadores->beforePost = [](DataSet &t) { t.setValue(QStringLiteral("nivel_acesso"), 1); };
    dm.ztGmailAccount->beforePost = [](DataSet &t) { t.setValue(QStringLiteral("enabled"), 0); };
    dm.ztAssociacao->afterPost = [](DataSet &t) {
        if (t.cachedUpdates()) {
            t.applyUpdates();
            t.commitUpdates();
        }
    };
}
