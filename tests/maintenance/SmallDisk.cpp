#include "SmallDisk.h"

#include <QProcess>

#include <unistd.h>

namespace {

QString run(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("mount"), arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("mount did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return {};
}

} // namespace

SmallDisk::SmallDisk(qint64 bytes) {
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("mounting needs root");
        return;
    }
    // tmpfs counts its size in whole pages.
    const qint64 kilobytes = (bytes + 4095) / 4096 * 4;
    m_reason =
        run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
             QStringLiteral("size=%1k,mode=0777").arg(kilobytes), QStringLiteral("tmpfs"), m_dir.path()});
    m_mounted = m_reason.isEmpty();
}

SmallDisk::~SmallDisk() {
    if (!m_mounted)
        return;
    QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
}

bool SmallDisk::makeReadOnly() {
    return m_mounted && run({QStringLiteral("-o"), QStringLiteral("remount,ro"), m_dir.path()}).isEmpty();
}
