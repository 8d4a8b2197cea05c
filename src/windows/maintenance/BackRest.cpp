#include "windows/maintenance/BackRest.h"

#include "logic/core/database/Database.h"
#include "logic/core/database/ServerDatabase.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/maintenance/BackupRestore.h"
#include "logic/maintenance/ServerBackup.h"
#include "logic/records/LbPopUp.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/MdiHost.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Byte counts with the digits grouped in thousands by the Greek point.
QString Grouped(qint64 bytes) {
    static const QLocale greek(QLocale::Greek, QLocale::Greece);
    return greek.toString(bytes);
}

QLabel* ValueLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(320);
    return label;
}

} // namespace

BackRest::BackRest(QWidget* parent) : QDialog(parent) {
    setObjectName(WindowName::BackRest);
    setWindowTitle(u"Φύλαξη-Φόρτωση Αρχείων"_s);
    // The file is copied and replaced with the connection closed; an office's server database
    // is copied by pg_dump through a connection of its own.
    if (!OfficeMode())
        CloseDatabase();

    m_tools = new QToolBar(this);
    m_tools->setObjectName(u"Tools"_s);
    m_tools->setIconSize(QSize(32, 32));
    m_tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const struct {
        QString caption, picture, theme;
        QStyle::StandardPixmap standard;
    } buttons[] = {
        {u"Φύλαξη"_s, u"Backup.Bmp"_s, u"document-save"_s, QStyle::SP_DialogSaveButton},
        {u"Φόρτωση"_s, u"Restore.Bmp"_s, u"document-revert"_s, QStyle::SP_BrowserReload},
        {u"Εξοδος"_s, u"Exit.Bmp"_s, u"application-exit"_s, QStyle::SP_DialogCloseButton},
    };
    for (int i = 0; i < 3; ++i) {
        QAction* action = m_tools->addAction(
            ToolbarPicture(buttons[i].picture, buttons[i].theme, buttons[i].standard), buttons[i].caption);
        action->setObjectName(u"Tools_%1"_s.arg(i + 1));
        action->setToolTip(buttons[i].caption);
        connect(action, &QAction::triggered, this, [this, i] { runAction(i + 1); });
    }

    m_disk = new QComboBox(this);
    m_disk->setObjectName(u"Disk"_s);
    m_fileName = ValueLabel(u"FileName"_s, this);
    m_fileSize = ValueLabel(u"FileSize"_s, this);
    m_diskSize = ValueLabel(u"DiskSize"_s, this);
    m_freeSize = ValueLabel(u"FreeSize"_s, this);
    for (QLabel* number : {m_fileSize, m_diskSize, m_freeSize})
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_progBar = new QProgressBar(this);
    m_progBar->setObjectName(u"ProgBar"_s);
    m_progBar->setRange(0, 1);
    m_progBar->setValue(0);
    m_progBar->setTextVisible(false);

    auto* grid = new QGridLayout;
    const QStringList captions = {u"Δίσκος:"_s, u"Αρχείο:"_s, u"Μέγεθος:"_s, u"Χωρητικότητα:"_s,
                                  u"Ελεύθερα:"_s};
    const QList<QWidget*> values = {m_disk, m_fileName, m_fileSize, m_diskSize, m_freeSize};
    for (int i = 0; i < captions.size(); ++i) {
        auto* caption = new QLabel(captions[i], this);
        caption->setObjectName(u"Lbl_%1"_s.arg(i));
        caption->setBuddy(values[i]);
        grid->addWidget(caption, i, 0);
        grid->addWidget(values[i], i, 1);
    }
    grid->addWidget(m_progBar, captions.size(), 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(m_tools);
    auto* fields = new QWidget(this);
    fields->setLayout(grid);
    layout->addWidget(fields);

    m_volumes = CurrentBackupVolumes();
    for (const BackupVolume& volume : m_volumes)
        m_disk->addItem(volume.caption(), volume.rootPath);
    m_disk->setCurrentIndex(-1);
    connect(m_disk, &QComboBox::activated, this, &BackRest::chooseDisk);
    showDatabaseFile();

    SetInputOrder({m_disk});
    auto* keys = new FormKeys(this, nullptr, nullptr);
    keys->setExitAction([this] { runAction(3); });
    keys->setAcceptAction([this] { showActions(); });
    ColourForm(this);
}

void BackRest::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred in the main window's inner area.
    if (const QWidget* area = MdiHost::instance(); area && area->isVisible())
        move(area->mapToGlobal(area->rect().center()) - rect().center());
    m_disk->setFocus();
}

QString BackRest::backupName() {
    return OfficeMode() ? ServerBackupFileName : DatabaseFileName;
}

qint64 BackRest::databaseSize() {
    if (OfficeMode())
        return qMax<qint64>(0, ServerDatabaseSize(DbConnection()));
    const QFileInfo database(AppFile(DatabaseFileName));
    return database.exists() ? database.size() : 0;
}

void BackRest::showDatabaseFile() {
    m_fileName->setText(
        OfficeMode() ? DatabasePanelText()
                     : QDir::toNativeSeparators(QFileInfo(AppFile(DatabaseFileName)).absoluteFilePath()));
    m_fileSize->setText(Grouped(databaseSize()));
}

void BackRest::clearDisk() {
    m_chosen = {};
    m_disk->setCurrentIndex(-1);
    m_diskSize->clear();
    m_freeSize->clear();
}

