// The real program in a scratch installation: it comes up with its main
// window, and a request of the system to end (SIGTERM) stores, backs up and
// stops its server exactly like closing the window with Yes.
#include "maintenance/backup.h"
#include "platform/process/process.h"
#include "support/test_installation.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void signalEndsTheRunWithBackupAndStoppedServer()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        const QString program = folder + "tesselmar";
        QVERIFY(QFile::copy(TESSELMAR_BIN, program));
        const int port = FreeLocalPort();
        QString output;
        QVERIFY2(RunSetup(folder, port, &output), qPrintable(output));

        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESSELMAR_DB_PORT", QString::number(port));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(program, {});
        QVERIFY(run.waitForStarted());

        // The main window's creation recomputes every member's debt: once
        // that statement is in the trace, the program is up.
        const QString trace = folder + "AppData/mysql_log.log";
        QElapsedTimer clock;
        clock.start();
        while (!readAll(trace).contains("UPDATE socio SET divida =") && clock.elapsed() < 60000 &&
               run.state() == QProcess::Running)
            QTest::qWait(100);
        QVERIFY2(readAll(trace).contains("UPDATE socio SET divida ="), qPrintable(run.readAll()));
        const QString server = folder + "AppData/mysql/bin/mysqld_server";
        QVERIFY(IsProcessRunning(server));

        ::kill(pid_t(run.processId()), SIGTERM);
        QVERIFY(run.waitForFinished(90000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 0);

        QVERIFY(readAll(trace).contains("OPTIMIZE TABLE"));
        const QString archive = folder + "AppData/db_backup/" + TObj_Backup::DatedBackupBaseName() + ".zip";
        QVERIFY2(QFile::exists(archive), qPrintable(run.readAll()));
        QVERIFY(!QFile::exists(folder + "AppData/db_backup/" + TObj_Backup::DatedBackupBaseName() + ".sql"));
        QVERIFY(!IsProcessRunning(server));
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
