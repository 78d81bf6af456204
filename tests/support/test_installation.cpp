#include "test_installation.h"

#include "app/server_switch.h"
#include "data/schema.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"

#include "platform/process/process.h"
#include "platform/server/server_paths.h"

#include <QProcess>

#include <arpa/inet.h>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// When a test crashes or is aborted, no destructor runs: the server would
// outlive the test. The fatal-signal handler kills the server processes
// recorded here (after checking in /proc that they still are that server)
// and then lets the previous handler report the crash.
struct CrashGuard {
    static constexpr int MaxPids = 8;
    char program[512] = {};
    char cmdlinePath[MaxPids][40] = {};
    pid_t pids[MaxPids] = {};
    struct sigaction previous[NSIG] = {};
};
CrashGuard crashGuard;
constexpr int FatalSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTERM, SIGINT, SIGHUP};

void killRecordedServers()
{
    for (int i = 0; i < CrashGuard::MaxPids; ++i) {
        if (crashGuard.pids[i] <= 0)
            continue;
        char buffer[512] = {};
        const int fd = ::open(crashGuard.cmdlinePath[i], O_RDONLY);
        if (fd < 0)
            continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
        ::close(fd);
        if (n > 0 && std::strcmp(buffer, crashGuard.program) == 0)
            ::kill(crashGuard.pids[i], SIGKILL);
    }
}

void onFatalSignal(int sig)
{
    killRecordedServers();
    sigaction(sig, &crashGuard.previous[sig], nullptr);
    raise(sig);
}

void installCrashGuard()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (int sig : FatalSignals) {
        struct sigaction action {};
        action.sa_handler = onFatalSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(sig, &action, &crashGuard.previous[sig]);
    }
}

// Records the running server processes of the current installation.
void recordServers()
{
    const QByteArray program = QFile::encodeName(ServerProgramPath());
    qstrncpy(crashGuard.program, program.constData(), sizeof crashGuard.program);
    int i = 0;
    for (const proc::ProcessInfo &p : proc::RunningProcesses()) {
        if (i == CrashGuard::MaxPids || !proc::MatchesName(p, ServerProgramPath()))
            continue;
        qsnprintf(crashGuard.cmdlinePath[i], sizeof crashGuard.cmdlinePath[i], "/proc/%d/cmdline", int(p.pid));
        crashGuard.pids[i++] = p.pid;
    }
    for (; i < CrashGuard::MaxPids; ++i)
        crashGuard.pids[i] = 0;
}

} // namespace

int FreeLocalPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

bool RunSetup(const QString &folder, int port, QString *output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(TESSELMAR_SETUP_BIN), {folder, QStringLiteral("--port"), QString::number(port)});
    const bool finished = p.waitForFinished(300000);
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

TestInstallation &TestInstallation::instance()
{
    static TestInstallation installation;
    return installation;
}

TestInstallation::TestInstallation() : dir_(QDir::tempPath() + QStringLiteral("/tesselmar-test-XXXXXX"))
{
    if (!dir_.isValid())
        qFatal("TestInstallation: no temporary folder");
    installCrashGuard();
    port_ = FreeLocalPort();
    QString output;
    if (!RunSetup(dir_.path(), port_, &output))
        qFatal("TestInstallation: tesselmar-setup failed:\n%s", qPrintable(output));
    SetAppDir(dir_.path());
    folder_ = AppDir();
    db_ = std::make_unique<ds::Connection>(QStringLiteral("test-installation"));
    start();
}

TestInstallation::~TestInstallation() { stop(); }

ds::ConnectionParams TestInstallation::params() const
{
    ds::ConnectionParams p;
    p.port = port_;
    return p;
}

void TestInstallation::start()
{
    qputenv("TESSELMAR_DB_PORT", QByteArray::number(port_));
    SetAppDir(folder_);
    db_->setParams(params());
    // A failure would show a message box; here it is recorded and reported.
    prompt::Script script;
    running_ = StartConnectionAttempts(*db_, 3);
    recordServers();
    if (!running_)
        qFatal("TestInstallation: the server did not start: %s\n%s", qPrintable(script.texts().join("\n")),
               qPrintable(LastErrorDetail));
}

void TestInstallation::activate()
{
    qputenv("TESSELMAR_DB_PORT", QByteArray::number(port_));
    SetAppDir(folder_);
    db_->setParams(params());
    bool alive = db_->isOpen();
    if (alive) {
        try {
            db_->exec(QStringLiteral("SELECT 1"));
        } catch (const ds::DbError &) {
            alive = false;
        }
    }
    if (!alive)
        start();
    recordServers();
}

void TestInstallation::reset() { reset(*db_); }

void TestInstallation::reset(ds::Connection &db)
{
    db.exec(QStringLiteral("SET FOREIGN_KEY_CHECKS = 0"));
    for (const TableDef &t : SchemaTables())
        db.exec(QStringLiteral("TRUNCATE TABLE `%1`").arg(t.name));
    db.exec(QStringLiteral("SET FOREIGN_KEY_CHECKS = 1"));
    db.exec(QStringLiteral("INSERT INTO utilizadores (login, password, nivel_acesso) VALUES (?, ?, ?)"),
            {QStringLiteral("vorel"), QStringLiteral("vorel"), 1});
}

void TestInstallation::stop()
{
    if (!running_)
        return;
    running_ = false;
    SetAppDir(folder_);
    SwitchDatabaseServer(*db_, false);
    recordServers();
}
