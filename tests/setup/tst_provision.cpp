// A program folder prepared by the real tesselmar-setup: the schema as the
// server reports it, the accounts, and that running it again keeps the data.
#include "data/schema.h"
#include "platform/globals.h"
#include "platform/server/server_paths.h"
#include "support/test_installation.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestProvision : public QObject {
    Q_OBJECT

    ds::Connection &db() { return TestInstallation::instance().db(); }

    QStringList column(const QString &sql, const QVariantList &binds = {})
    {
        QStringList out;
        QSqlQuery q = db().exec(sql, binds);
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

private slots:
    void initTestCase() { TestInstallation::instance(); }
    void init() { TestInstallation::instance().activate(); }

    // Runs first, before any test empties the tables.
    void newInstallationHasTheDefaultAccountAndOnlyOurRootAccounts()
    {
        QSqlQuery q = db().exec("SELECT login, password, nivel_acesso FROM utilizadores");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("vorel"));
        QCOMPARE(q.value(1).toString(), QString("vorel"));
        QCOMPARE(q.value(2).toInt(), 1);
        QVERIFY(!q.next());

        QStringList hosts = column("SELECT Host FROM mysql.user WHERE User = 'root'");
        hosts.sort();
        QCOMPARE(hosts, QStringList({"127.0.0.1", "::1", "localhost"}));
        // Every root account has the password.
        QCOMPARE(column("SELECT Host FROM mysql.user WHERE User = 'root' AND authentication_string <> "
                        "PASSWORD('kqzt')"),
                 QStringList());
    }

    void everyTableHasItsColumnsInOrderWithNotNullFlags()
    {
        const QStringList tables = column("SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = "
                                          "'tesselmar' AND ENGINE = 'InnoDB' AND TABLE_COLLATION = "
                                          "'utf8mb4_unicode_ci'");
        QCOMPARE(tables.size(), SchemaTables().size());
        for (const TableDef &t : SchemaTables()) {
            QVERIFY2(tables.contains(t.name), qPrintable(t.name));
            QSqlQuery q = db().exec("SELECT COLUMN_NAME, IS_NULLABLE, COLUMN_KEY FROM information_schema.COLUMNS "
                                    "WHERE TABLE_SCHEMA = 'tesselmar' AND TABLE_NAME = ? ORDER BY ORDINAL_POSITION",
                                    {t.name});
            for (const ColumnDef &c : t.columns) {
                QVERIFY2(q.next(), qPrintable(t.name + "." + c.name));
                QCOMPARE(q.value(0).toString(), c.name);
                QCOMPARE(q.value(1).toString() == "NO", c.notNull);
                QCOMPARE(q.value(2).toString() == "PRI", c.name == "id");
            }
            QVERIFY2(!q.next(), qPrintable(t.name + " has more columns"));
        }
    }

    void columnTypes_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("dataType");
        QTest::addColumn<QString>("columnType");
        QTest::addColumn<QString>("extra");
        QTest::newRow("key") << "socio" << "id" << "int" << "int(11)" << "auto_increment";
        QTest::newRow("name") << "socio" << "nome" << "varchar" << "varchar(80)" << "";
        QTest::newRow("memo") << "socio" << "observacoes" << "text" << "text" << "";
        QTest::newRow("date") << "socio" << "data_nascimento" << "date" << "date" << "";
        QTest::newRow("amount") << "socio" << "divida" << "double" << "double" << "";
        QTest::newRow("month") << "quotas_socios" << "mes" << "varchar" << "varchar(50)" << "";
        QTest::newRow("year") << "quotas_socios" << "ano" << "int" << "int(11)" << "";
        QTest::newRow("small") << "quotas_socios" << "enabled" << "smallint" << "smallint(6)" << "";
        QTest::newRow("receipt year") << "recibo_header" << "ano" << "smallint" << "smallint(4)" << "";
        QTest::newRow("tax number") << "entidade" << "nif" << "bigint" << "bigint(10)" << "";
        QTest::newRow("access level") << "utilizadores" << "nivel_acesso" << "smallint" << "smallint(2)" << "";
    }

    void columnTypes()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QSqlQuery q = db().exec("SELECT DATA_TYPE, COLUMN_TYPE, EXTRA, CHARACTER_SET_NAME FROM "
                                "information_schema.COLUMNS WHERE TABLE_SCHEMA = 'tesselmar' AND TABLE_NAME = ? AND "
                                "COLUMN_NAME = ?",
                                {table, column});
        QVERIFY(q.next());
        QTEST(q.value(0).toString(), "dataType");
        QTEST(q.value(1).toString(), "columnType");
        QTEST(q.value(2).toString(), "extra");
        if (!q.value(3).isNull())
            QCOMPARE(q.value(3).toString(), QString("utf8mb4"));
    }

    void indexes_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("columns");
        QTest::newRow("dues by activity, member, year, month")
            << "quotas_socios" << "id_modalidade,id_socio,ano,mes_num";
        QTest::newRow("enrolments by member") << "modalidade_socio" << "id_socio";
        QTest::newRow("enrolments by activity") << "modalidade_socio" << "id_modalidade";
        QTest::newRow("primary key") << "socio" << "id";
    }

    void indexes()
    {
        QFETCH(QString, table);
        QFETCH(QString, columns);
        const QStringList found =
            column("SELECT GROUP_CONCAT(COLUMN_NAME ORDER BY SEQ_IN_INDEX) FROM information_schema.STATISTICS "
                   "WHERE TABLE_SCHEMA = 'tesselmar' AND TABLE_NAME = ? GROUP BY INDEX_NAME",
                   {table});
        QVERIFY2(found.contains(columns), qPrintable(found.join(" | ")));
    }

    void optionFileIsPrivateAndNamesThePort()
    {
        QFile ini(ServerIniPath());
        QCOMPARE(ini.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFileDevice::Permissions());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ini.readAll());
        QVERIFY(text.contains(QString("port=%1\n").arg(TestInstallation::instance().port())));
        QVERIFY(text.contains("bind-address=127.0.0.1\n"));
    }

    void runningSetupAgainKeepsDataAndSettings()
    {
        TestInstallation &inst = TestInstallation::instance();
        inst.reset();
        db().exec("INSERT INTO socio (nome) VALUES (?)", {QString("Sócio que fica")});
        QFile ini(ServerIniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray before = ini.readAll();
        ini.close();

        QString output;
        QVERIFY2(RunSetup(inst.folder(), FreeLocalPort(), &output), qPrintable(output));

        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), before);
        QCOMPARE(column("SELECT nome FROM socio"), QStringList{"Sócio que fica"});
        QCOMPARE(column("SELECT login FROM utilizadores"), QStringList{"vorel"});
    }

    void setupRefusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no folder") << QStringList{};
        QTest::newRow("missing folder") << QStringList{"/nonexistent/tesselmar-folder"};
        QTest::newRow("bad port") << QStringList{QDir::tempPath(), "--port", "x"};
    }

    void setupRefusesBadArguments()
    {
        QFETCH(QStringList, args);
        QProcess p;
        p.start(TESSELMAR_SETUP_BIN, args);
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(!QFileInfo::exists("/nonexistent/tesselmar-folder"));
    }

    void cleanupTestCase() { TestInstallation::instance().stop(); }
};

QTEST_GUILESS_MAIN(TestProvision)
#include "tst_provision.moc"
