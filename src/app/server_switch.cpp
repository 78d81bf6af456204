#include "app/server_switch.h"

#include "platform/dataset/connection.h"
#include "platform/busy_cursor.h"
#include "platform/globals.h"
#include "platform/process/process.h"
#include "platform/prompt/prompt.h"
#include "platform/server/server_paths.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <functional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A process whose file name is this is a database server of some other
// application: its presence refuses the start.
const QString ForeignServerName = QStringLiteral("mysqld");

void pause(int ms)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
    QThread::msleep(ms);
}

bool acceptsConnections(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(quint16(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

// Stops every server process of this installation (and only of this one:
// it is recognised by the full path of its program).
void stopOwnServer()
{
    for (int round = 0; round < 3 && IsProcessRunning(ServerProgramPath()); ++round) {
        KillProcessByName(ServerProgramPath(), ServerSwitchWaits().stopMs);
        QCoreApplication::processEvents();
    }
}

bool waitUntil(int ms, const std::function<bool()> &done, const std::function<bool()> &hopeless)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired() || hopeless())
            return false;
        pause(25);
    }
    return true;
}

void reportConnectError(const QString &code, const QString &state, const QString &className, const QString &message,
                        bool show)
{
    SetLastError(QStringLiteral("LigarServidor"),
                 QStringLiteral("Impossivel ligar servidor MySQL!") + "\r\n" + "\r\n" + "ErroCode: " + code + "\r\n"
                     + "StatusCode: " + state + "\r\n" + "ClassName: " + className + "\r\n" + "Message: " + message);
    if (show)
        ShowMessageDialog(LastErrorDetail, MsgKind::Warning, mbOK);
}

bool startServer(ds::Connection &db)
{
    const ServerWaits waits = ServerSwitchWaits();
    // A server left over from an earlier run is never reused.
    stopOwnServer();

    int code = 0;
    const pid_t pid = proc::StartDetached(ServerProgramPath(), ServerArguments(), &code);
    if (pid < 0) {
        const QString reason = StartRefusalReason(code);
        if (!reason.isEmpty())
            ShowMessageDialog(reason, MsgKind::Warning, mbOK);
        return false; // nothing was started, so nothing can appear
    }

    const bool appeared = waitUntil(
        waits.appearMs, [] { return IsProcessRunning(ServerProgramPath()); }, [pid] { return !proc::IsAlive(pid); });
    if (!appeared) {
        proc::TerminateProcess(pid, waits.stopMs);
        return false;
    }

    const int port = PrivateServerPort();
    waitUntil(
        waits.readyMs, [port] { return acceptsConnections(port); }, [pid] { return !proc::IsAlive(pid); });

    ds::ConnectionParams params = db.params();
    params.port = port;
    db.setParams(params);
    try {
        db.open();
    } catch (const ds::DbError &e) {
        reportConnectError(e.code() ? QString::number(e.code()) : QString(), e.sqlState(), ds::DbError::className(),
                           e.message(), true);
        return false;
    } catch (const std::exception &e) {
        reportConnectError({}, {}, QStringLiteral("Exception"), QString::fromLocal8Bit(e.what()), false);
        return false;
    }
    return db.isOpen();
}

} // namespace

ServerWaits &ServerSwitchWaits()
{
    static ServerWaits waits;
    return waits;
}

QString StartRefusalReason(int code)
{
    switch (code) {
    case 0: return QStringLiteral("The operating system is out of memory or resources.");
    case 2: return QStringLiteral("The specified file was not found.");
    case 3: return QStringLiteral("The specified path was not found.");
    case 5: return QStringLiteral("The operating system denied access to the specified file.");
    case 8: return QStringLiteral("There was not enough memory to complete the operation.");
    case 11: return QStringLiteral("The .exe file is invalid (non-Win32 .exe or error in .exe image).");
    case 26: return QStringLiteral("A sharing violation occurred.");
    case 27: return QStringLiteral("The file name association is incomplete or invalid.");
    case 28: return QStringLiteral("The DDE transaction could not be completed because the request timed out.");
    case 29: return QStringLiteral("The DDE transaction failed.");
    case 30:
        return QStringLiteral(
            "The DDE transaction could not be completed because other DDE transactions were being processed.");
    case 31:
        return QStringLiteral("There is no application associated with the given file name extension. This error "
                              "will also be returned if you attempt to print a file that is not printable.");
    case 32: return QStringLiteral("The specified DLL was not found.");
    default: return {};
    }
}

bool SwitchDatabaseServer(ds::Connection &db, bool start)
{
    BusyCursor busy;
    if (!start) {
        // Stopping never depends on the checks below: whatever happened
        // meanwhile, this installation's server must not outlive the program.
        db.close();
        stopOwnServer();
        return false;
    }
    if (!QFileInfo::exists(ServerIniPath())) {
        ShowMessageDialog(QStringLiteral("O ficheiro \"AppData\\mysql\\my.ini\" não foi encontrado!"), MsgKind::Error,
                          mbOK);
        return false;
    }
    if (!QFileInfo::exists(ServerProgramPath())) {
        ShowMessageDialog(QStringLiteral("O ficheiro \"AppData\\mysql\\bin\\mysqld_server.exe\" não foi encontrado!"),
                          MsgKind::Error, mbOK);
        return false;
    }
    if (IsProcessRunning(ForeignServerName)) {
        ShowMessageDialog(QStringLiteral("Já existe um processo MySQL a correr nesta máquina!\r\nPor favor, feche "
                                         "todas as aplicações que usem o serviço MySQL."),
                          MsgKind::Error, mbOK);
        return false;
    }
    return startServer(db);
}

bool StartConnectionAttempts(ds::Connection &db, int maxAttempts)
{
    for (int attempt = 0; attempt < maxAttempts; ++attempt)
        if (SwitchDatabaseServer(db, true))
            return true;
    return false;
}
