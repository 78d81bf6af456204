#pragma once
// The system's process list, stopping processes and starting programs in
// the background. On this platform the list comes from /proc.
#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace proc {

struct ProcessInfo {
    pid_t pid = 0;
    QString argv0; // first argument, made absolute against the process's cwd
    QString exe;   // target of /proc/<pid>/exe (empty when not readable)
};

// Every running process that is not a zombie and has a command line.
QList<ProcessInfo> RunningProcesses();

// True when the file name or the full path of the process (its first
// argument or its executable) equals `name`, without regard to case.
bool MatchesName(const ProcessInfo &process, const QString &name);

// Stops one process cleanly: SIGTERM, then waits up to `waitMs` letting
// pending events run, and SIGKILL only when it is still there. True when
// the process is gone. Never signals the calling process.
bool TerminateProcess(pid_t pid, int waitMs = 30000);

// True while the process exists and has not ended (a zombie has ended).
// Reaps it first when it is a child started by StartDetached.
bool IsAlive(pid_t pid);

// Starts `program` in a session of its own with standard input and output
// on /dev/null. Returns its pid, or -1 with the system's reason in
// `errorCode` (see StartErrorCode).
pid_t StartDetached(const QString &program, const QStringList &args, int *errorCode = nullptr);

// The program's error code for a failed start: the codes the program knows
// from its original platform for the usual reasons, the errno otherwise.
int StartErrorCode(int err);

// Collects the exit status of every child started by StartDetached that
// has ended, so no zombie stays behind.
void ReapChildren();

} // namespace proc

// Whether a process with this file name or full path runs.
bool IsProcessRunning(const QString &name);
// Stops every process with this file name or full path; the result of the
// last termination, false when there was none.
bool KillProcessByName(const QString &name, int waitMs = 30000);
