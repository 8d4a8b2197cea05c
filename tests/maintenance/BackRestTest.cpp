#include "windows/maintenance/BackRest.h"
#include "../core/MainTestSupport.h"
#include "MaintenanceData.h"
#include "ModalDriver.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/database/Database.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/maintenance/BackupRestore.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QTest>

using namespace Qt::StringLiterals;

// The backup window on a data folder and three volumes made of temporary folders: a stick,
// a disc and the home folder.
class BackRestTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void closesTheDatabaseAndShowsTheFileAndTheVolumes();
    void aDiscServesARestoreButNotABackup();
    void anOldBackupGivesWayOnlyAfterTheQuestion();
    void backupToTheStickWithProgress();
    void backupWithoutSpaceTouchesNothing();
    void nothingHappensWithoutAVolume();
    void restoreRefusesAMissingBackupAndAFileOfAnotherKind();
    void restoreAsksAndReplacesTheDatabase();
    void theF10MenuAndEscape();
    void closingThroughTheCatalogueReopensTheDatabaseWithItsParameters();
    void aDatabaseThatCannotBeOpenedAgainEndsTheProgram();

private:
    BackRest* open() {
        m_window = new BackRest(m_frame.get());
        m_window->show();
        return m_window;
    }
    template <typename T> T* control(const char* name) const {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }
    void choose(int index) {
        control<QComboBox>("Disk")->setCurrentIndex(index);
        m_window->chooseDisk(index);
    }
    QString stick() const { return m_folder->file(u"stick"_s); }

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<QMainWindow> m_frame;
    ScriptedDialogs* m_dialogs = nullptr;
    QPointer<BackRest> m_window;
    QList<BackupVolume> m_volumes;
};

void BackRestTest::init() {
    m_folder = std::make_unique<TestDataFolder>();
    m_dialogs = &InstallScriptedDialogs();
    MakeOrvaDatabase(m_folder->file(DatabaseFileName), u"today"_s, 2000);
    QVERIFY(m_folder->openDatabase());
    for (const char* name : {"stick", "disc", "home"})
        QDir(m_folder->path()).mkdir(QString::fromLatin1(name));
    BackupVolume usb{u"STICK"_s, stick()};
    usb.removable = true;
    usb.bytesTotal = 8'004'304'896;
    usb.bytesFree = 7'500'000'000;
    BackupVolume disc{u"CDROM"_s, m_folder->file(u"disc"_s)};
    disc.optical = true;
    disc.readOnly = true;
    BackupVolume home{u"Προσωπικός φάκελος"_s, m_folder->file(u"home"_s)};
    home.bytesTotal = 100'000'000'000;
    home.bytesFree = 1'000;
    m_volumes = ArrangeBackupVolumes({usb, disc}, home);
    SetBackupVolumeSource([this] { return m_volumes; });
    RegisterWindows();
    m_frame = std::make_unique<QMainWindow>();
    m_frame->setCentralWidget(new MdiHost);
    m_frame->resize(900, 700);
    m_frame->show();
}

void BackRestTest::cleanup() {
    if (m_window)
        m_window->done(0);
    delete m_window;
    SetBackupVolumeSource({});
    m_frame.reset();
    m_folder.reset();
}

