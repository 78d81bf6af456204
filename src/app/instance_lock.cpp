#include "app/instance_lock.h"

#include "platform/globals.h"
#include "platform/prompt/prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::~InstanceLock() { release(); }

QString InstanceLock::LockPath() { return AppDir() + QStringLiteral("AppData/tesselmar.lock"); }

bool InstanceLock::tryAcquire(const QString &path)
{
    if (fd_ >= 0)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void InstanceLock::release()
{
    if (fd_ < 0)
        return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

QString SecondInstanceMessage()
{
    return QStringLiteral("O Tesselmar já está aberto nesta instalação!\r\n"
                          "Feche a outra janela do Tesselmar antes de o abrir de novo.");
}

bool AcquireInstanceLock(InstanceLock &lock)
{
    if (lock.tryAcquire())
        return true;
    ShowMessageDialog(SecondInstanceMessage(), MsgKind::Warning, mbOK);
    return false;
}
