#include "platform/server/server_paths.h"

#include "platform/globals.h"

#include <QCryptographicHash>
#include <QDir>

#include <sys/un.h>

QString ServerFolder() { return AppDir() + QStringLiteral("AppData/mysql/"); }
QString ServerIniPath() { return ServerFolder() + QStringLiteral("my.ini"); }
QString ServerToolsDir() { return ServerFolder() + QStringLiteral("bin/"); }
QString ServerProgramPath() { return ServerToolsDir() + QStringLiteral("mysqld_server"); }
QString ServerDataDir() { return ServerFolder() + QStringLiteral("data"); }
QString ServerPidFilePath() { return ServerFolder() + QStringLiteral("mysqld.pid"); }
QString ServerLogPath() { return ServerFolder() + QStringLiteral("mysqld.err"); }

QString ServerSocketPath()
{
    const QString inside = ServerFolder() + QStringLiteral("mysqld.sock");
    if (size_t(inside.toLocal8Bit().size()) < sizeof(sockaddr_un::sun_path))
        return inside;
    const QByteArray hash = QCryptographicHash::hash(AppDir().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() + QStringLiteral("/tesselmar-%1.sock").arg(QString::fromLatin1(hash));
}

int PrivateServerPort()
{
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("TESSELMAR_DB_PORT", &ok);
    return ok && port > 0 && port < 65536 ? port : 3307;
}

QStringList ServerArguments() { return {QStringLiteral("--defaults-file=") + ServerIniPath()}; }
