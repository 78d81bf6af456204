// The save and delete rules of the data module, through its table objects,
// against the real server.
#include "platform/prompt/prompt.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"

#include <QTest>

using ds::DataSet;

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestInstallation::instance(); }

    void dueTotalsFollowAmountDiscountAndPayment_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("discount");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("owed");
        QTest::addColumn<int>("settled");
        QTest::newRow("paid after discount") << 100.0 << 10.0 << 90.0 << 90.0 << 0.0 << 1;
        QTest::newRow("0.004 left shows as 0.00") << 100.0 << 10.0 << 89.996 << 90.0 << 0.0 << 1;
        QTest::newRow("part paid") << 25.0 << 0.0 << 10.0 << 25.0 << 15.0 << 0;
        QTest::newRow("unpaid") << 12.5 << 0.0 << 0.0 << 12.5 << 12.5 << 0;
    }
    void dueTotalsFollowAmountDiscountAndPayment()
    {
        QFETCH(double, amount);
        QFETCH(double, discount);
        QFETCH(double, paid);
        QFETCH(double, total);
        QFETCH(double, owed);
        QFETCH(int, settled);
        ModuleFixture f;
        const qint64 act = (f.addAssociation(), f.addActivity("Vela"));
        f.addEnrolment(act, f.addMember("Ana"));
        const qint64 due = f.addDue(2020, 3, amount, paid, discount);
        QCOMPARE(f.scalar(QString("SELECT total_total FROM quotas_socios WHERE id=%1").arg(due)).toDouble(), total);
        QCOMPARE(f.scalar(QString("SELECT total_divida FROM quotas_socios WHERE id=%1").arg(due)).toDouble(), owed);
        QCOMPARE(f.scalar(QString("SELECT enabled FROM quotas_socios WHERE id=%1").arg(due)).toInt(), settled);
        const QVariant date = f.scalar(QString("SELECT data_pagamento FROM quotas_socios WHERE id=%1").arg(due));
        QCOMPARE(date.toDate(), settled ? QDate::currentDate() : QDate());
    }

    void settledDueReopensAndKeepsAnEarlierDate()
    {
        ModuleFixture f;
        const qint64 act = (f.addAssociation(), f.addActivity("Vela"));
        f.addEnrolment(act, f.addMember("Ana"));
        DataSet &q = *f->ztQuotasSocios;
        f.addDue(2020, 1, 30, 30);
        QCOMPARE(q.value("enabled").toInt(), 1);

        q.setValue("total_pago", 0.0);
        q.post();
        QCOMPARE(q.value("enabled").toInt(), 0);
        QVERIFY(q.isBlank("data_pagamento"));

        // A payment date typed before settling is kept.
        q.setValue("data_pagamento", QDate(2020, 1, 15));
        q.setValue("total_pago", 30.0);
        q.post();
        QCOMPARE(q.value("data_pagamento").toDate(), QDate(2020, 1, 15));

        // A due of amount 0 is never settled.
        q.setValue("montante", 0.0);
        q.post();
        QCOMPARE(q.value("enabled").toInt(), 0);
        QVERIFY(q.isBlank("data_pagamento"));
    }

    void debtsCountOnlyFallenDueDues()
    {
        ModuleFixture f;
        const qint64 act = (f.addAssociation(), f.addActivity("Vela"));
        const qint64 ana = f.addMember("Ana");
        f.addEnrolment(act, ana);
        const QDate today = QDate::currentDate();
        f.addDue(today.year() - 1, 12, 10);           // earlier year, late month: counts
        f.addDue(today.year() - 1, 1, 7, 2);          // earlier year: counts, paid 2
        f.addDue(today.year(), today.month(), 5);     // this month: counts
        f.addDue(today.year() + 1, 1, 100, 100);      // next year: not yet
        if (today.month() < 12)
            f.addDue(today.year(), today.month() + 1, 1000); // next month: not yet
        const QString enrolment =
            QString("FROM modalidade_socio WHERE id_modalidade=%1 AND id_socio=%2").arg(act).arg(ana);
        QCOMPARE(f.scalar("SELECT divida " + enrolment).toDouble(), 20.0);
        QCOMPARE(f.scalar("SELECT total_pago " + enrolment).toDouble(), 2.0);
        QCOMPARE(f.scalar(QString("SELECT divida FROM socio WHERE id=%1").arg(ana)).toDouble(), 20.0);
        // The windows see the new debts at once.
        QCOMPARE(f->ztModalidade_Socio->value("divida").toDouble(), 20.0);
        f->ztSocio->locate("id", ana);
        QCOMPARE(f->ztSocio->value("divida").toDouble(), 20.0);

        // The full recomputation agrees, and gives 0 (not NULL) where there
        // is nothing fallen due.
        const qint64 rui = f.addMember("Rui");
        f->_db.exec("UPDATE modalidade_socio SET divida=NULL, total_pago=NULL");
        f->_db.exec("UPDATE socio SET divida=NULL");
        f->RecalculateAllDebts();
        QCOMPARE(f.scalar("SELECT divida " + enrolment).toDouble(), 20.0);
        QCOMPARE(f.scalar(QString("SELECT divida FROM socio WHERE id=%1").arg(ana)).toDouble(), 20.0);
        QCOMPARE(f.scalar(QString("SELECT divida IS NULL FROM socio WHERE id=%1").arg(rui)).toInt(), 0);
        QCOMPARE(f.scalar(QString("SELECT divida FROM socio WHERE id=%1").arg(rui)).toDouble(), 0.0);
        QCOMPARE(f.scalar("SELECT COUNT(*) FROM modalidade_socio WHERE divida IS NULL OR total_pago IS NULL").toInt(), 0);
    }

    void payingKeepsTheDueSelectedAndSuspendedRecalcChangesNothing()
    {
        ModuleFixture f;
        const qint64 act = (f.addAssociation(), f.addActivity("Vela"));
        const qint64 ana = f.addMember("Ana");
        f.addEnrolment(act, ana);
        f.addDue(2020, 1, 10);
        f.addDue(2020, 2, 10);
        f.addDue(2020, 3, 10);
        DataSet &q = *f->ztQuotasSocios;
        QVERIFY(q.locate("mes_num", 2));
        q.setValue("total_pago", 10.0);
        q.post();
        QCOMPARE(q.value("mes_num").toInt(), 2); // still on the paid month
        QCOMPARE(f.scalar(QString("SELECT divida FROM socio WHERE id=%1").arg(ana)).toDouble(), 20.0);

        f->DebtRecalcSuspended = true;
        q.locate("mes_num", 3);
        q.setValue("total_pago", 10.0);
        q.post();
        QCOMPARE(f.scalar(QString("SELECT divida FROM socio WHERE id=%1").arg(ana)).toDouble(), 20.0);
        QCOMPARE(f.scalar("SELECT divida FROM modalidade_socio WHERE id_modalidade=" + QString::number(act))
                     .toDouble(),
                 20.0);
    }

    void savedMemberIsEnrolledInTheGeneralActivityOnce()
    {
        ModuleFixture f;
        f.addAssociation();
        const qint64 ana = f.addMember("Ana");
        const QString count = QString("SELECT COUNT(*) FROM modalidade_socio e JOIN modalidade m ON "
                                      "m.id=e.id_modalidade WHERE m.nome='MODALIDADE GERAL' AND e.id_socio=%1")
                                  .arg(ana);
        QCOMPARE(f.scalar(count).toInt(), 1);
        QCOMPARE(f.scalar(QString("SELECT data_adesao FROM modalidade_socio WHERE id_socio=%1").arg(ana)).toDate(),
                 QDate::currentDate());
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM modalidade_socio WHERE id_socio=%1 AND id_assoc=%2 AND "
                                  "promocao=0 AND divida=0 AND total_pago=0")
                              .arg(ana)
                              .arg(f->ztAssociacao->value("id").toLongLong()))
                     .toInt(),
                 1);
        QCOMPARE(f->ztSocio->value("enabled").toInt(), 0);
        QCOMPARE(f->ztSocio->value("divida").toDouble(), 0.0);

        f->ztSocio->setValue("localidade", "Porto");
        f->ztSocio->post();
        QCOMPARE(f.scalar(count).toInt(), 1);
        QCOMPARE(f->ztSocio_Mod->rowCount(), 1);
    }

    void generalActivityCannotBeChanged()
    {
        ModuleFixture f;
        prompt::Script script;
        f.addAssociation();
        DataSet &m = *f->ztModalidade;
        QVERIFY(m.locate("nome", "MODALIDADE GERAL"));
        m.setValue("observacoes", "notas");
        QVERIFY(!m.post());
        QCOMPARE(m.state(), DataSet::State::Browse);
        QCOMPARE(script.texts(), QStringList{"Não pode alterar o nome nem apagar esta modalidade!"});
        QCOMPARE(script.shown().first().kind, MsgKind::Warning);
        QVERIFY(f.scalar("SELECT observacoes FROM modalidade WHERE nome='MODALIDADE GERAL'").isNull());

        f.addActivity("Remo");
        QCOMPARE(f.scalar("SELECT COUNT(*) FROM modalidade WHERE nome='Remo'").toInt(), 1);
        QCOMPARE(script.shown().size(), 1);
    }

    void deletingAnActivityAsksAboutItsEnrolments_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("leftOver");
        QTest::newRow("yes removes enrolments and dues") << int(mbYes) << 0;
        QTest::newRow("no keeps them") << int(mbNo) << 1;
    }
    void deletingAnActivityAsksAboutItsEnrolments()
    {
        QFETCH(int, answer);
        QFETCH(int, leftOver);
        ModuleFixture f;
        const qint64 act = (f.addAssociation(), f.addActivity("Vela"));
        f.addEnrolment(act, f.addMember("Ana"));
        f.addDue(2020, 1, 10);
        prompt::Script script;
        script.answer(MsgButton(answer));
        f->ztModalidade->locate("id", act);
        f->ztModalidade->remove();
        QCOMPARE(script.shown().size(), 1);
        QVERIFY(script.shown().first().text.startsWith("Deseja Remover todos os dados referentes a esta Modalidade?"));
        QCOMPARE(script.shown().first().buttons, MsgButtons(mbYes | mbNo));
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM modalidade WHERE id=%1").arg(act)).toInt(), 0);
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM modalidade_socio WHERE id_modalidade=%1").arg(act)).toInt(),
                 leftOver);
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM quotas_socios WHERE id_modalidade=%1").arg(act)).toInt(),
                 leftOver);
    }

    void deletingAMemberAsksAboutDuesAndReceipts_data()
    {
        QTest::addColumn<int>("dues");
        QTest::addColumn<int>("receipts");
        QTest::newRow("both") << int(mbYes) << int(mbYes);
        QTest::newRow("dues only") << int(mbYes) << int(mbCancel);
        QTest::newRow("neither") << int(mbCancel) << int(mbCancel);
    }
    void deletingAMemberAsksAboutDuesAndReceipts()
    {
        QFETCH(int, dues);
        QFETCH(int, receipts);
        ModuleFixture f;
        const qint64 act = (f.addAssociation(), f.addActivity("Vela"));
        const qint64 ana = f.addMember("Ana");
        f.addEnrolment(act, ana);
        f.addDue(2020, 1, 10);
        f->_db.exec(QString("INSERT INTO recibo_header (id_assoc, id_socio) VALUES (1, %1)").arg(ana));
        f->_db.exec(QString("INSERT INTO recibo_details (id_socio) VALUES (%1)").arg(ana));
        prompt::Script script;
        script.answer(MsgButton(dues));
        script.answer(MsgButton(receipts));
        f->ztSocio->locate("id", ana);
        f->ztSocio->remove();
        QCOMPARE(script.texts(), QStringList({"Deseja Apagar todas as Quotas associadas a este Sócio?",
                                              "Deseja Apagar todos os Recibos associados a este Sócio?"}));
        QCOMPARE(script.shown()[0].buttons, MsgButtons(mbYes | mbCancel));
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM socio WHERE id=%1").arg(ana)).toInt(), 0);
        const int kept = dues == mbYes ? 0 : 1;
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM quotas_socios WHERE id_socio=%1").arg(ana)).toInt(), kept);
        QVERIFY(f.scalar(QString("SELECT COUNT(*) FROM modalidade_socio WHERE id_socio=%1").arg(ana)).toInt() ==
                (dues == mbYes ? 0 : 2));
        const int keptReceipts = receipts == mbYes ? 0 : 1;
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM recibo_header WHERE id_socio=%1").arg(ana)).toInt(),
                 keptReceipts);
        QCOMPARE(f.scalar(QString("SELECT COUNT(*) FROM recibo_details WHERE id_socio=%1").arg(ana)).toInt(),
                 keptReceipts);
    }

    void enrolmentWithoutActivityIsDroppedSilently()
    {
        ModuleFixture f;
        prompt::Script script;
        f.addAssociation();
        f.addMember("Ana");
        DataSet &e = *f->ztSocio_Mod;
        const int before = e.rowCount();
        e.append();
        QCOMPARE(e.value("promocao").toDouble(), 0.0);
        QCOMPARE(e.value("id_assoc"), f->ztAssociacao->value("id"));
        QVERIFY(!e.post());
        QCOMPARE(e.state(), DataSet::State::Browse);
        QCOMPARE(e.rowCount(), before);
        QVERIFY(script.shown().isEmpty());

        // A save the server refuses is dropped without a message; the row
        // stays in editing.
        e.append();
        e.setValue("id_modalidade", 1);
        e.clearValue("id_assoc");
        QVERIFY(!e.post());
        QCOMPARE(e.state(), DataSet::State::Insert);
        QVERIFY(script.shown().isEmpty());
        e.cancel();
    }

    void datePartsAndDefaultsOfOtherTables()
    {
        ModuleFixture f;
        f.addAssociation();
        const qint64 ana = f.addMember("Ana Sá");
        f->ztSocio->first();

        DataSet &r = *f->ztRecibo;
        r.open();
        r.append();
        r.setValue("id_socio", ana);
        r.setValue("data_emisao", QDate(2026, 2, 15));
        r.post();
        QCOMPARE(r.value("nome_socio").toString(), "Ana Sá");
        QCOMPARE(f.scalar(QString("SELECT CONCAT(ano,'-',mes,'-',dia) FROM recibo_header WHERE id=%1")
                              .arg(r.value("id").toLongLong()))
                     .toString(),
                 "2026-2-15");
        r.close();

        f->ztEntidade->appendRecord({QVariant(), "Papelaria"});
        DataSet &d = *f->ztEntidade_Docs;
        d.append();
        d.setValue("id_entidade", f->ztEntidade->value("id"));
        d.setValue("numero_documento", "FT 1/2026");
        d.setValue("data_emissao", QDate(2026, 11, 30));
        d.setValue("montante_documento", 12.3);
        d.setValue("prazo_pagamento", QDate(2026, 12, 30));
        d.post();
        QCOMPARE(d.value("mes").toInt(), 11);
        QCOMPARE(d.value("nome_entidade").toString(), "Papelaria");
        QCOMPARE(f.scalar("SELECT dia FROM entidade_documentos").toInt(), 30);

        DataSet &u = *f->ztUtilizadores;
        u.first();
        u.setValue("nivel_acesso", 7);
        u.setValue("password", "nova");
        u.post();
        QCOMPARE(f.scalar("SELECT nivel_acesso FROM utilizadores WHERE login='vorel'").toInt(), 1);

        f->ztGmailAccount->appendRecord({QVariant(), "clube@example.org", "x", 1});
        QCOMPARE(f.scalar("SELECT enabled FROM gmail_account").toInt(), 0);
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
