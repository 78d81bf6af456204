#include "support/module_fixture.h"

#include "data/schema.h"
#include "support/test_installation.h"

#include <QSqlQuery>

ModuleFixture::ModuleFixture()
{
    TestInstallation &inst = TestInstallation::instance();
    inst.activate();
    inst.reset();
    dm_ = std::make_unique<TDMDB>();
    dm_->_db.setParams(inst.params());
    dm_->_db.open();
    dm_->DefineTableFields(dm_->ztUtilizadores, *FindTable(QStringLiteral("utilizadores")));
    dm_->ztUtilizadores->open();
    dm_->OpenAllTables();
    dm_->DebtRecalcSuspended = false;
}

ModuleFixture::~ModuleFixture() = default;

QVariant ModuleFixture::scalar(const QString &sql)
{
    QSqlQuery q = dm_->_db.exec(sql);
    return q.next() ? q.value(0) : QVariant();
}

qint64 ModuleFixture::addAssociation(const QString &name)
{
    ds::DataSet &a = *dm_->ztAssociacao;
    a.append();
    a.setValue(QStringLiteral("nome"), name);
    a.post();
    addActivity(QString::fromLatin1(TDMDB::GeneralActivity));
    return a.value(QStringLiteral("id")).toLongLong();
}

qint64 ModuleFixture::addActivity(const QString &name)
{
    ds::DataSet &m = *dm_->ztModalidade;
    m.append();
    m.setValue(QStringLiteral("nome"), name);
    m.setValue(QStringLiteral("nome_responsavel"), QStringLiteral("DESCONHECIDO"));
    m.post();
    return m.value(QStringLiteral("id")).toLongLong();
}

qint64 ModuleFixture::addMember(const QString &name)
{
    ds::DataSet &s = *dm_->ztSocio;
    s.append();
    s.setValue(QStringLiteral("nome"), name);
    s.post();
    return s.value(QStringLiteral("id")).toLongLong();
}

void ModuleFixture::selectEnrolment(qint64 activity, qint64 member)
{
    dm_->ztModalidade->locate(QStringLiteral("id"), activity);
    dm_->ztModalidade_Socio->locate(QStringLiteral("id_socio"), member);
}

qint64 ModuleFixture::addEnrolment(qint64 activity, qint64 member)
{
    dm_->ztSocio->locate(QStringLiteral("id"), member);
    ds::DataSet &e = *dm_->ztSocio_Mod;
    e.append();
    e.setValue(QStringLiteral("id_modalidade"), activity);
    e.setValue(QStringLiteral("data_adesao"), QDate::currentDate());
    e.post();
    const qint64 id = e.value(QStringLiteral("id")).toLongLong();
    selectEnrolment(activity, member);
    return id;
}

qint64 ModuleFixture::addDue(int year, int month, double amount, double paid, double discount)
{
    static const char *months[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                                   "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    ds::DataSet &q = *dm_->ztQuotasSocios;
    q.append();
    q.setValue(QStringLiteral("ano"), year);
    q.setValue(QStringLiteral("mes"), QString::fromUtf8(months[month - 1]));
    q.setValue(QStringLiteral("mes_num"), month);
    q.setValue(QStringLiteral("id_pagamento_tipo"), 0);
    q.setValue(QStringLiteral("id_pagamento_opcao"), 0);
    q.setValue(QStringLiteral("desconto"), discount);
    q.setValue(QStringLiteral("total_pago"), paid);
    q.setValue(QStringLiteral("montante"), amount);
    q.post();
    return q.value(QStringLiteral("id")).toLongLong();
}
