#include "logic/core/commandline/CommandOutput.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString writeError(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return u"δεν υπάρχει χώρος"_s;
    case EPIPE:
        return u"ο αποδέκτης της εξόδου έκλεισε"_s;
    case EACCES:
    case EPERM:
        return u"δεν επιτρέπεται η εγγραφή"_s;
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// A closed pipe is told by the write's error, not by a signal that ends the program.
class PipeSignalIgnored {
public:
    PipeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, &m_previous);
    }
    ~PipeSignalIgnored() { sigaction(SIGPIPE, &m_previous, nullptr); }
    PipeSignalIgnored(const PipeSignalIgnored&) = delete;
    PipeSignalIgnored& operator=(const PipeSignalIgnored&) = delete;

private:
    struct sigaction m_previous {};
};

} // namespace

OutputKind KindOfOutput(const QString& path) {
    if (path == u"-"_s)
        return OutputKind::StandardOutput;
    // /dev/stdout and /dev/fd/N lead into /proc/self/fd: a file the program holds open.
    QFileInfo link(path);
    for (int depth = 0; depth < 40 && link.isSymLink(); ++depth) {
        const QString target = link.symLinkTarget();
        if (target.startsWith(u"/proc/"_s) || target.startsWith(u"/dev/fd/"_s))
            return OutputKind::Direct;
        link.setFile(target);
    }
    const QFileInfo info(path);
    if (info.absoluteFilePath().startsWith(u"/proc/"_s))
        return OutputKind::Direct;
    return info.exists() && !info.isFile() && !info.isDir() ? OutputKind::Direct : OutputKind::RegularFile;
}

QString SendToOutput(const QString& made, const QString& path) {
    QFile in(made);
    if (!in.open(QIODevice::ReadOnly))
        return u"Το αρχείο %1 δεν διαβάζεται: %2"_s.arg(made, in.errorString());
    const bool standardOutput = path == u"-"_s;
    // Appending keeps what a shell's ">>" asked for; a device or pipe knows no end.
    const int fd = standardOutput
                       ? STDOUT_FILENO
                       : ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const QString where = standardOutput ? u"η τυπική έξοδος"_s : path;
    if (fd < 0)
        return u"Το %1 δεν ανοίγει για εγγραφή: %2"_s.arg(where, writeError(errno));
    const PipeSignalIgnored quietPipe;
    QString problem;
    while (problem.isEmpty() && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty()) {
            problem = u"Το αρχείο %1 δεν διαβάζεται: %2"_s.arg(made, in.errorString());
            break;
        }
        for (qsizetype written = 0; written < chunk.size();) {
            const ssize_t n = ::write(fd, chunk.constData() + written, size_t(chunk.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                problem = u"Η εγγραφή στο %1 απέτυχε: %2"_s.arg(where, writeError(n < 0 ? errno : ENOSPC));
                break;
            }
            written += n;
        }
    }
    if (!standardOutput && ::close(fd) != 0 && problem.isEmpty())
        problem = u"Η εγγραφή στο %1 απέτυχε: %2"_s.arg(where, writeError(errno));
    return problem;
}
