// The process list, stopping and starting, with real processes: copies of
// /bin/sleep under names of our own in a temporary folder.
#include "platform/process/process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

class TestProcess : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // A copy of /bin/sleep named `name` in the temporary folder.
    QString sleeper(const QString &name)
    {
        const QString path = dir_.filePath(name);
        if (!QFileInfo::exists(path))
            QFile::copy("/bin/sleep", path);
        return path;
    }

    static bool waitGone(pid_t pid)
    {
        QDeadlineTimer deadline(10000);
        while (proc::IsAlive(pid) && !deadline.hasExpired())
            QTest::qWait(20);
        return !proc::IsAlive(pid);
    }

    static bool procEntryExists(pid_t pid) { return QFileInfo::exists(QString("/proc/%1").arg(pid)); }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void findsAProcessByFileNameOrPathWithoutCase()
    {
        const QString path = sleeper("TsmSleeperA");
        const pid_t pid = proc::StartDetached(path, {"60"});
        QVERIFY(pid > 0);
        QVERIFY(IsProcessRunning("tsmsleepera"));
        QVERIFY(IsProcessRunning(path.toUpper()));
        QVERIFY(!IsProcessRunning("TsmSleeper"));
        QVERIFY(!IsProcessRunning(dir_.filePath("other/TsmSleeperA")));

        bool listed = false;
        for (const proc::ProcessInfo &p : proc::RunningProcesses())
            if (p.pid == pid) {
                listed = true;
                QCOMPARE(p.argv0, path);
                QCOMPARE(QFileInfo(p.exe).fileName(), QString("TsmSleeperA"));
            }
        QVERIFY(listed);

        QVERIFY(KillProcessByName("TSMSLEEPERA"));
        QVERIFY(!IsProcessRunning(path));
        // Reaped: no zombie stays behind.
        QVERIFY(!procEntryExists(pid));
        QVERIFY(!KillProcessByName("TSMSLEEPERA"));
    }

    void aRelativeFirstArgumentIsMadeAbsoluteAgainstTheProcessFolder()
    {
        sleeper("TsmSleeperB");
        const QString script = QString("cd '%1' && exec ./TsmSleeperB 60").arg(dir_.path());
        const pid_t pid = proc::StartDetached("/bin/sh", {"-c", script});
        QVERIFY(pid > 0);
        QDeadlineTimer deadline(10000);
        while (!IsProcessRunning(dir_.filePath("TsmSleeperB")) && !deadline.hasExpired())
            QTest::qWait(20);
        QVERIFY(IsProcessRunning(dir_.filePath("TsmSleeperB")));
        QVERIFY(KillProcessByName(dir_.filePath("TsmSleeperB")));
        QVERIFY(waitGone(pid));
    }

    void aProcessIgnoringTheStopRequestIsKilledAfterTheBound()
    {
        const QString path = sleeper("TsmStubborn");
        // An ignored signal stays ignored across exec.
        const pid_t pid = proc::StartDetached("/bin/sh", {"-c", QString("trap '' TERM; exec '%1' 60").arg(path)});
        QVERIFY(pid > 0);
        QDeadlineTimer deadline(10000);
        while (!IsProcessRunning(path) && !deadline.hasExpired())
            QTest::qWait(20);
        QVERIFY(IsProcessRunning(path));
        kill(pid, SIGTERM);
        QTest::qWait(200);
        QVERIFY2(IsProcessRunning(path), "the test process must ignore SIGTERM");

        QVERIFY(KillProcessByName("TsmStubborn", 300));
        QVERIFY(!IsProcessRunning(path));
        QVERIFY(!procEntryExists(pid));
    }

    void aChildThatEndsByItselfIsReaped()
    {
        const pid_t pid = proc::StartDetached("/bin/true", {});
        QVERIFY(pid > 0);
        QVERIFY(waitGone(pid));
        QVERIFY(!procEntryExists(pid));
    }

    void neverSignalsItself()
    {
        const QString self = QCoreApplication::applicationFilePath();
        QVERIFY(!KillProcessByName(self, 100));
        QVERIFY(!proc::TerminateProcess(getpid(), 100));
    }

    void startFailuresGiveTheProgramsErrorCodes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("code");
        QTest::newRow("missing file") << "missing-program" << 2;
        QTest::newRow("path through a file") << "plain.txt/program" << 3;
        QTest::newRow("not executable") << "plain.txt" << 5;
        QTest::newRow("not a program") << "garbage.bin" << 11;
    }

    void startFailuresGiveTheProgramsErrorCodes()
    {
        QFETCH(QString, program);
        QFile plain(dir_.filePath("plain.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("text\n");
        plain.close();
        QFile garbage(dir_.filePath("garbage.bin"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(64, '\x01'));
        garbage.close();
        garbage.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        int code = -1;
        QCOMPARE(proc::StartDetached(dir_.filePath(program), {}, &code), pid_t(-1));
        QTEST(code, "code");
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
