// Timings of a synthetic association in a temporary installation: 5,000
// members, each in the general activity and one other, 12 monthly dues a
// year for two years on both enrolments (240,000 dues). Prints figures;
// asserts nothing.
#include "app/server_switch.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "data/data_module.h"
#include "maintenance/backup.h"
#include "platform/globals.h"
#include "support/test_installation.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Members = 5000;
constexpr int OtherActivities = 8;

void fill(ds::Connection &db)
{
    const int year = QDate::currentDate().year();
    db.exec("INSERT INTO associacao (nome) VALUES ('Clube de Ensaio')");
    db.exec("INSERT INTO modalidade (id_assoc, nome, nome_responsavel) VALUES (1, 'MODALIDADE GERAL', 'DESCONHECIDO')");
    for (int a = 1; a <= OtherActivities; ++a)
        db.exec(QString("INSERT INTO modalidade (id_assoc, nome) VALUES (1, 'Modalidade %1')").arg(a));
    db.exec("START TRANSACTION");
    QStringList members, enrolments, dues;
    auto flush = [&db](QStringList &rows, const QString &head) {
        if (rows.isEmpty())
            return;
        db.exec(head + rows.join(','));
        rows.clear();
    };
    const QString duesHead = "INSERT INTO quotas_socios (id_assoc, id_modalidade, id_socio, id_pagamento_tipo, "
                             "id_pagamento_opcao, ano, mes, mes_num, montante, total_pago, total_divida, desconto, "
                             "total_total, data_pagamento, enabled) VALUES ";
    for (int s = 1; s <= Members; ++s) {
        members << QString("('%1', 'Sócio número %1', 0, 0)").arg(s);
        const int other = 2 + s % OtherActivities;
        for (int activity : {1, other}) {
            enrolments << QString("(1, %1, %2, '2020-01-01', 0, 0, 0)").arg(activity).arg(s);
            for (int y : {year - 1, year})
                for (int m = 1; m <= 12; ++m) {
                    const bool paid = (s + m) % 3 != 0;
                    dues << QString("(1, %1, %2, 0, 0, %3, 'Mes', %4, 10, %5, %6, 0, 10, %7, %8)")
                                .arg(activity)
                                .arg(s)
                                .arg(y)
                                .arg(m)
                                .arg(paid ? 10 : 0)
                                .arg(paid ? 0 : 10)
                                .arg(paid ? QString("'%1-%2-01'").arg(y).arg(m) : QString("NULL"))
                                .arg(paid ? 1 : 0);
                }
        }
        if (dues.size() >= 4800)
            flush(dues, duesHead);
    }
    flush(members, "INSERT INTO socio (codigo_interno, nome, divida, enabled) VALUES ");
    flush(enrolments, "INSERT INTO modalidade_socio (id_assoc, id_modalidade, id_socio, data_adesao, promocao, "
                      "divida, total_pago) VALUES ");
    flush(dues, duesHead);
    db.exec("COMMIT");
    // A database in use has current index statistics (the exit optimises
    // every table); a bulk load has to ask for them.
    db.exec("ANALYZE TABLE socio, modalidade_socio, quotas_socios");
}

void report(const char *what, qint64 ms) { std::printf("%-48s %8lld ms\n", what, static_cast<long long>(ms)); }

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const int port = FreeLocalPort();
    QString output;
    if (!RunSetup(dir.path(), port, &output)) {
        std::fprintf(stderr, "tesselmar-setup failed:\n%s\n", qPrintable(output));
        return 1;
    }
    qputenv("TESSELMAR_DB_PORT", QByteArray::number(port));
    SetAppDir(dir.path());

    QElapsedTimer t;
    {
        ds::Connection db(QStringLiteral("bench-fill"));
        if (!StartConnectionAttempts(db, 1))
            return 1;
        t.start();
        fill(db);
        report("filling 5,000 members and 240,000 dues", t.elapsed());
        QSqlQuery q = db.exec("SELECT COUNT(*) FROM quotas_socios");
        q.next();
        std::printf("%-48s %8d\n", "dues stored", q.value(0).toInt());
    }

    TDMDB dm;
    TfmSplash splash;
    t.start();
    if (!StartUp(dm, splash).run())
        return 1;
    report("start-up to tables open (server restart included)", t.elapsed());

    t.start();
    dm.RecalculateAllDebts();
    report("RecalculateAllDebts", t.elapsed());

    // One payment: an unpaid due of member 3 in its other activity.
    t.start();
    dm.ztModalidade->locate("nome", QString("Modalidade %1").arg(3 % OtherActivities + 1));
    dm.ztModalidade_Socio->locate("id_socio", 3);
    report("moving to one enrolment (its dues read)", t.elapsed());
    ds::DataSet &dues = *dm.ztQuotasSocios;
    for (dues.first(); !dues.eof() && dues.value("enabled").toInt() == 1; dues.next()) {
    }
    t.start();
    dues.setValue("total_pago", 10.0);
    dues.post();
    report("one payment (save + RecalculateEnrolmentDebt)", t.elapsed());

    t.start();
    dm.Shutdown();
    report("exit: refresh, flush, optimise, close", t.elapsed());
    t.start();
    RunDefaultBackup();
    report("exit: backup into a zip", t.elapsed());
    t.start();
    SwitchDatabaseServer(dm._db, false);
    report("exit: server stopped", t.elapsed());
    return 0;
}
