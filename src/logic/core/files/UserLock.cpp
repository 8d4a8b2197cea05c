#include "logic/core/files/UserLock.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
int g_lockFd = -1;
}

bool TakeUserLock() {
    if (g_lockFd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(AppFile(QStringLiteral("Mult.Bt")));
    const int fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (fd >= 0)
            ::close(fd);
        ShowMsg(32);
        return false;
    }
    g_lockFd = fd;
    return true;
}

void ReleaseUserLock() {
    if (g_lockFd < 0)
        return;
    ::close(g_lockFd);
    g_lockFd = -1;
}

bool UserLockHeld() {
    return g_lockFd >= 0;
}
