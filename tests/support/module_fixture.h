#pragma once
// A data module on the test installation's server, with its table objects
// set up and open as after a successful start-up, and a few helpers that
// create the rows most rule tests need.
#include "data/data_module.h"

#include <QDate>
#include <QVariant>

#include <memory>

class ModuleFixture {
public:
    // Empties the database, creates a data module and opens its tables.
    ModuleFixture();
    ~ModuleFixture();

    TDMDB &dm() { return *dm_; }
    TDMDB *operator->() { return dm_.get(); }

    // The association (its first save also needs the general activity,
    // which the association window creates; here it is made directly).
    qint64 addAssociation(const QString &name = QStringLiteral("Clube Naval"));
    qint64 addActivity(const QString &name);
    // A member saved through ztSocio (so the member rules run).
    qint64 addMember(const QString &name);
    // Moves ztModalidade and ztModalidade_Socio to the enrolment of member in
    // activity, so ztQuotasSocios shows its dues.
    void selectEnrolment(qint64 activity, qint64 member);
    qint64 addEnrolment(qint64 activity, qint64 member);
    // A due of the current enrolment, saved through ztQuotasSocios.
    qint64 addDue(int year, int month, double amount, double paid = 0, double discount = 0);

    QVariant scalar(const QString &sql);

private:
    std::unique_ptr<TDMDB> dm_;
};