void BackRestTest::closesTheDatabaseAndShowsTheFileAndTheVolumes() {
    open();
    QVERIFY(!DbConnection().isOpen());
    QCOMPARE(m_window->windowTitle(), u"Φύλαξη-Φόρτωση Αρχείων"_s);
    QCOMPARE(label("FileName"), QDir::toNativeSeparators(m_folder->file(DatabaseFileName)));
    const qint64 length = QFileInfo(m_folder->file(DatabaseFileName)).size();
    QVERIFY(length > 1'000'000 / 20);
    QCOMPARE(label("FileSize"), QLocale(QLocale::Greek).toString(length));
    QVERIFY(label("FileSize").contains(u'.'));
    QStringList captions;
    for (int i = 0; i < 5; ++i)
        captions << control<QLabel>(QStringLiteral("Lbl_%1").arg(i).toLatin1())->text();
    QCOMPARE(captions,
             (QStringList{u"Δίσκος:"_s, u"Αρχείο:"_s, u"Μέγεθος:"_s, u"Χωρητικότητα:"_s, u"Ελεύθερα:"_s}));
    auto* disk = control<QComboBox>("Disk");
    QCOMPARE(disk->count(), 3);
    QCOMPARE(disk->itemText(0), u"STICK (%1)"_s.arg(stick()));
    QCOMPARE(disk->itemText(2), u"Προσωπικός φάκελος (%1)"_s.arg(m_folder->file(u"home"_s)));
    QCOMPARE(disk->currentIndex(), -1);
    QCOMPARE(control<QProgressBar>("ProgBar")->value(), 0);
    QCOMPARE(control<QProgressBar>("ProgBar")->minimum(), 0);
    for (int i = 1; i <= 3; ++i)
        QVERIFY(control<QAction>(QStringLiteral("Tools_%1").arg(i).toLatin1()));
}

void BackRestTest::aDiscServesARestoreButNotABackup() {
    open();
    choose(0);
    QCOMPARE(label("DiskSize"), u"8.004.304.896"_s);
    QCOMPARE(label("FreeSize"), u"7.500.000.000"_s);
    // A disc is chosen without a word: a restore only reads from it.
    MakeOrvaDatabase(m_folder->file(u"disc/IntTvx.db"_s), u"on the disc"_s, 30);
    choose(1);
    QVERIFY(m_dialogs->boxes.isEmpty());
    QCOMPARE(control<QComboBox>("Disk")->currentIndex(), 1);
    control<QAction>("Tools_1")->trigger();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QVERIFY2(m_dialogs->boxes.first().text.contains(u"μόνο ανάγνωση"_s),
             qPrintable(m_dialogs->boxes.first().text));
    m_dialogs->clear();
    m_dialogs->answers = {MsgAnswer::Yes};
    control<QAction>("Tools_2")->trigger();
    QCOMPARE(m_dialogs->numbers(), (QList<int>{0, 27}));
    QCOMPARE(ReadDatabase(m_folder->file(DatabaseFileName)).generation, u"on the disc"_s);
    // A stick pulled out after the window opened is not there to choose.
    choose(0);
    m_volumes.removeFirst();
    m_dialogs->clear();
    m_window->chooseDisk(0);
    QCOMPARE(m_dialogs->numbers(), QList<int>{25});
    QCOMPARE(control<QComboBox>("Disk")->currentIndex(), -1);
    QVERIFY(label("DiskSize").isEmpty());
    QVERIFY(label("FreeSize").isEmpty());
}

void BackRestTest::anOldBackupGivesWayOnlyAfterTheQuestion() {
    const qint64 length = QFileInfo(m_folder->file(DatabaseFileName)).size();
    const QByteArray old(int(length), 'o');
    WriteFile(stick() + u"/IntTvx.db"_s, old);
    m_volumes[0].bytesFree = length / 2;
    open();
    choose(0);
    m_dialogs->answers = {MsgAnswer::No};
    control<QAction>("Tools_1")->trigger();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    const MessageBox question = m_dialogs->boxes.first();
    QCOMPARE(question.title, u"Φύλαξη Αρχείου"_s);
    QVERIFY2(question.text.contains(u"Το παλιό αντίγραφο θα διαγραφεί πρώτα"_s), qPrintable(question.text));
    QCOMPARE(question.buttons, MsgButtons::YesNo);
    QCOMPARE(question.defaultAnswer, MsgAnswer::No);
    QCOMPARE(FileBytes(stick() + u"/IntTvx.db"_s), old);

    m_dialogs->clear();
    m_dialogs->answers = {MsgAnswer::Yes};
    control<QAction>("Tools_1")->trigger();
    QCOMPARE(m_dialogs->numbers(), (QList<int>{0, 27}));
    QCOMPARE(FileBytes(stick() + u"/IntTvx.db"_s), FileBytes(m_folder->file(DatabaseFileName)));
    QCOMPARE(QDir(stick()).entryList(QDir::Files | QDir::Hidden), QStringList{u"IntTvx.db"_s});
}

