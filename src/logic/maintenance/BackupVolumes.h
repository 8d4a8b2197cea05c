#pragma once

#include <QList>
#include <QString>
#include <functional>

// The places a backup can go: mounted disks and the user's home folder. There are no drive
// letters here; a volume is known by its name and the folder it is mounted on.
struct BackupVolume {
    QString name;     // the volume's label, or its mount point when it has none
    QString rootPath; // the folder the backup file goes into
    bool removable = false;
    bool optical = false;
    bool readOnly = false;
    bool writable = true; // the user may create files in rootPath
    bool home = false;
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0;

    // Read-only and optical media are listed but not ready, and so is a volume gone away.
    bool ready() const { return !optical && !readOnly && writable; }
    // "name (mount point)", or the mount point alone when the volume has no name of its own.
    QString caption() const;
};

// The name of a volume: its label, else for a medium under /media (or /run/media, /mnt) the
// name of its folder, else its mount point.
QString VolumeName(const QString& label, const QString& rootPath);

// The volumes offered, in order: removable media, then other disks, then the home folder.
// Volumes the user cannot write to are left out, except read-only and optical media, which
// are offered and refused when chosen, as a user expects to see the stick or disc he put in.
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
