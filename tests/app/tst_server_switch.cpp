// Starting and stopping the private server: every refusal, a server that
// never comes up, a refused connection, a server left over from a crashed
// run, and the lock against a second instance.
#include "app/instance_lock.h"
#include "app/server_switch.h"
#include "platform/globals.h"
#include "platform/process/process.h"
#include "platform/prompt/prompt.h"
#include "platform/server/server_paths.h"
#include "support/test_installation.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QString MissingIni = "O ficheiro \"AppData\\mysql\\my.ini\" não foi encontrado!";
const QString MissingProgram = "O ficheiro \"AppData\\mysql\\bin\\mysqld_server.exe\" não foi encontrado!";
const QString ForeignServer = "Já existe um processo MySQL a correr nesta máquina!\r\nPor favor, feche todas as "
                              "aplicações que usem o serviço MySQL.";

void writeFile(const QString &path, const QByteArray &content, QFile::Permissions perms)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    f.setPermissions(perms);
}

const QFile::Permissions Exec = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QFile::Permissions Plain = QFile::ReadOwner | QFile::WriteOwner;

QList<pid_t> serverPids(const QString &program)
{
    QList<pid_t> out;
    for (const proc::ProcessInfo &p : proc::RunningProcesses())
        if (proc::MatchesName(p, program))
            out << p.pid;
    return out;
}

} // namespace

class TestServerSwitch : public QObject {
    Q_OBJECT

    TestInstallation &inst() { return TestInstallation::instance(); }

private slots:
    void initTestCase() { TestInstallation::instance(); }

    void init()
    {
        ServerSwitchWaits() = ServerWaits{};
        inst().activate();
    }

    void cleanup()
    {
        ServerSwitchWaits() = ServerWaits{};
        inst().activate();
    }

    void refusesAnIncompleteInstallation_data()
    {
        QTest::addColumn<bool>("withIni");
        QTest::addColumn<QString>("program"); // "", "file" or "broken link"
        QTest::addColumn<QString>("text");
        QTest::newRow("no my.ini") << false << "file" << MissingIni;
        QTest::newRow("no server program") << true << "" << MissingProgram;
        QTest::newRow("server link to nothing") << true << "broken link" << MissingProgram;
    }

    void refusesAnIncompleteInstallation()
    {
        QFETCH(bool, withIni);
        QFETCH(QString, program);
        QTemporaryDir scratch;
        SetAppDir(scratch.path());
        QDir().mkpath(ServerToolsDir());
        if (withIni)
            writeFile(ServerIniPath(), "[mysqld]\n", Plain);
        if (program == "file")
            writeFile(ServerProgramPath(), "#!/bin/sh\nexit 0\n", Exec);
        else if (program == "broken link")
            QVERIFY(QFile::link(scratch.filePath("gone"), ServerProgramPath()));

        prompt::Script script;
        ds::Connection db("refused");
        QVERIFY(!StartConnectionAttempts(db, 3));
        QVERIFY(!db.isOpen());
        // Each attempt says it once; the attempts are bounded.
        QFETCH(QString, text);
        QCOMPARE(script.texts(), QStringList({text, text, text}));
        QVERIFY(script.shown().first().kind == MsgKind::Error);
        QCOMPARE(script.shown().first().buttons, MsgButtons(mbOK));
    }

    void aForeignServerRefusesTheStartAndIsLeftAlone()
    {
        QTemporaryDir other;
        const QString foreign = other.filePath("mysqld");
        QVERIFY(QFile::copy("/bin/sleep", foreign));
        const pid_t pid = proc::StartDetached(foreign, {"60"});
        QVERIFY(pid > 0);
        const QList<pid_t> before = serverPids(ServerProgramPath());
        QVERIFY(!before.isEmpty());

        prompt::Script script;
        ds::Connection db("foreign");
        const bool started = SwitchDatabaseServer(db, true);
        const bool foreignAlive = proc::IsAlive(pid);
        proc::TerminateProcess(pid, 5000);

        QVERIFY(!started);
        QCOMPARE(script.texts(), QStringList{ForeignServer});
        QVERIFY(foreignAlive);
        // Our own server was not touched either.
        QCOMPARE(serverPids(ServerProgramPath()), before);
    }

    void aServerThatNeverComesUpFailsAfterTheBound()
    {
        QTemporaryDir scratch;
        SetAppDir(scratch.path());
        writeFile(ServerIniPath(), "[mysqld]\n", Plain);
        // The "server" runs under another name: its process never shows.
        const QString napper = scratch.filePath("napper");
        QVERIFY(QFile::copy("/bin/sleep", napper));
        writeFile(ServerProgramPath(), QString("#!/bin/sh\nexec '%1' 60\n").arg(napper).toUtf8(), Exec);
        ServerSwitchWaits().appearMs = 300;

        prompt::Script script;
        ds::Connection db("never");
        QVERIFY(!StartConnectionAttempts(db, 3));
        QVERIFY(!db.isOpen());
        QCOMPARE(script.texts(), QStringList());
        // What was started is not left running.
        QVERIFY(!IsProcessRunning(napper));
    }

