#include "logic/core/files/ShippedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Whether path lies inside folder (both made canonical, so links do not fool it).
bool isInside(const QString& path, const QString& folder) {
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalPath.isEmpty() && !canonicalFolder.isEmpty() &&
           (canonicalPath == canonicalFolder || canonicalPath.startsWith(canonicalFolder + QLatin1Char('/')));
}

} // namespace

QString ShippedFolderFor(const QString& executableFolder) {
    if (isInside(executableFolder, QStringLiteral(ORVA_BUILD_TREE)))
        return QFileInfo(QStringLiteral(ORVA_BUILD_SHIPPED_DIR)).isDir()
                   ? QStringLiteral(ORVA_BUILD_SHIPPED_DIR)
                   : QString();
    const QString beside = QDir(executableFolder).filePath(QStringLiteral(ORVA_SHIPPED_FROM_BIN));
    if (QFileInfo(beside).isDir())
        return QDir::cleanPath(beside);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("orva"),
                                  QStandardPaths::LocateDirectory);
}

QString ShippedFolder() {
    return ShippedFolderFor(QCoreApplication::applicationDirPath());
}

QString CopyShippedFiles(const QString& shippedFolder, const QString& dataFolder) {
    const QDir from(shippedFolder);
    const QDir to(dataFolder);
    QDirIterator it(shippedFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = from.relativeFilePath(source);
        const QString target = to.filePath(relative);
        if (QFileInfo::exists(target))
            continue;
        if (!to.mkpath(QFileInfo(relative).path()) || !QFile::copy(source, target))
            return QStringLiteral("Δεν αντιγράφηκε το %1 στο %2.").arg(source, target);
        // The installed files are read-only; the user's copies are the user's to change.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return {};
}
