#pragma once

#include "logic/maintenance/BackupRestore.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QProgressBar;
class QToolBar;

// Backup of the database to a removable medium, another disk, a share of the network or the
// home folder, and its restore (read-only media and discs included). The program's database connection is
// closed while the window is open, so that the file can be copied and replaced, and opened again when it
// closes. An office's server database is backed up with pg_dump and restored with pg_restore instead.
class BackRest : public QDialog {
    Q_OBJECT
public:
    explicit BackRest(QWidget* parent = nullptr);

    void chooseDisk(int index);
    void backup();
    void restore();
    // The action of the toolbar and of the F10 menu: 1 backup, 2 restore, 3 exit.
    void runAction(int number);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showActions();
    void showDatabaseFile();
    // The backup's file name and the size of what it copies, for the file or the server.
    static QString backupName();
    static qint64 databaseSize();
    void clearDisk();
    void setBusy(bool busy);
    void showProgress(qint64 done, qint64 total);
    // Runs a backup or a restore with the toolbar off and the bar showing its progress, and
    // shows how it ended.
    MaintenanceOutcome runCopy(const std::function<MaintenanceOutcome(const CopyProgress&)>& copy);

    QComboBox* m_disk = nullptr;
    QLabel* m_fileName = nullptr;
    QLabel* m_fileSize = nullptr;
    QLabel* m_diskSize = nullptr;
    QLabel* m_freeSize = nullptr;
    QProgressBar* m_progBar = nullptr;
    QToolBar* m_tools = nullptr;
    QList<BackupVolume> m_volumes;
    BackupVolume m_chosen;
    bool m_busy = false;
    bool m_reopened = false;
};
