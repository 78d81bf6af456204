#include "setup/provision.h"

#include "data/schema.h"
#include "platform/globals.h"
#include "platform/process/process.h"
#include "platform/server/server_paths.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr const char *RootPassword = "kqzt";

QString currentUserName()
{
    if (const passwd *pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER", QStringLiteral("root"));
}

// A text as an SQL string literal: quote and backslash escaped.
QString literal(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    out.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString findTool(const QStringList &names)
{
    for (const QString &name : names) {
        QString found = QStandardPaths::findExecutable(name);
        if (found.isEmpty())
            found = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void say(const ProvisionOptions &o, const QString &line)
{
    if (o.log)
        o.log(line);
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool makeFolders(QString *error)
{
    for (const char *sub : {"mysql/bin", "db_backup", "fotografias", "logotipos", "pdf_help"}) {
        const QString path = AppDir() + QStringLiteral("AppData/") + QLatin1String(sub);
        if (!QDir().mkpath(path))
            return fail(error, QStringLiteral("Não foi possível criar a pasta \"%1\".").arg(path));
    }
    return true;
}

bool writeIni(const ProvisionOptions &o, QString *error)
{
    if (QFileInfo::exists(ServerIniPath()))
        return true;
    QFile ini(ServerIniPath());
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Text))
        return fail(error, QStringLiteral("Não foi possível escrever \"%1\".").arg(ServerIniPath()));
    // Only the owner reads it: it names the server's files and socket.
    ini.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ini.write(ServerIniText(currentUserName(), o.port).toUtf8());
    say(o, QStringLiteral("Criado %1").arg(ServerIniPath()));
    return true;
}

bool linkTools(const ProvisionOptions &o, QString *error)
{
    const struct {
        const char *link;
        QStringList targets;
    } links[] = {
        {"mysqld_server", {QStringLiteral("mariadbd"), QStringLiteral("mysqld")}},
        {"mysqldump", {QStringLiteral("mariadb-dump"), QStringLiteral("mysqldump")}},
        {"mysql", {QStringLiteral("mariadb"), QStringLiteral("mysql")}},
    };
    for (const auto &l : links) {
        const QString linkPath = ServerToolsDir() + QLatin1String(l.link);
        const QFileInfo info(linkPath);
        if (info.exists())
            continue;
        if (info.isSymLink()) // a link whose target is gone
            QFile::remove(linkPath);
        const QString target = findTool(l.targets);
        if (target.isEmpty())
            return fail(error, QStringLiteral("O programa \"%1\" não foi encontrado neste sistema.").arg(l.targets.first()));
        if (!QFile::link(target, linkPath))
            return fail(error, QStringLiteral("Não foi possível criar a ligação \"%1\".").arg(linkPath));
        say(o, QStringLiteral("Ligação %1 -> %2").arg(linkPath, target));
    }
    return true;
}

bool runTool(const QString &program, const QStringList &args, QString *error)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(30000))
        return fail(error, QStringLiteral("Não foi possível executar \"%1\": %2").arg(program, p.errorString()));
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return fail(error, QStringLiteral("\"%1\" falhou:\n%2").arg(program, QString::fromLocal8Bit(p.readAll())));
    return true;
}

// The statements that fill a new server: database, tables, accounts.
QStringList schemaStatements()
{
    QStringList sql{
        QStringLiteral("CREATE DATABASE `tesselmar` CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci"),
        QStringLiteral("USE `tesselmar`"),
    };
    for (const TableDef &t : SchemaTables())
        sql << CreateTableSql(t);
    for (const char *host : {"localhost", "127.0.0.1", "::1"}) {
        const QString account = QStringLiteral("'root'@") + literal(QLatin1String(host));
        const QString password = literal(QLatin1String(RootPassword));
        sql << QStringLiteral("CREATE USER IF NOT EXISTS %1 IDENTIFIED BY %2").arg(account, password)
            << QStringLiteral("ALTER USER %1 IDENTIFIED BY %2").arg(account, password)
            << QStringLiteral("GRANT ALL PRIVILEGES ON *.* TO %1 WITH GRANT OPTION").arg(account);
    }
    sql << QStringLiteral("FLUSH PRIVILEGES");
    return sql;
}

bool fillDatabase(const QString &socket, QString *error)
{
    const QString name = QStringLiteral("provision-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
        db.setHostName(QStringLiteral("localhost"));
        db.setUserName(QStringLiteral("root"));
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + socket);
        if (!db.open()) {
            ok = fail(error, QStringLiteral("Não foi possível ligar ao servidor: %1").arg(db.lastError().text()));
        } else {
            QSqlQuery q(db);
            for (const QString &statement : schemaStatements()) {
                if (!q.exec(statement)) {
                    ok = fail(error, QStringLiteral("Erro SQL: %1\n%2").arg(q.lastError().text(), statement));
                    break;
                }
            }
            if (ok) {
                // The installer also makes a root account for the machine's
                // host name, without a password: only our three remain.
                QStringList strays;
                if (q.exec(QStringLiteral("SELECT Host FROM mysql.user WHERE User = 'root' AND Host NOT IN "
                                          "('localhost', '127.0.0.1', '::1')")))
                    while (q.next())
                        strays << q.value(0).toString();
                for (const QString &host : strays)
                    if (!q.exec(QStringLiteral("DROP USER 'root'@") + literal(host)))
                        ok = fail(error, QStringLiteral("Erro SQL: %1").arg(q.lastError().text()));
            }
            if (ok) {
                q.prepare(QStringLiteral("INSERT INTO utilizadores (login, password, nivel_acesso) VALUES (?, ?, ?)"));
                q.addBindValue(QStringLiteral("vorel"));
                q.addBindValue(QStringLiteral("vorel"));
                q.addBindValue(1);
                if (!q.exec())
                    ok = fail(error, QStringLiteral("Erro SQL: %1").arg(q.lastError().text()));
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// Waits until the server answers on its socket, or it ends, or the bound.
bool waitForSocket(pid_t pid, const QString &socket, int waitMs)
{
    QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired()) {
        if (!proc::IsAlive(pid))
            return false;
        if (QFileInfo::exists(socket))
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return false;
}

QString serverLogTail()
{
    QFile f(ServerLogPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    return QString::fromLocal8Bit(all.right(2000));
}

// Creates the database in a scratch data folder and moves it into place
// only when everything worked, so an interrupted run leaves no half-made
// database behind.
bool createDatabase(const ProvisionOptions &o, QString *error)
{
    const QString scratch = ServerDataDir() + QStringLiteral(".new");
    QDir(scratch).removeRecursively();
    const QString installer = findTool({QStringLiteral("mariadb-install-db"), QStringLiteral("mysql_install_db")});
    if (installer.isEmpty())
        return fail(error, QStringLiteral("O programa \"mariadb-install-db\" não foi encontrado neste sistema."));
    say(o, QStringLiteral("A criar a base de dados em %1 ...").arg(ServerDataDir()));
    if (!runTool(installer,
                 {QStringLiteral("--defaults-file=") + ServerIniPath(), QStringLiteral("--datadir=") + scratch,
                  QStringLiteral("--auth-root-authentication-method=normal"), QStringLiteral("--skip-test-db")},
                 error))
        return false;

    // No TCP while the database is being made: only this program reaches it.
    int code = 0;
    const pid_t pid = proc::StartDetached(ServerProgramPath(),
                                          {QStringLiteral("--defaults-file=") + ServerIniPath(),
                                           QStringLiteral("--datadir=") + scratch, QStringLiteral("--skip-networking")},
                                          &code);
    if (pid < 0)
        return fail(error, QStringLiteral("Não foi possível iniciar o servidor (código %1).").arg(code));
    bool ok = waitForSocket(pid, ServerSocketPath(), o.waitMs);
    if (!ok)
        fail(error, QStringLiteral("O servidor não arrancou:\n%1").arg(serverLogTail()));
    if (ok)
        ok = fillDatabase(ServerSocketPath(), error);
    if (!proc::TerminateProcess(pid, o.waitMs) && ok)
        ok = fail(error, QStringLiteral("O servidor não terminou."));
    if (!ok) {
        QDir(scratch).removeRecursively();
        return false;
    }
    if (!QDir().rename(scratch, ServerDataDir()))
        return fail(error, QStringLiteral("Não foi possível mover a base de dados para \"%1\".").arg(ServerDataDir()));
    say(o, QStringLiteral("Base de dados \"tesselmar\" criada."));
    return true;
}

} // namespace

QString ServerIniText(const QString &userName, int port)
{
    const QString socket = ServerSocketPath();
    const QString common = QStringLiteral("port=%1\nsocket=%2\ndefault-character-set=utf8mb4\n").arg(port).arg(socket);
    return QStringLiteral("[mysqld]\n"
                          "user=%1\n"
                          "datadir=%2\n"
                          "port=%3\n"
                          "bind-address=127.0.0.1\n"
                          "socket=%4\n"
                          "pid-file=%5\n"
                          "log-error=%6\n"
                          "skip-name-resolve\n"
                          "character-set-server=utf8mb4\n"
                          "collation-server=utf8mb4_unicode_ci\n"
                          "default-storage-engine=InnoDB\n"
                          "innodb_buffer_pool_size=64M\n"
                          "innodb_log_file_size=16M\n"
                          "max_allowed_packet=64M\n"
                          "\n[client]\n%7"
                          "\n[mysqldump]\n%7max_allowed_packet=64M\n"
                          "\n[mysql]\n%7")
        .arg(userName, ServerDataDir())
        .arg(port)
        .arg(socket, ServerPidFilePath(), ServerLogPath(), common);
}

bool ProvisionInstallation(const ProvisionOptions &o, QString *error)
{
    if (o.folder.isEmpty() || !QFileInfo(o.folder).isDir())
        return fail(error, QStringLiteral("A pasta do programa \"%1\" não existe.").arg(o.folder));
    SetAppDir(o.folder);
    if (!makeFolders(error) || !writeIni(o, error) || !linkTools(o, error))
        return false;
    if (QFileInfo::exists(ServerDataDir())) {
        say(o, QStringLiteral("A base de dados já existe em %1; não foi alterada.").arg(ServerDataDir()));
        return true;
    }
    return createDatabase(o, error);
}
