#include "platform/process/process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace proc {

namespace {

// Children started by StartDetached that have not been reaped yet.
std::set<pid_t> &startedChildren()
{
    static std::set<pid_t> children;
    return children;
}

QByteArray readProcFile(pid_t pid, const char *name)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The state letter of /proc/<pid>/stat ('R', 'S', 'Z', ...), 0 when gone.
char processState(pid_t pid)
{
    const QByteArray stat = readProcFile(pid, "stat");
    const int close = stat.lastIndexOf(')');
    if (close < 0 || close + 2 >= stat.size())
        return 0;
    return stat.at(close + 2);
}

void pause(int ms)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
    QThread::msleep(ms);
}

} // namespace

void ReapChildren()
{
    auto &children = startedChildren();
    for (auto it = children.begin(); it != children.end();) {
        int status = 0;
        const pid_t r = waitpid(*it, &status, WNOHANG);
        if (r == *it || (r < 0 && errno == ECHILD))
            it = children.erase(it);
        else
            ++it;
    }
}

QList<ProcessInfo> RunningProcesses()
{
    ReapChildren();
    QList<ProcessInfo> out;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool ok = false;
        const pid_t pid = entry.toInt(&ok);
        if (!ok || pid <= 0)
            continue;
        const char state = processState(pid);
        if (state == 0 || state == 'Z' || state == 'X')
            continue;
        const QByteArray cmdline = readProcFile(pid, "cmdline");
        ProcessInfo info;
        info.pid = pid;
        info.exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
        // Kernel threads have neither; a process in the middle of exec may
        // briefly show no command line yet, its executable tells it apart.
        if (cmdline.isEmpty() && info.exe.isEmpty())
            continue;
        QString argv0 = QString::fromLocal8Bit(cmdline.left(cmdline.indexOf('\0')));
        if (!argv0.isEmpty() && QFileInfo(argv0).isRelative() && argv0.contains(QLatin1Char('/'))) {
            const QString cwd = QFile::symLinkTarget(QStringLiteral("/proc/%1/cwd").arg(pid));
            if (!cwd.isEmpty())
                argv0 = QDir::cleanPath(QDir(cwd).filePath(argv0));
        }
        info.argv0 = argv0;
        out << info;
    }
    return out;
}

bool MatchesName(const ProcessInfo &process, const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QString &path : {process.argv0, process.exe}) {
        if (path.isEmpty())
            continue;
        if (path.compare(name, Qt::CaseInsensitive) == 0
            || QFileInfo(path).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool IsAlive(pid_t pid)
{
    if (startedChildren().count(pid)) {
        int status = 0;
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid || (r < 0 && errno == ECHILD)) {
            startedChildren().erase(pid);
            return false;
        }
    }
    const char state = processState(pid);
    return state != 0 && state != 'Z' && state != 'X';
}

bool TerminateProcess(pid_t pid, int waitMs)
{
    if (pid <= 0 || pid == getpid())
        return false;
    if (!IsAlive(pid))
        return true;
    if (kill(pid, SIGTERM) != 0 && errno != ESRCH)
        return false;
    QDeadlineTimer deadline(waitMs);
    while (IsAlive(pid) && !deadline.hasExpired())
        pause(20);
    if (!IsAlive(pid))
        return true;
    // It ignored the request to stop: the last resort.
    kill(pid, SIGKILL);
    QDeadlineTimer killDeadline(5000);
    while (IsAlive(pid) && !killDeadline.hasExpired())
        pause(20);
    return !IsAlive(pid);
}

int StartErrorCode(int err)
{
    switch (err) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM: return 5;
    case ENOMEM: return 8;
    case ENOEXEC: return 11;
    case ETXTBSY: return 26;
    default: return err;
    }
}

pid_t StartDetached(const QString &program, const QStringList &args, int *errorCode)
{
    ReapChildren();
    const QByteArray path = QFile::encodeName(program);
    QList<QByteArray> argBytes{path};
    for (const QString &a : args)
        argBytes << a.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &a : argBytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    // Nothing else of ours (the instance lock, database sockets) goes along.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // A session of its own: the child outlives a closed terminal and gets
    // none of the terminal's signals. Default signal handling and mask.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const int rc = posix_spawn(&pid, path.constData(), &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        if (errorCode)
            *errorCode = StartErrorCode(rc);
        return -1;
    }
    if (errorCode)
        *errorCode = 0;
    startedChildren().insert(pid);
    // posix_spawn returns while the kernel still sets up the new program's
    // arguments; wait (briefly) until the process list shows them, so a
    // caller that looks for the program finds it.
    QDeadlineTimer deadline(1000);
    while (readProcFile(pid, "cmdline").isEmpty() && processState(pid) != 'Z' && processState(pid) != 0
           && !deadline.hasExpired())
        QThread::usleep(500);
    return pid;
}

} // namespace proc

bool IsProcessRunning(const QString &name)
{
    for (const proc::ProcessInfo &p : proc::RunningProcesses())
        if (p.pid != getpid() && proc::MatchesName(p, name))
            return true;
    return false;
}

bool KillProcessByName(const QString &name, int waitMs)
{
    QList<pid_t> targets;
    for (const proc::ProcessInfo &p : proc::RunningProcesses())
        if (p.pid != getpid() && proc::MatchesName(p, name))
            targets << p.pid;
    // Ask them all first, so they shut down side by side.
    for (pid_t pid : targets)
        kill(pid, SIGTERM);
    bool result = false;
    for (pid_t pid : targets)
        result = proc::TerminateProcess(pid, waitMs);
    return result;
}