void BackRestTest::backupToTheStickWithProgress() {
    open();
    choose(0);
    int maximum = 0;
    QList<int> values;
    connect(control<QProgressBar>("ProgBar"), &QProgressBar::valueChanged, this, [&](int value) {
        values << value;
        maximum = control<QProgressBar>("ProgBar")->maximum();
        QVERIFY(!control<QAction>("Tools_1")->isEnabled());
    });
    control<QAction>("Tools_1")->trigger();
    QCOMPARE(m_dialogs->numbers(), QList<int>{27});
    const QByteArray database = FileBytes(m_folder->file(DatabaseFileName));
    QCOMPARE(FileBytes(stick() + u"/IntTvx.db"_s), database);
    QCOMPARE(maximum, database.size());
    QVERIFY(values.contains(database.size()));
    QCOMPARE(control<QProgressBar>("ProgBar")->value(), 0);
    QVERIFY(control<QAction>("Tools_1")->isEnabled());
    QCOMPARE(QDir(stick()).entryList(QDir::Files | QDir::Hidden), QStringList{u"IntTvx.db"_s});
}

void BackRestTest::backupWithoutSpaceTouchesNothing() {
    open();
    WriteFile(m_folder->file(u"home/IntTvx.db"_s), "old");
    choose(2); // 1,000 bytes free and a backup of 3
    control<QAction>("Tools_1")->trigger();
    QCOMPARE(m_dialogs->numbers(), QList<int>{26});
    QCOMPARE(FileBytes(m_folder->file(u"home/IntTvx.db"_s)), QByteArray("old"));
}

void BackRestTest::nothingHappensWithoutAVolume() {
    open();
    control<QAction>("Tools_1")->trigger();
    control<QAction>("Tools_2")->trigger();
    QVERIFY(m_dialogs->boxes.isEmpty());
}

void BackRestTest::restoreRefusesAMissingBackupAndAFileOfAnotherKind() {
    open();
    const QByteArray before = FileBytes(m_folder->file(DatabaseFileName));
    choose(0);
    control<QAction>("Tools_2")->trigger();
    QCOMPARE(m_dialogs->numbers(), QList<int>{28});
    m_dialogs->clear();
    WriteFile(stick() + u"/IntTvx.db"_s, QByteArray(70000, 'x'));
    control<QAction>("Tools_2")->trigger();
    QCOMPARE(m_dialogs->boxes.size(), 1); // refused without asking
    QCOMPARE(m_dialogs->boxes.first().title, u"Φόρτωση Αρχείου"_s);
    QVERIFY(m_dialogs->boxes.first().text.contains(u"δεν είναι αρχείο του προγράμματος"_s));
    QCOMPARE(FileBytes(m_folder->file(DatabaseFileName)), before);
}

void BackRestTest::restoreAsksAndReplacesTheDatabase() {
    MakeOrvaDatabase(stick() + u"/IntTvx.db"_s, u"yesterday"_s, 30);
    open();
    const QByteArray before = FileBytes(m_folder->file(DatabaseFileName));
    choose(0);
    m_dialogs->answers = {MsgAnswer::No};
    control<QAction>("Tools_2")->trigger();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    const MessageBox question = m_dialogs->boxes.first();
    QCOMPARE(question.title, u"Φόρτωση Αρχείου"_s);
    QCOMPARE(question.text,
             u"ΠΡΟΣΟΧΗ!!!\r\nTo αρχείο του προγράμματος θα αντικατασταθεί από το BackUp αρχείο."_s);
    QCOMPARE(question.buttons, MsgButtons::YesNo);
    QCOMPARE(question.defaultAnswer, MsgAnswer::No);
    QCOMPARE(question.icon, MsgIcon::Information);
    QCOMPARE(FileBytes(m_folder->file(DatabaseFileName)), before);

    m_dialogs->clear();
    m_dialogs->answers = {MsgAnswer::Yes};
    control<QAction>("Tools_2")->trigger();
    QCOMPARE(m_dialogs->numbers(), (QList<int>{0, 27}));
    QCOMPARE(FileBytes(m_folder->file(DatabaseFileName)), FileBytes(stick() + u"/IntTvx.db"_s));
    QCOMPARE(label("FileSize"),
             QLocale(QLocale::Greek).toString(QFileInfo(stick() + u"/IntTvx.db"_s).size()));
}