    void aRefusedStartShowsTheReason_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("permissions");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not executable") << QByteArray("#!/bin/sh\n") << int(Plain)
                                        << "The operating system denied access to the specified file.";
        QTest::newRow("not a program") << QByteArray(64, '\x01') << int(Exec)
                                       << "The .exe file is invalid (non-Win32 .exe or error in .exe image).";
    }

    void aRefusedStartShowsTheReason()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, permissions);
        QFETCH(QString, reason);
        QTemporaryDir scratch;
        SetAppDir(scratch.path());
        writeFile(ServerIniPath(), "[mysqld]\n", Plain);
        writeFile(ServerProgramPath(), content, QFile::Permissions(permissions));

        prompt::Script script;
        ds::Connection db("refused-start");
        QVERIFY(!SwitchDatabaseServer(db, true));
        QCOMPARE(script.texts(), QStringList{reason});
        QVERIFY(script.shown().first().kind == MsgKind::Warning);
    }

    void aRefusedConnectionIsRecordedAndShown()
    {
        ds::Connection db("wrong-password");
        ds::ConnectionParams params = inst().params();
        params.password = "not-the-password";
        db.setParams(params);
        SetLastError({}, {});

        prompt::Script script;
        QVERIFY(!SwitchDatabaseServer(db, true));
        QVERIFY(!db.isOpen());
        QCOMPARE(LastErrorPlace, QString("LigarServidor"));
        const QString head = "Impossivel ligar servidor MySQL!\r\n\r\nErroCode: 1045\r\nStatusCode: \r\n"
                             "ClassName: EDatabaseError\r\nMessage: ";
        QVERIFY2(LastErrorDetail.startsWith(head), qPrintable(LastErrorDetail));
        QVERIFY2(LastErrorDetail.contains("Access denied"), qPrintable(LastErrorDetail));
        QCOMPARE(script.texts(), QStringList{LastErrorDetail});
        QVERIFY(script.shown().first().kind == MsgKind::Warning);
    }

    void aServerLeftOverFromACrashIsReplacedByAFreshOne()
    {
        SwitchDatabaseServer(inst().db(), false);
        QVERIFY(serverPids(ServerProgramPath()).isEmpty());
        // As a crashed run would leave it: running, nobody connected.
        const pid_t leftover = proc::StartDetached(ServerProgramPath(), ServerArguments());
        QVERIFY(leftover > 0);

        prompt::Script script;
        ds::Connection db("after-crash");
        db.setParams(inst().params());
        QVERIFY(SwitchDatabaseServer(db, true));
        QCOMPARE(script.texts(), QStringList());
        QVERIFY(!proc::IsAlive(leftover));
        const QList<pid_t> now = serverPids(ServerProgramPath());
        QCOMPARE(now.size(), 1);
        QVERIFY(now.first() != leftover);
        QSqlQuery q = db.exec("SELECT COUNT(*) FROM utilizadores");
        QVERIFY(q.next());

        QVERIFY(!SwitchDatabaseServer(db, false));
        QVERIFY(!db.isOpen());
        QVERIFY(serverPids(ServerProgramPath()).isEmpty());
    }

    void onlyThisInstallationsServerIsStartedAndStopped()
    {
        QTemporaryDir otherDir;
        const int otherPort = FreeLocalPort();
        QString output;
        QVERIFY2(RunSetup(otherDir.path(), otherPort, &output), qPrintable(output));
        SetAppDir(otherDir.path());
        const QString otherProgram = ServerProgramPath();
        const pid_t other = proc::StartDetached(otherProgram, ServerArguments());
        QVERIFY(other > 0);

        inst().activate();
        prompt::Script script;
        ds::Connection db("ours");
        db.setParams(inst().params());
        const bool started = SwitchDatabaseServer(db, true);
        const bool otherAfterStart = proc::IsAlive(other);
        SwitchDatabaseServer(db, false);
        const bool otherAfterStop = proc::IsAlive(other);
        proc::TerminateProcess(other);

        QVERIFY(started);
        QVERIFY(otherAfterStart);
        QVERIFY(otherAfterStop);
        QCOMPARE(script.texts(), QStringList());
    }

    void aSecondInstanceIsRefused()
    {
        QTemporaryDir scratch;
        SetAppDir(scratch.path());
        const QString path = InstanceLock::LockPath();

        InstanceLock first;
        QVERIFY(first.tryAcquire());
        QVERIFY(QFileInfo::exists(path));

        prompt::Script script;
        InstanceLock second;
        QVERIFY(!AcquireInstanceLock(second));
        QCOMPARE(script.texts(), QStringList{SecondInstanceMessage()});
        // Another process sees the lock too.
        QCOMPARE(QProcess::execute("flock", {"-n", path, "true"}), 1);

        first.release();
        QVERIFY(second.tryAcquire());
    }

    void aCrashedInstanceDoesNotBlockTheNextStart()
    {
        QTemporaryDir scratch;
        SetAppDir(scratch.path());
        const QString path = InstanceLock::LockPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        // -o: the lock stays with flock itself, not with its sleeping child.
        const pid_t holder = proc::StartDetached("/usr/bin/flock", {"-o", path, "sleep", "60"});
        QVERIFY(holder > 0);
        QDeadlineTimer deadline(10000);
        InstanceLock probe;
        while (probe.tryAcquire() && !deadline.hasExpired()) {
            probe.release();
            QTest::qWait(20);
        }
        QVERIFY2(!probe.isHeld(), "the holder never took the lock");

        kill(holder, SIGKILL);
        QTRY_VERIFY(!proc::IsAlive(holder));
        InstanceLock next;
        QTRY_VERIFY(next.tryAcquire());
    }

    void cleanupTestCase() { TestInstallation::instance().stop(); }
};

QTEST_MAIN(TestServerSwitch)
#include "tst_server_switch.moc"
