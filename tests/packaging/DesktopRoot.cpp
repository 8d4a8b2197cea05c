#include "DesktopRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cerrno>
#include <unistd.h>

namespace {

QString runToEnd(const QString& program, const QStringList& arguments, QByteArray* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000) || !process.waitForFinished(120000))
        return program + QStringLiteral(": ") + process.errorString();
    *output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(" ") + arguments.join(u' ') + QStringLiteral(": ") +
               QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

} // namespace

QString MakeDesktopRoot(const QString& root, const QStringList& packages) {
    QByteArray listed;
    if (QString error =
            runToEnd(QStringLiteral("dpkg"), QStringList{QStringLiteral("-L")} + packages, &listed);
        !error.isEmpty())
        return error;
    int copied = 0;
    for (const QByteArray& line : listed.split('\n')) {
        const QString path = QString::fromLocal8Bit(line.trimmed());
        const QFileInfo info(path);
        // Folders come with the files in them (a link to a folder, as /lib on a merged /usr,
        // too); what is left are files and links to files.
        if (!path.startsWith(u'/') || info.isDir() || (!info.exists() && !info.isSymLink()))
            continue;
        const QString target = root + path;
        if (!QDir().mkpath(QFileInfo(target).path()))
            return QStringLiteral("%1 cannot be made").arg(QFileInfo(target).path());
        if (info.isSymLink()) {
            char link[4096];
            const ssize_t length = ::readlink(QFile::encodeName(path).constData(), link, sizeof link - 1);
            if (length < 0)
                return QStringLiteral("the link %1 cannot be read").arg(path);
            link[length] = '\0';
            if (::symlink(link, QFile::encodeName(target).constData()) != 0 && errno != EEXIST)
                return QStringLiteral("the link %1 cannot be made").arg(target);
        } else if (!QFile::exists(target) && !QFile::copy(path, target)) {
            return QStringLiteral("%1 cannot be copied to %2").arg(path, target);
        }
        ++copied;
    }
    if (copied == 0)
        return QStringLiteral("dpkg -L listed no files of %1").arg(packages.join(u' '));
    for (const char* folder : {"proc", "tmp"})
        QDir(root).mkpath(QString::fromLatin1(folder));
    return {};
}

QStringList CommandInRoot(const QString& root, const QString& program) {
    QStringList command{QStringLiteral("/usr/bin/unshare")};
    if (geteuid() != 0)
        command << QStringLiteral("--user") << QStringLiteral("--map-root-user");
    command << QStringLiteral("--mount") << QStringLiteral("--pid") << QStringLiteral("--fork")
            << QStringLiteral("--kill-child") << QStringLiteral("--mount-proc=") + QDir(root).filePath("proc")
            << QStringLiteral("/usr/sbin/chroot") << root << program;
    return command;
}
