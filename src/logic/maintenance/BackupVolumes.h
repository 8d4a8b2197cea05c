#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// The places a backup can go: mounted disks, shares of the network and the user's home
// folder. There are no drive letters here; a volume is known by its name and the folder it
// is mounted on.
struct BackupVolume {
    QString name;     // the volume's label, or its mount point when it has none
    QString rootPath; // the folder the backup file goes into
    bool removable = false;
    bool optical = false;
    bool network = false; // a share of another computer (NFS, SMB, one the desktop mounted)
    bool readOnly = false;
    bool writable = true; // the user may create files in rootPath
    bool home = false;
    qint64 bytesTotal = 0; // 0 when the volume does not tell (some shares)
    qint64 bytesFree = 0;

    // A backup needs a volume it can write to. A restore only reads: any volume still
    // there serves it, read-only media and discs included.
    bool readyForBackup() const { return !optical && !readOnly && writable; }
    bool spaceKnown() const { return bytesTotal > 0; }
    // "name (mount point)", or the mount point alone when the volume has no name of its own.
    QString caption() const;
};

// The name of a volume: its label, else for a medium under /media (or /run/media, /mnt) the
// name of its folder, else its mount point.
QString VolumeName(const QString& label, const QString& rootPath);

// A file system as the system lists its mounts.
struct MountEntry {
    QString device;   // "/dev/sdb1", "nas:/export", "//nas/backup", "gvfsd-fuse"
    QString rootPath; // where it is mounted
    QByteArray type;  // "vfat", "nfs4", "cifs", "fuse.gvfsd-fuse"
};

// What a mounted file system is to the backup: a disk, a share of the network, the folder
// where the desktop mounts the shares the user opened (each of its folders is a share), or
// nothing for a backup (the kernel's, the memory's, a container's layers).
enum class MountKind { Skip, Disk, Network, DesktopShares };
MountKind ClassifyMount(const MountEntry& mount);

// The name of a share the desktop mounted, from its folder's name:
// "smb-share:server=nas,share=backup" is "backup στο nas".
QString DesktopShareName(const QString& folderName);

// The volumes of the mounts, with the shares found in the desktop's folder of shares.
QList<BackupVolume> VolumesOfMounts(const QList<MountEntry>& mounts);

// The volumes offered, in order: removable media, other disks, shares of the network, then
// the home folder. Volumes the user cannot write to are left out, except read-only and
// optical media, which are offered as a user expects to see the stick or disc he put in:
// a restore may read from them.
QList<BackupVolume> ArrangeBackupVolumes(const QList<BackupVolume>& mounted, const BackupVolume& home);

// What the system reports now: its mounted volumes and the home folder, arranged.
QList<BackupVolume> SystemBackupVolumes();

// The volume a folder lies on, with the folder itself as the place of the backup (the
// command line names a folder, not a volume).
BackupVolume VolumeOfFolder(const QString& folder);

// The volumes the window and the command line see. Tests put volumes of their own in place
// of the system's; an empty source puts the system's back.
QList<BackupVolume> CurrentBackupVolumes();
void SetBackupVolumeSource(std::function<QList<BackupVolume>()> source);

// The space a backup may use on the volume: its free space and the old backup it replaces.
qint64 AvailableSpace(const BackupVolume& volume, const QString& databaseName);
// The backup goes only where the available space is larger than the database file.
bool BackupFits(qint64 availableSpace, qint64 databaseLength);

// Where a new backup finds room on its volume: beside the old one (which it replaces only
// once it is whole), only in the old one's place (the old one has to be removed first), or
// nowhere.
enum class BackupRoom { Beside, InPlaceOfOld, None };
// The facts of this moment: the volume's free space as the system tells it now (never more
// than the volume's own figure), the space the files take in whole blocks.
BackupRoom RoomForBackup(const BackupVolume& volume, const QString& databaseName, qint64 databaseLength);
