#include "logic/maintenance/BackupVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

std::function<QList<BackupVolume>()>& source() {
    static std::function<QList<BackupVolume>()> current;
    return current;
}

// The kernel marks sticks and card readers removable on the whole disk, which a
// partition's folder in /sys sits inside.
bool kernelSaysRemovable(const QString& device) {
    if (!device.startsWith(u"/dev/"_s))
        return false;
    const QString block =
        QFileInfo(u"/sys/class/block/"_s + QFileInfo(device).fileName()).canonicalFilePath();
    if (block.isEmpty())
        return false;
    for (const QString& candidate : {block + u"/removable"_s, block + u"/../removable"_s}) {
        QFile flag(candidate);
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
    }
    return false;
}

// The desktop mounts what the user plugs in under /media or /run/media.
bool mountedForTheUser(const QString& root) {
    return root.startsWith(u"/media/"_s) || root.startsWith(u"/run/media/"_s) || root.startsWith(u"/mnt/"_s);
}

bool isOptical(const QStorageInfo& storage) {
    const QByteArray type = storage.fileSystemType();
    const QString device = QString::fromLocal8Bit(storage.device());
    return type == "iso9660" || type == "udf" || device.startsWith(u"/dev/sr"_s) ||
           device.startsWith(u"/dev/cdrom"_s);
}

BackupVolume fromStorage(const QStorageInfo& storage) {
    BackupVolume volume;
    volume.rootPath = storage.rootPath();
    volume.name = VolumeName(storage.displayName(), volume.rootPath);
    volume.readOnly = storage.isReadOnly();
    volume.optical = isOptical(storage);
    volume.removable =
        kernelSaysRemovable(QString::fromLocal8Bit(storage.device())) || mountedForTheUser(volume.rootPath);
    volume.writable = QFileInfo(volume.rootPath).isWritable();
    volume.bytesTotal = storage.bytesTotal();
    volume.bytesFree = storage.bytesAvailable();
    return volume;
}

int rank(const BackupVolume& volume) {
    if (volume.home)
        return 2;
    return volume.removable || volume.optical ? 0 : 1;
}

} // namespace

QString VolumeName(const QString& label, const QString& rootPath) {
    if (!label.isEmpty() && label != rootPath)
        return label;
    // Without its label at hand, a medium the desktop mounted is named by its folder, which
    // the desktop names after the label.
    return mountedForTheUser(rootPath) ? QFileInfo(rootPath).fileName() : rootPath;
}

QString BackupVolume::caption() const {
    if (name.isEmpty() || name == rootPath)
        return rootPath;
    return u"%1 (%2)"_s.arg(name, rootPath);
}

QList<BackupVolume> ArrangeBackupVolumes(const QList<BackupVolume>& mounted, const BackupVolume& home) {
    QList<BackupVolume> offered;
    for (const BackupVolume& volume : mounted) {
        // A disk the user may not write to (the system's own) is no place for a backup;
        // media that cannot be written at all are still shown, to be refused.
        if (volume.writable || volume.readOnly || volume.optical)
            offered << volume;
    }
    std::stable_sort(offered.begin(), offered.end(),
                     [](const BackupVolume& a, const BackupVolume& b) { return rank(a) < rank(b); });
    BackupVolume last = home;
    last.home = true;
    offered << last;
    return offered;
}

QList<BackupVolume> SystemBackupVolumes() {
    QList<BackupVolume> mounted;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady())
            continue;
        // Only volumes on a device: not the kernel's, the memory's or a container's layers.
        if (!storage.device().startsWith("/dev/"))
            continue;
        mounted << fromStorage(storage);
    }
    const QString homePath = QDir::homePath();
    BackupVolume home = fromStorage(QStorageInfo(homePath));
    home.name = u"Προσωπικός φάκελος"_s;
    home.rootPath = homePath;
    home.removable = false;
    home.optical = false;
    home.writable = QFileInfo(homePath).isWritable();
    // The home folder's own volume is already offered as the home folder.
    mounted.erase(std::remove_if(mounted.begin(), mounted.end(),
                                 [&](const BackupVolume& v) { return v.rootPath == homePath; }),
                  mounted.end());
    return ArrangeBackupVolumes(mounted, home);
}

BackupVolume VolumeOfFolder(const QString& folder) {
    BackupVolume volume = fromStorage(QStorageInfo(folder));
    volume.rootPath = QDir(folder).absolutePath();
    volume.writable = QFileInfo(folder).isDir() && QFileInfo(folder).isWritable();
    return volume;
}

QList<BackupVolume> CurrentBackupVolumes() {
    return source() ? source()() : SystemBackupVolumes();
}

void SetBackupVolumeSource(std::function<QList<BackupVolume>()> volumes) {
    source() = std::move(volumes);
}

qint64 AvailableSpace(const BackupVolume& volume, const QString& databaseName) {
    if (!volume.ready())
        return 0;
    const QFileInfo oldBackup(QDir(volume.rootPath).filePath(databaseName));
    return volume.bytesFree + (oldBackup.isFile() ? oldBackup.size() : 0);
}

bool BackupFits(qint64 availableSpace, qint64 databaseLength) {
    return availableSpace > databaseLength;
}
