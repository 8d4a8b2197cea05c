#include "logic/maintenance/BackupVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QUrl>

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

// The facts of the volume the folder lies on, with the folder as its place.
BackupVolume volumeAt(const QString& folder, const QStorageInfo& storage) {
    BackupVolume volume;
    volume.rootPath = folder;
    volume.readOnly = storage.isReadOnly();
    volume.writable = QFileInfo(folder).isDir() && QFileInfo(folder).isWritable();
    volume.bytesTotal = storage.bytesTotal() > 0 ? storage.bytesTotal() : 0;
    volume.bytesFree = storage.bytesAvailable() > 0 ? storage.bytesAvailable() : 0;
    return volume;
}

BackupVolume fromStorage(const QStorageInfo& storage) {
    BackupVolume volume = volumeAt(storage.rootPath(), storage);
    volume.name = VolumeName(storage.displayName(), volume.rootPath);
    volume.optical = isOptical(storage);
    volume.removable =
        kernelSaysRemovable(QString::fromLocal8Bit(storage.device())) || mountedForTheUser(volume.rootPath);
    return volume;
}

int rank(const BackupVolume& volume) {
    if (volume.home)
        return 3;
    if (volume.removable || volume.optical)
        return 0;
    return volume.network ? 2 : 1;
}

// File systems of shares on other computers.
bool networkType(const QByteArray& type) {
    static const QList<QByteArray> types = {"nfs",         "nfs4",          "cifs",        "smb3",
                                            "smbfs",       "fuse.sshfs",    "fuse.rclone", "davfs",
                                            "fuse.davfs2", "fuse.smbnetfs", "afs",         "ceph"};
    return types.contains(type);
}

qint64 wholeBlocks(qint64 bytes, qint64 block) {
    return block > 1 ? (bytes + block - 1) / block * block : bytes;
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

MountKind ClassifyMount(const MountEntry& mount) {
    if (mount.type == "fuse.gvfsd-fuse")
        return MountKind::DesktopShares;
    if (networkType(mount.type))
        return MountKind::Network;
    // Only other file systems on a device: not the kernel's, the memory's or a container's
    // layers.
    return mount.device.startsWith(u"/dev/"_s) ? MountKind::Disk : MountKind::Skip;
}

QString DesktopShareName(const QString& folderName) {
    // "kind:key=value,key=value"; values are escaped as in an address.
    const QString kind = folderName.section(u':', 0, 0);
    QString share;
    QString host;
    for (const QString& pair : folderName.section(u':', 1).split(u',')) {
        const QString key = pair.section(u'=', 0, 0);
        const QString value = QUrl::fromPercentEncoding(pair.section(u'=', 1).toUtf8());
        if (key == u"share"_s)
            share = value;
        else if (key == u"server"_s || key == u"host"_s)
            host = value;
    }
    if (host.isEmpty())
        return folderName;
    return u"%1 στο %2"_s.arg(share.isEmpty() ? kind : share, host);
}

QList<BackupVolume> VolumesOfMounts(const QList<MountEntry>& mounts) {
    QList<BackupVolume> volumes;
    for (const MountEntry& mount : mounts) {
        switch (ClassifyMount(mount)) {
        case MountKind::Skip:
            break;
        case MountKind::Disk:
            volumes << fromStorage(QStorageInfo(mount.rootPath));
            break;
        case MountKind::Network: {
            BackupVolume volume = volumeAt(mount.rootPath, QStorageInfo(mount.rootPath));
            volume.name =
                mountedForTheUser(mount.rootPath) ? QFileInfo(mount.rootPath).fileName() : mount.device;
            volume.network = true;
            volumes << volume;
            break;
        }
        case MountKind::DesktopShares: {
            const QDir shares(mount.rootPath);
            for (const QString& folder : shares.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
                const QString path = shares.filePath(folder);
                BackupVolume volume = volumeAt(path, QStorageInfo(path));
                volume.name = DesktopShareName(folder);
                volume.network = true;
                volumes << volume;
            }
            break;
        }
        }
    }
    return volumes;
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
    QList<MountEntry> mounts;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid() && storage.isReady())
            mounts << MountEntry{QString::fromLocal8Bit(storage.device()), storage.rootPath(),
                                 storage.fileSystemType()};
    }
    QList<BackupVolume> mounted = VolumesOfMounts(mounts);
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
    const QStorageInfo storage(folder);
    BackupVolume volume = volumeAt(QDir(folder).absolutePath(), storage);
    volume.name = VolumeName(storage.displayName(), storage.rootPath());
    volume.optical = isOptical(storage);
    volume.network = networkType(storage.fileSystemType()) || storage.fileSystemType() == "fuse.gvfsd-fuse";
    return volume;
}

QList<BackupVolume> CurrentBackupVolumes() {
    return source() ? source()() : SystemBackupVolumes();
}

void SetBackupVolumeSource(std::function<QList<BackupVolume>()> volumes) {
    source() = std::move(volumes);
}

qint64 AvailableSpace(const BackupVolume& volume, const QString& databaseName) {
    if (!volume.readyForBackup())
        return 0;
    const QFileInfo oldBackup(QDir(volume.rootPath).filePath(databaseName));
    return volume.bytesFree + (oldBackup.isFile() ? oldBackup.size() : 0);
}

bool BackupFits(qint64 availableSpace, qint64 databaseLength) {
    return availableSpace > databaseLength;
}

BackupRoom RoomForBackup(const BackupVolume& volume, const QString& databaseName, qint64 databaseLength) {
    if (!volume.readyForBackup())
        return BackupRoom::None;
    // A share that does not tell its space is tried; a full one says so when written to.
    if (!volume.spaceKnown())
        return BackupRoom::Beside;
    QStorageInfo now(volume.rootPath);
    now.refresh();
    qint64 free = volume.bytesFree;
    qint64 block = 1;
    if (now.isValid() && now.isReady()) {
        free = qMin(free, qMax<qint64>(0, now.bytesAvailable()));
        block = qMax(1, now.blockSize());
    }
    const QFileInfo oldBackup(QDir(volume.rootPath).filePath(databaseName));
    const qint64 old = oldBackup.isFile() ? oldBackup.size() : 0;
    const qint64 needed = wholeBlocks(databaseLength, block);
    if (!BackupFits(free + old, databaseLength))
        return BackupRoom::None;
    if (free > needed)
        return BackupRoom::Beside;
    return free + wholeBlocks(old, block) >= needed ? BackupRoom::InPlaceOfOld : BackupRoom::None;
}
