#include "maintenance/backup.h"

#include "platform/archive/zip_archive.h"
#include "platform/busy_cursor.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "platform/server/server_paths.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct ToolRun {
    bool ok = false;
    QString errorOutput; // what the tool said, or why it did not run
};

// Runs one server tool with the installation's option file and the password
// in the child's environment only (never on a command line), with standard
// output or input redirected to a file; waits letting pending events run.
ToolRun runTool(const QString &program, const QStringList &args, const QString &password, const QString &outputFile,
                const QString &inputFile)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MYSQL_PWD"), password);
    p.setProcessEnvironment(env);
    if (!outputFile.isEmpty())
        p.setStandardOutputFile(outputFile, QIODevice::Truncate);
    if (!inputFile.isEmpty())
        p.setStandardInputFile(inputFile);
    p.start(program, QStringList{QStringLiteral("--defaults-file=") + ServerIniPath()} + args);
    ToolRun run;
    if (!p.waitForStarted(30000)) {
        run.errorOutput = p.errorString();
        return run;
    }
    QByteArray errors;
    while (p.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        p.waitForFinished(50);
        errors += p.readAllStandardError();
    }
    errors += p.readAllStandardError();
    run.errorOutput = QString::fromLocal8Bit(errors).trimmed();
    if (p.exitStatus() != QProcess::NormalExit) {
        if (run.errorOutput.isEmpty())
            run.errorOutput = p.errorString();
        return run;
    }
    if (p.exitCode() != 0) {
        if (run.errorOutput.isEmpty())
            run.errorOutput = QStringLiteral("exit code %1").arg(p.exitCode());
        return run;
    }
    run.ok = true;
    return run;
}

void warn(const QString &title, const QString &detail)
{
    ShowMessageDialog(detail.isEmpty() ? title : title + QStringLiteral("\r\n") + detail, MsgKind::Warning, mbOK);
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString changeExtension(const QString &file, const QString &extension)
{
    const QFileInfo info(file);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(base + extension);
}

bool backup(const QString &host, const QString &user, const QString &file, const QString &tools,
            const QString &database, const QString &password)
{
    QString dump = file;
    if (dump.isEmpty() || dump.endsWith(QLatin1Char('/')))
        dump += TObj_Backup::DatedBackupBaseName() + QStringLiteral(".sql");
    QDir().mkpath(QFileInfo(dump).absolutePath());
    const QString failText = QStringLiteral("Impossivel executar Script de Backup!");

    const ToolRun run = runTool(withSlash(tools) + QStringLiteral("mysqldump"),
                                {QStringLiteral("-h"), host, QStringLiteral("-R"), QStringLiteral("-u"), user,
                                 QStringLiteral("--compress"), database},
                                password, dump, {});
    if (!run.ok || QFileInfo(dump).size() == 0) {
        QFile::remove(dump);
        warn(failText, run.ok ? QStringLiteral("O ficheiro de backup ficou vazio.") : run.errorOutput);
        return false;
    }

    ZipWriter zip;
    zip.PrepareNewZip(changeExtension(dump, QStringLiteral(".zip")));
    zip.AddToZip(dump);
    const bool zipped = zip.commit();
    QFile::remove(dump);
    if (!zipped) {
        warn(failText, zip.errorString());
        return false;
    }
    return true;
}

QString askRestoreFile()
{
    QFileDialog dialog(nullptr, QStringLiteral("Procurar ficheiro de Backup"),
                       AppDir() + QStringLiteral("AppData/db_backup/"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("SQL (*.sql)"), QStringLiteral("Zip (*.zip)")});
    dialog.selectNameFilter(QStringLiteral("Zip (*.zip)"));
    dialog.setDefaultSuffix(QStringLiteral("zip"));
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

// Returns false (after a warning) when the restore ran and failed; a file
// that does not exist does nothing and shows nothing.
bool restore(const QString &host, const QString &user, const QString &chosen, const QString &tools,
             const QString &database, const QString &password)
{
    const QString file = chosen.isEmpty() ? askRestoreFile() : chosen;
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return false;
    const QString failText = QStringLiteral("Impossivel executar Script de Recuperação!");

    QString script = file;
    QStringList extracted;
    // An archive made by a backup: its dump is extracted beside it and
    // removed again afterwards.
    if (file.contains(QLatin1String(".zip"))) {
        QString error;
        if (!ExtractZip(QFileInfo(file).absolutePath(), file, &extracted, &error)) {
            for (const QString &f : extracted)
                QFile::remove(f);
            warn(failText, error);
            return false;
        }
        script = changeExtension(file, QStringLiteral(".sql"));
        if (!extracted.contains(script)) {
            script.clear();
            for (const QString &f : extracted)
                if (f.endsWith(QLatin1String(".sql"), Qt::CaseInsensitive))
                    script = f;
        }
        if (script.isEmpty()) {
            for (const QString &f : extracted)
                QFile::remove(f);
            warn(failText, QStringLiteral("O arquivo não contém um ficheiro .sql."));
            return false;
        }
    }

    const ToolRun run = runTool(withSlash(tools) + QStringLiteral("mysql"),
                                {QStringLiteral("-h"), host, QStringLiteral("-u"), user, database}, password, {},
                                script);
    for (const QString &f : extracted)
        QFile::remove(f);
    if (!run.ok) {
        warn(failText, run.errorOutput);
        return false;
    }
    return true;
}

} // namespace

QString TObj_Backup::DatedBackupBaseName()
{
    return QStringLiteral("backup_") + QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
}

bool TObj_Backup::BackupRestore(const QString &host, const QString &user, bool isBackup, bool showSuccess,
                                const QString &file, const QString &toolsDir, const QString &database,
                                const QString &password)
{
    bool ok = false;
    {
        BusyCursor busy;
        if (isBackup)
            ok = backup(host, user, file, toolsDir, database, password);
        else
            ok = restore(host, user, file, toolsDir, database, password);
    }
    if (ok && showSuccess)
        ShowMessageDialog(QString(isBackup ? "Backup" : "Restauro") + QStringLiteral(" Efectuado com sucesso!"),
                          MsgKind::Information, mbOK);
    return ok;
}

bool RunDefaultBackup()
{
    TObj_Backup backup;
    return backup.BackupRestore(QStringLiteral("localhost"), QStringLiteral("root"), true, false,
                                AppDir() + QStringLiteral("AppData/db_backup/"),
                                AppDir() + QStringLiteral("AppData/mysql/bin/"), QStringLiteral("tesselmar"),
                                QStringLiteral("kqzt"));
}
