// Backup and restore against the real private server: real dumps, real
// zip archives (read back with unzip), real restores.
#include "maintenance/backup.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "support/test_installation.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestBackup : public QObject {
    Q_OBJECT

    ds::Connection &db() { return TestInstallation::instance().db(); }
    QString backupDir() { return AppDir() + "AppData/db_backup/"; }
    QString toolsDir() { return AppDir() + "AppData/mysql/bin/"; }
    QString archive() { return backupDir() + "backup_" + QDate::currentDate().toString("dd-MM-yyyy") + ".zip"; }

    QStringList memberNames()
    {
        QStringList out;
        QSqlQuery q = db().exec("SELECT nome FROM socio ORDER BY id");
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

    // The dump inside the archive, read by an independent program.
    static QString dumpInside(const QString &zip)
    {
        QProcess unzip;
        unzip.start("unzip", {"-p", zip});
        unzip.waitForFinished(60000);
        return QString::fromUtf8(unzip.readAllStandardOutput());
    }

    static QByteArray bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    bool backup(bool showSuccess, const QString &tools)
    {
        TObj_Backup b;
        return b.BackupRestore("localhost", "root", true, showSuccess, backupDir(), tools, "tesselmar", "kqzt");
    }

    bool restore(const QString &file)
    {
        TObj_Backup b;
        return b.BackupRestore("localhost", "root", false, true, file, toolsDir(), "tesselmar", "kqzt");
    }

private slots:
    void initTestCase() { TestInstallation::instance(); }

    void init()
    {
        TestInstallation::instance().activate();
        TestInstallation::instance().reset();
        QDir dir(backupDir());
        for (const QString &f : dir.entryList(QDir::Files))
            dir.remove(f);
    }

    void aBackupLeavesOnlyTheDatedArchiveWithTheData()
    {
        db().exec("INSERT INTO socio (nome) VALUES (?)", {QString("Ana O'Neil \\\\ Sócia")});
        prompt::Script script;
        QVERIFY(RunDefaultBackup());
        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(QDir(backupDir()).entryList(QDir::Files), QStringList{QFileInfo(archive()).fileName()});

        const QString dump = dumpInside(archive());
        for (const char *table : {"socio", "quotas_socios", "utilizadores", "modalidade_socio"})
            QVERIFY2(dump.contains(QString("CREATE TABLE `%1`").arg(table)), table);
        QVERIFY(dump.contains("Ana O\\'Neil \\\\\\\\ Sócia"));
    }

    void aSecondBackupOfTheDayReplacesTheFirst()
    {
        db().exec("INSERT INTO socio (nome) VALUES ('Primeiro')");
        QVERIFY(RunDefaultBackup());
        db().exec("INSERT INTO socio (nome) VALUES ('Segundo')");
        prompt::Script script;
        QVERIFY(backup(true, toolsDir()));
        QCOMPARE(script.texts(), QStringList{"Backup Efectuado com sucesso!"});
        QCOMPARE(QDir(backupDir()).entryList(QDir::Files), QStringList{QFileInfo(archive()).fileName()});
        const QString dump = dumpInside(archive());
        QVERIFY(dump.contains("Primeiro"));
        QVERIFY(dump.contains("Segundo"));
    }

    void aFailedDumpKeepsTheDaysArchive_data()
    {
        QTest::addColumn<QByteArray>("tool");
        QTest::addColumn<QString>("detail"); // empty: any reason
        QTest::newRow("tool fails") << QByteArray("echo 'mysqldump: Got error: 2002' >&2\nexit 1\n")
                                    << "mysqldump: Got error: 2002";
        QTest::newRow("empty dump") << QByteArray("exit 0\n") << "O ficheiro de backup ficou vazio.";
        QTest::newRow("partial dump, then a crash") << QByteArray("echo 'CREATE TABLE x ('\nkill -SEGV $$\n")
                                                    << QString();
    }

    void aFailedDumpKeepsTheDaysArchive()
    {
        QFETCH(QByteArray, tool);
        QFETCH(QString, detail);
        db().exec("INSERT INTO socio (nome) VALUES ('Guardado')");
        QVERIFY(RunDefaultBackup());
        const QByteArray before = bytes(archive());

        QTemporaryDir tools;
        QFile script(tools.filePath("mysqldump"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + tool);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        prompt::Script prompts;
        QVERIFY(!backup(true, tools.path()));
        QCOMPARE(prompts.shown().size(), 1);
        QVERIFY(prompts.shown().first().kind == MsgKind::Warning);
        const QString title = "Impossivel executar Script de Backup!\r\n";
        if (detail.isEmpty())
            QVERIFY2(prompts.texts().first().startsWith(title), qPrintable(prompts.texts().first()));
        else
            QCOMPARE(prompts.texts().first(), title + detail);
        QCOMPARE(bytes(archive()), before);
        QCOMPARE(QDir(backupDir()).entryList(QDir::Files), QStringList{QFileInfo(archive()).fileName()});
    }

    void thePasswordTravelsOnlyInTheChildsEnvironment()
    {
        QTemporaryDir tools;
        const QString seen = tools.filePath("seen");
        QFile script(tools.filePath("mysqldump"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\necho \"pwd=$MYSQL_PWD\" >> '%1'\n"
                             "echo 'CREATE TABLE t (a int);'\n")
                         .arg(seen)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        prompt::Script prompts;
        QVERIFY(backup(false, tools.path()));
        const QStringList lines = QString::fromUtf8(bytes(seen)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), "--defaults-file=" + AppDir() + "AppData/mysql/my.ini");
        QCOMPARE(lines.mid(1), QStringList({"-h", "localhost", "-R", "-u", "root", "--compress", "tesselmar",
                                            "pwd=kqzt"}));
        QVERIFY(!qEnvironmentVariableIsSet("MYSQL_PWD"));
    }

    void aRestoreFromTheArchiveBringsBackTheRowsAndLeavesNoDump()
    {
        db().exec("INSERT INTO socio (nome) VALUES ('Volta'), ('Fica')");
        QVERIFY(RunDefaultBackup());
        db().exec("DELETE FROM socio WHERE nome = 'Volta'");
        db().exec("INSERT INTO socio (nome) VALUES ('Depois')");

        prompt::Script script;
        QVERIFY(restore(archive()));
        QCOMPARE(script.texts(), QStringList{"Restauro Efectuado com sucesso!"});
        QCOMPARE(memberNames(), QStringList({"Volta", "Fica"}));
        QCOMPARE(QDir(backupDir()).entryList(QDir::Files), QStringList{QFileInfo(archive()).fileName()});
    }

    void aRestoreFromADumpLeavesTheDump()
    {
        db().exec("INSERT INTO socio (nome) VALUES ('Volta')");
        QVERIFY(RunDefaultBackup());
        QTemporaryDir chosen;
        const QString sql = chosen.filePath("copia.sql");
        QFile out(sql);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(dumpInside(archive()).toUtf8());
        out.close();
        const QByteArray before = bytes(sql);
        db().exec("DELETE FROM socio");

        prompt::Script script;
        QVERIFY(restore(sql));
        QCOMPARE(memberNames(), QStringList{"Volta"});
        QCOMPARE(bytes(sql), before);
    }

    void aRestoreThatFailsSaysSoAndAMissingFileDoesNothing()
    {
        QTemporaryDir chosen;
        const QString bad = chosen.filePath("estragado.sql");
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("THIS IS NOT SQL;\n");
        out.close();

        prompt::Script script;
        QVERIFY(!restore(bad));
        QCOMPARE(script.shown().size(), 1);
        QVERIFY(script.texts().first().startsWith("Impossivel executar Script de Recuperação!\r\n"));

        script.clear();
        QVERIFY(!restore(chosen.filePath("nao-existe.zip")));
        QCOMPARE(script.texts(), QStringList());
    }

    void aRestoreWithoutAFileAsksForOne()
    {
        db().exec("INSERT INTO socio (nome) VALUES ('Escolhido')");
        QVERIFY(RunDefaultBackup());
        db().exec("DELETE FROM socio");

        QString title, folder;
        QStringList filters;
        QString answer = archive();
        prompt::SetDialogRunner([&](QDialog &d) {
            auto *dialog = qobject_cast<QFileDialog *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            title = dialog->windowTitle();
            folder = dialog->directory().absolutePath() + "/";
            filters = dialog->nameFilters();
            if (answer.isEmpty())
                return int(QDialog::Rejected);
            dialog->selectFile(answer);
            return int(QDialog::Accepted);
        });
        prompt::Script script;
        QVERIFY(restore({}));
        QCOMPARE(title, QString("Procurar ficheiro de Backup"));
        QCOMPARE(folder, backupDir());
        QCOMPARE(filters, QStringList({"SQL (*.sql)", "Zip (*.zip)"}));
        QCOMPARE(memberNames(), QStringList{"Escolhido"});

        // Cancelled: nothing happens, nothing is shown.
        answer.clear();
        script.clear();
        db().exec("DELETE FROM socio");
        QVERIFY(!restore({}));
        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(memberNames(), QStringList());
        prompt::SetDialogRunner({});
    }

    void cleanupTestCase() { TestInstallation::instance().stop(); }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
