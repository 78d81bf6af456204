#pragma once
// One running program per installation: a lock file in AppData held for the
// life of the process. The system releases it when the process ends, also
// after a crash, so a stale file never blocks a new start.
#include <QString>

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // AppDir() + "AppData/tesselmar.lock".
    static QString LockPath();

    // Takes the lock without waiting; false when another instance holds it
    // (or the file cannot be opened).
    bool tryAcquire(const QString &path = LockPath());
    bool isHeld() const { return fd_ >= 0; }
    void release();

private:
    int fd_ = -1;
};

// The text shown to a second instance.
QString SecondInstanceMessage();

// Takes the lock for the program; when another instance of this
// installation runs, says so in a message box and returns false, and the
// caller ends without touching that instance's server.
bool AcquireInstanceLock(InstanceLock &lock);
