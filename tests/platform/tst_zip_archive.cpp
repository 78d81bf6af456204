// Zip archives: names, replacing an archive only when the new one is
// complete, and extraction that stays inside its folder.
#include "platform/archive/zip_archive.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestZipArchive : public QObject {
    Q_OBJECT

    static void write(const QString &path, const QByteArray &data)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void archiveNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("archive");
        QTest::newRow("plain") << "backup_01-02-2024" << "backup_01-02-2024.zip";
        QTest::newRow("already zip") << "a/b.zip" << "a/b.zip";
        QTest::newRow("capitals") << "B.ZIP" << "B.ZIP";
        QTest::newRow("other extension") << "b.sql" << "b.sql.zip";
    }

    void archiveNames()
    {
        QFETCH(QString, name);
        QTEST(ZipArchiveName(name), "archive");
        ZipWriter zip;
        QTEST(zip.PrepareNewZip(name), "archive");
    }

    void anArchiveIsReplacedOnlyByACompleteOne()
    {
        QTemporaryDir dir;
        const QString dump = dir.filePath("dump.sql");
        write(dump, "first");
        ZipWriter zip;
        zip.PrepareNewZip(dir.filePath("day"));
        zip.AddToZip(dump);
        QVERIFY2(zip.commit(), qPrintable(zip.errorString()));
        const QByteArray first = read(dir.filePath("day.zip"));

        zip.PrepareNewZip(dir.filePath("day"));
        zip.AddToZip(dir.filePath("missing.sql"));
        QVERIFY(!zip.commit());
        QCOMPARE(read(dir.filePath("day.zip")), first);

        write(dump, "second");
        zip.PrepareNewZip(dir.filePath("day.zip"));
        zip.AddToZip(dump);
        QVERIFY(zip.commit());
        QCOMPARE(QDir(dir.path()).entryList({"day*"}, QDir::Files), QStringList{"day.zip"});

        QTemporaryDir out;
        QStringList extracted;
        QVERIFY(ExtractZip(out.path(), dir.filePath("day.zip"), &extracted));
        QCOMPARE(extracted, QStringList{out.filePath("dump.sql")});
        QCOMPARE(read(out.filePath("dump.sql")), QByteArray("second"));
    }

    void entriesThatWouldLeaveTheFolderAreRefused_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("parent") << "../evil.sql";
        QTest::newRow("nested parent") << "a/../../evil.sql";
        QTest::newRow("absolute") << "/tmp/evil.sql";
    }

    void entriesThatWouldLeaveTheFolderAreRefused()
    {
        QFETCH(QString, entry);
        QTemporaryDir dir;
        const QString zip = dir.filePath("evil.zip");
        // Written by an independent program, as a hostile archive would be.
        const QString py = QString("import zipfile\nwith zipfile.ZipFile('%1', 'w') as z:\n"
                                   "    zi = zipfile.ZipInfo('x'); zi.filename = '%2'; z.writestr(zi, 'DROP')\n")
                               .arg(zip, entry);
        QCOMPARE(QProcess::execute("python3", {"-c", py}), 0);
        QDir().mkpath(dir.filePath("in/a"));

        QString error;
        QVERIFY(!ExtractZip(dir.filePath("in"), zip, nullptr, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath("evil.sql")));
        QVERIFY(!QFileInfo::exists(dir.filePath("in/evil.sql")));
        if (entry.startsWith('/'))
            QVERIFY(!QFileInfo::exists(entry) || read(entry) != "DROP");
    }
};

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_zip_archive.moc"