void BackRestTest::theF10MenuAndEscape() {
    open();
    choose(0);
    m_dialogs->popUpChoices = {1};
    QTest::keyClick(control<QComboBox>("Disk"), Qt::Key_F10);
    QCOMPARE(m_dialogs->popUps, QList<QStringList>{(QStringList{u"Φύλαξη"_s, u"Φόρτωση"_s, u"Εξοδος"_s})});
    QCOMPARE(m_dialogs->numbers(), QList<int>{27});
    QVERIFY(QFileInfo::exists(stick() + u"/IntTvx.db"_s));
    // The arrows move between the fields instead of changing the volume.
    QTest::keyClick(control<QComboBox>("Disk"), Qt::Key_Down);
    QCOMPARE(control<QComboBox>("Disk")->currentIndex(), 0);
    m_dialogs->popUpChoices = {3};
    QTest::keyClick(control<QComboBox>("Disk"), Qt::Key_F10);
    QVERIFY(!m_window->isVisible());
    QVERIFY(DbConnection().isOpen());
}

void BackRestTest::closingThroughTheCatalogueReopensTheDatabaseWithItsParameters() {
    MakeOrvaDatabase(stick() + u"/IntTvx.db"_s, u"yesterday"_s, 30);
    QCOMPARE(Program.Params.Cepon, u"today"_s);
    ModalDriver driver;
    driver.run(
        [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), u"BackRest"_s);
            QVERIFY(!DbConnection().isOpen());
            auto* backRest = static_cast<BackRest*>(dialog);
            dialog->findChild<QComboBox*>(u"Disk"_s)->setCurrentIndex(0);
            backRest->chooseDisk(0);
            m_dialogs->answers = {MsgAnswer::Yes};
            backRest->runAction(2);
            QTest::keyClick(dialog, Qt::Key_Escape);
        },
        [&] { MdiHost::instance()->showModal(u"BackRest"_s); });
    QVERIFY(driver.drove());
    QVERIFY(DbConnection().isOpen());
    QCOMPARE(Program.Params.Cepon, u"yesterday"_s);
}

void BackRestTest::aDatabaseThatCannotBeOpenedAgainEndsTheProgram() {
    CloseDatabase();
    InstallScriptedProcesses();
    InstallDefaultSettings();
    InstallFixedClock(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
    WindowCatalogue::addModal(u"Lbenter"_s, [](QWidget* parent) { return new AcceptAtOnceDialog(parent); });
    Main main;
    main.show();
    QTRY_VERIFY_WITH_TIMEOUT(main.firstActivationDone() || main.hasEnded(), 10000);
    QVERIFY(!main.hasEnded());
    m_dialogs->clear();
    m_dialogs->answers = {MsgAnswer::Ok};
    ModalDriver driver;
    driver.run(
        [&](QDialog* dialog) {
            // The file goes away while the window is open (a disk pulled out, a mistake).
            QVERIFY(QFile::remove(m_folder->file(DatabaseFileName)));
            dialog->reject();
        },
        [&] { main.openBackupRestore(); });
    QVERIFY(driver.drove());
    QVERIFY(main.hasEnded());
    QCOMPARE(main.exitCode(), 1);
    QCOMPARE(m_dialogs->boxes.last().title, u"ΠΡΟΣΟΧΗ"_s);
    QVERIFY(m_dialogs->boxes.last().text.contains(DatabaseFileName));
    ReleaseUserLock();
}

QTEST_MAIN(BackRestTest)
#include "BackRestTest.moc"
