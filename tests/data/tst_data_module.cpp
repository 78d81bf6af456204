// The data module's own life: its table objects and their set-up at
// start-up, the trace log, and the storing and closing at the end.
#include "data/data_module.h"
#include "data/schema.h"
#include "platform/globals.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"

#include <QFile>
#include <QTest>

using ds::DataSet;

class TestDataModule : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestInstallation::instance(); }
    void init() { TestInstallation::instance().activate(); }

    void tableObjectsInOrderWithCaptions()
    {
        TDMDB dm;
        const QStringList expected{
            "ztAssociacao", "ztSocio_Tipo", "ztSocio", "ztPagTipo", "ztPagOpcao", "ztUtilizadores", "ztModalidade",
            "ztEmails", "ztModalidade_Socio", "ztSocio_Mod", "ztRecibo", "ztQuotasSocios", "ztGmailAccount",
            "ztAssoc_Cargos", "ztEntidade", "ztEntidade_Docs", "ztSocio_Familiares", "ztSocio_Fam", "ztReceitaTipo",
            "ztReceitaDetalhes"};
        QStringList names;
        for (DataSet *t : dm.items())
            names << t->name();
        QCOMPARE(names, expected);
        QCOMPARE(dm.ztModalidade_Socio->caption(), "Lista de Inscrições (Modalidades)");
        QCOMPARE(dm.ztSocio_Familiares->caption(), "Familares de Sócio");
        QVERIFY(dm.ztRecibo->caption().isEmpty());
        QVERIFY(dm.DebtRecalcSuspended);
        QVERIFY(dm.BackupOnExit);
    }

    void openAllTablesSetsUpEveryTableObject()
    {
        ModuleFixture f;
        for (DataSet *t : f->items()) {
            const bool startsClosed = t == f->ztEmails || t == f->ztRecibo;
            QVERIFY2(t->isActive() != startsClosed, qPrintable(t->name()));
        }
        // Stored columns in the table's order, lookups after them.
        QStringList columns;
        for (const ColumnDef &c : FindTable("socio")->columns)
            columns << c.name;
        QStringList fields;
        for (const ds::Field &fd : f->ztSocio->fields())
            fields << fd.name;
        QCOMPARE(fields, columns + QStringList{"socio_tipo_nome"});
        QCOMPARE(f->ztSocio->field("NIB").editMask, QString(21, '9'));
        QCOMPARE(f->ztSocio->field("codigo_postal").editMask, "0000-999");
        QCOMPARE(f->ztModalidade_Socio->field("data_adesao").editMask, "!99/99/0000;1;_");
        QCOMPARE(f->ztQuotasSocios->field("desconto").displayFormat, "0.0 %");
        QCOMPARE(f->ztQuotasSocios->sortField(), "mes_num");
        QVERIFY(f->ztSocio_Familiares->hasField("divida"));
        QVERIFY(f->zQuerySocios->isActive());
    }

    void statusIsToldEveryCaptionInOrder()
    {
        TestInstallation::instance().reset();
        TDMDB dm;
        dm._db.setParams(TestInstallation::instance().params());
        dm._db.open();
        dm.DefineTableFields(dm.ztUtilizadores, *FindTable("utilizadores"));
        QStringList captions;
        dm.OpenAllTables([&](int, const QString &caption) { captions << caption; });
        QCOMPARE(captions.size(), dm.items().size());
        QCOMPARE(captions.first(), "Associação");
        QCOMPARE(captions.last(), QString());
    }

    void aFailingTableIsRecordedAndStartUpGoesOn()
    {
        TestInstallation &inst = TestInstallation::instance();
        inst.reset();
        inst.db().exec("RENAME TABLE quotas_socios TO quotas_socios_away");
        struct PutBack {
            ~PutBack() { TestInstallation::instance().db().exec("RENAME TABLE quotas_socios_away TO quotas_socios"); }
        } putBack;
        SetLastError(QString(), QString());
        {
            TDMDB dm;
            dm._db.setParams(inst.params());
            dm._db.open();
            dm.DefineTableFields(dm.ztUtilizadores, *FindTable("utilizadores"));
            dm.OpenAllTables();
            QVERIFY(!dm.ztQuotasSocios->isActive());
            QVERIFY(dm.ztReceitaDetalhes->isActive()); // the ones after it opened
        }
        QCOMPARE(LastErrorPlace, "LigarTabelas");
        QCOMPARE(LastErrorDetail, "Impossivel ligar tabela!\r\nNome: ztQuotasSocios");
    }

    void execSqlNeverRaises()
    {
        ModuleFixture f;
        SetLastError(QString(), QString());
        QVERIFY(!f->ExecSQL("UPDATE nowhere SET x=1"));
        QCOMPARE(LastErrorPlace, "SQL_EXECUTE");
        QCOMPARE(LastErrorDetail, "Impossivel executar Query!");
        QVERIFY(f->ExecSQL("UPDATE socio SET divida=0"));
    }

    void shutdownStoresPendingEditsAndCloses()
    {
        ModuleFixture f;
        f.addAssociation();
        f.addMember("Ana");
        f->ztSocio->setValue("localidade", "Faro"); // typed, not yet saved
        f->Shutdown();
        QVERIFY(!f->_db.isOpen());
        for (DataSet *t : f->items())
            QVERIFY(!t->isActive());
        QCOMPARE(TestInstallation::instance().db().exec("SELECT localidade FROM socio").next(), true);
        QSqlQuery q = TestInstallation::instance().db().exec("SELECT localidade FROM socio");
        q.next();
        QCOMPARE(q.value(0).toString(), "Faro");
        const QStringList trace = f->_db.trace().entries();
        QVERIFY(std::any_of(trace.begin(), trace.end(),
                            [](const QString &s) { return s.contains("OPTIMIZE TABLE associacao"); }));
    }

    void traceLogIsWrittenAndCutAboveOneMebibyte()
    {
        const QString log = AppDir() + "AppData/mysql_log.log";
        {
            QFile big(log);
            QVERIFY(big.open(QIODevice::WriteOnly));
            big.write(QByteArray(1048577, 'x'));
        }
        {
            ModuleFixture f; // creating the module cuts the big log, then traces anew
            f->ExecSQL("SELECT 1");
        }
        QFile again(log);
        QVERIFY(again.exists());
        QVERIFY(again.size() < 1048576);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QVERIFY(again.readAll().contains("SELECT 1"));

        // A log at the limit is kept.
        {
            QFile at(log);
            QVERIFY(at.open(QIODevice::WriteOnly));
            at.write(QByteArray(1048576, 'y'));
        }
        { TDMDB dm; }
        QCOMPARE(QFile(log).size(), 1048576);
    }
};

QTEST_MAIN(TestDataModule)
#include "tst_data_module.moc"