void BackRest::chooseDisk(int index) {
    const QString root = m_disk->itemData(index).toString();
    // The facts of the moment: a stick may have been filled or pulled out since the window opened.
    std::optional<BackupVolume> volume;
    for (const BackupVolume& candidate : CurrentBackupVolumes()) {
        if (candidate.rootPath == root)
            volume = candidate;
    }
    // A read-only medium or a disc is chosen too: a restore only reads from it.
    if (!volume || !QFileInfo(volume->rootPath).isDir()) {
        ShowMsg(25);
        clearDisk();
        return;
    }
    m_chosen = *volume;
    m_diskSize->setText(Grouped(m_chosen.bytesTotal));
    m_freeSize->setText(Grouped(m_chosen.bytesFree));
}

void BackRest::runAction(int number) {
    if (m_busy)
        return;
    if (number == 1)
        backup();
    else if (number == 2)
        restore();
    else if (number == 3)
        reject();
}

void BackRest::showActions() {
    if (m_busy)
        return;
    runAction(AskPopUp(u"Φύλαξη|Φόρτωση|Εξοδος|"_s));
}

void BackRest::setBusy(bool busy) {
    m_busy = busy;
    for (QAction* action : m_tools->actions())
        action->setEnabled(!busy);
}

void BackRest::showProgress(qint64 done, qint64 total) {
    // The server's tools do not tell how far they are: the bar shows that they work.
    if (total <= 0) {
        m_progBar->setRange(0, 0);
        m_progBar->repaint();
        return;
    }
    // A bar counts in int: a file past 2 GB is counted in kilobytes.
    const int shift = total > std::numeric_limits<int>::max() ? 10 : 0;
    m_progBar->setRange(0, int(qMax<qint64>(1, total >> shift)));
    m_progBar->setValue(int(done >> shift));
    m_progBar->repaint();
}

MaintenanceOutcome BackRest::runCopy(const std::function<MaintenanceOutcome(const CopyProgress&)>& copy) {
    setBusy(true);
    const MaintenanceOutcome outcome = copy([this](qint64 done, qint64 total) { showProgress(done, total); });
    ShowMaintenanceOutcome(outcome);
    // The server's tools leave the bar showing that they work; it stands still again.
    if (m_progBar->maximum() == 0)
        m_progBar->setRange(0, 1);
    m_progBar->setValue(0);
    setBusy(false);
    return outcome;
}

void BackRest::backup() {
    if (m_disk->currentIndex() < 0)
        return;
    // The space of this moment, before anything is touched.
    const BackupRoom room = RoomForBackup(m_chosen, backupName(), databaseSize());
    if (room == BackupRoom::None && m_chosen.readyForBackup()) {
        ShowMsg(26);
        return;
    }
    // pg_dump writes beside the old backup only: the server's dump never takes its place.
    if (room == BackupRoom::InPlaceOfOld && OfficeMode()) {
        ShowMsg(26);
        return;
    }
    const bool removeOld = room == BackupRoom::InPlaceOfOld;
    if (removeOld && ShowBox(u"Φύλαξη Αρχείου"_s, RemoveOldBackupQuestion(m_chosen), MsgIcon::Warning,
                             MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    const MaintenanceOutcome outcome = runCopy([this, removeOld](const CopyProgress& progress) {
        if (OfficeMode())
            return BackupServerDatabase(DatabaseServerSetting(), m_chosen.rootPath, progress);
        return BackupDatabase(AppFile(DatabaseFileName), m_chosen, progress, removeOld);
    });
    if (outcome.inUse()) {
        reject();
        return;
    }
    chooseDisk(m_disk->currentIndex());
}

void BackRest::restore() {
    if (m_disk->currentIndex() < 0)
        return;
    const QString backupFile = QDir(m_chosen.rootPath).filePath(backupName());
    // A missing backup, or a file that is not a database of the program, is refused before
    // the question.
    if (const MaintenanceOutcome check =
            OfficeMode() ? CheckServerBackupFile(backupFile) : CheckBackupFile(backupFile);
        !check.ok()) {
        ShowMaintenanceOutcome(check);
        return;
    }
    if (ShowBox(u"Φόρτωση Αρχείου"_s,
                u"ΠΡΟΣΟΧΗ!!!\r\nTo αρχείο του προγράμματος θα αντικατασταθεί από το BackUp αρχείο."_s,
                MsgIcon::Information, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    if (OfficeMode()) {
        // The program's own connection is not one of the others that refuse the restore;
        // it comes back with the restored parameters.
        CloseDatabase();
        runCopy([&backupFile](const CopyProgress& progress) {
            return RestoreServerDatabase(DatabaseServerSetting(), backupFile, progress);
        });
        OpenDatabase();
    } else {
        runCopy([&backupFile](const CopyProgress& progress) {
            return RestoreDatabase(AppFile(DatabaseFileName), backupFile, progress);
        });
    }
    showDatabaseFile();
}

void BackRest::done(int result) {
    if (m_busy)
        return;
    // The connection comes back with the parameters of the database now in place; the main
    // window ends the program when it could not.
    if (!m_reopened) {
        m_reopened = true;
        if (!OfficeMode() || !DbConnection().isOpen())
            OpenDatabase();
    }
    QDialog::done(result);
}
