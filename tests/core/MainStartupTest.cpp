#include "MainTestSupport.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/files/ApplicationRecord.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/ProgramValues.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/ChildWindow.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// An application record whose uninterpreted bytes are all different, so that any byte the
// program touches by mistake shows.
QByteArray patternedRecord(const char* version, char internet) {
    QByteArray bytes(ApplicationRecord::RecordSize, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(0x20 + (i * 7) % 0xD0);
    bytes.replace(0, 4, QByteArray(version, 4));
    bytes[4] = internet;
    return bytes;
}

// Starts the real main window on the current data folder and waits until its first
// activation is done or it has ended.
void startMain(Main& main) {
    main.show();
    QTRY_VERIFY_WITH_TIMEOUT(main.firstActivationDone() || main.hasEnded(), 10000);
}

} // namespace

class MainStartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        m_processes = &InstallScriptedProcesses();
        InstallDefaultSettings();
        // Tuesday 8 December 2026, in the afternoon.
        InstallFixedClock(QDateTime(QDate(2026, 12, 8), QTime(16, 45)));
        RegisterWindows();
        WindowCatalogue::addModal(QStringLiteral("Lbenter"), [](QWidget* parent) {
            auto* dialog = new AcceptAtOnceDialog(parent);
            dialog->setObjectName(QStringLiteral("Lbenter"));
            return dialog;
        });
    }
    void cleanup() {
        ReleaseUserLock();
        m_folder.reset();
    }

    void newFolderStartsWithTitleMenusToolbarAndStatusBar() {
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("Appl.Bt"))));
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("IntTvx.db"))));
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("Orva.ini"))));
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("Int.Bmp"))));
        Main main;
        startMain(main);
        QVERIFY(!main.hasEnded());
        QVERIFY(m_dialogs->boxes.isEmpty());
        const QString title =
            QStringLiteral("Ηλεκτρονική Αποστολή Συμπληρωματικού Ωραρίου | Ver. 1.01 | Τρί 08/12/2026");
        QCOMPARE(main.windowTitle(), title);
        main.setTitle();
        QCOMPARE(main.windowTitle(), title);
        QCOMPARE(Program.WorkDate, QDate(2026, 12, 8));

        // The background picture sits centred behind the child windows.
        auto* background = main.findChild<QWidget*>(QStringLiteral("BmpFrm"));
        QVERIFY(background);
        QVERIFY(!background->findChild<QLabel*>(QStringLiteral("Img"))->pixmap().isNull());
        main.resize(1000, 800);
        QTRY_COMPARE(background->geometry().center(), main.mdi()->viewport()->rect().center());

        auto panel = [&main](int n) { return main.findChild<QLabel*>(QStringLiteral("Stbar_%1").arg(n)); };
        QCOMPARE(panel(5)->text(), QStringLiteral("Access"));
        QCOMPARE(panel(6)->text(), m_folder->path());
        QCOMPARE(panel(1)->text(), QString());
        QCOMPARE(panel(4)->text(), QStringLiteral("16:45"));

        const QStringList auxiliary = {"Αλλαγές Εκδόσεων",       "Φύλαξη-Φόρτωση Αρχείων",
                                       "Εκτύπωση Κενών Εντύπων", "Χρήσιμα Links",
                                       "Εγχειρίδιο Χρήσης",      "Παράμετροι Σύνδεσης",
                                       "Εισαγωγή Εργαζομένων",   "Ρυθμίσεις Εγκατάστασης"};
        for (int i = 0; i < auxiliary.size(); ++i) {
            auto* item = main.findChild<QAction*>(QStringLiteral("Mnu3_%1").arg(i + 1));
            QVERIFY(item);
            QCOMPARE(item->text(), auxiliary.at(i));
        }
        QCOMPARE(main.findChild<QAction*>(QStringLiteral("Mnu2_2"))->text(),
                 QStringLiteral("Κινήσεις Ηλεκτρονικών Αποστολών"));
        QCOMPARE(main.findChild<QAction*>(QStringLiteral("Mnu1_3"))->text(), QStringLiteral("Εξοδος"));

        const QStringList tips = {"Διαχείριση Εργαζομένων",
                                  "Κινήσεις Ηλεκτρονικών Αποστολών",
                                  "Ηλεκτρονική Αποστολή",
                                  "Live Support 2",
                                  "Live Update",
                                  "Live Support 8",
                                  "Internet Login",
                                  "Εξοδος"};
        for (int i = 0; i < tips.size(); ++i) {
            auto* button = main.findChild<QAction*>(QStringLiteral("MainTools_%1").arg(i + 1));
            QVERIFY(button);
            QCOMPARE(button->toolTip(), tips.at(i));
            QVERIFY(!button->icon().isNull());
        }
    }

    void versionOneHundredIsRaisedKeepingEveryOtherByte() {
        const QByteArray before = patternedRecord("1.00", 0);
        writeFile(m_folder->file(QStringLiteral("Appl.Bt")), before);
        {
            Main main;
            startMain(main);
            QVERIFY(!main.hasEnded());
            QCOMPARE(Program.DataVersion, QStringLiteral("1.01"));
            QByteArray expected = before;
            expected.replace(0, 4, "1.01");
            QCOMPARE(readFile(m_folder->file(QStringLiteral("Appl.Bt"))), expected);
        }
        // Written back whole at the end as well.
        QByteArray expected = before;
        expected.replace(0, 4, "1.01");
        QCOMPARE(readFile(m_folder->file(QStringLiteral("Appl.Bt"))), expected);
    }

    void aLongerRecordFileKeepsItsTail() {
        QByteArray before = patternedRecord("1.01", 1) + QByteArray("tail of an older installation");
        writeFile(m_folder->file(QStringLiteral("Appl.Bt")), before);
        {
            Main main;
            startMain(main);
            QVERIFY(!main.hasEnded());
        }
        QCOMPARE(readFile(m_folder->file(QStringLiteral("Appl.Bt"))), before);
    }

    void anotherVersionShowsMessage51AndEnds() {
        writeFile(m_folder->file(QStringLiteral("Appl.Bt")), patternedRecord("0.99", 0));
        Main main;
        startMain(main);
        QVERIFY(main.hasEnded());
        QCOMPARE(main.exitCode(), 1);
        QCOMPARE(m_dialogs->numbers(), QList<int>{51});
        QCOMPARE(m_dialogs->boxes.first().text, QStringLiteral("Η περιγραφή του αρχείου δεν υπάρχει."));
    }

    void missingRecordShowsMessage1AndEndsSilently() {
        QFile::remove(m_folder->file(QStringLiteral("Appl.Bt")));
        Main main;
        QCOMPARE(m_dialogs->numbers(), QList<int>{1});
        QVERIFY(!main.startupSucceeded());
        startMain(main);
        QVERIFY(main.hasEnded());
        QCOMPARE(m_dialogs->numbers(), QList<int>{1});
        // Nothing was written in place of the missing record.
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("Appl.Bt"))));
    }

    void recordInUseShowsMessage2() {
        // Another process holding the record (the setup launcher copying it, say).
        const QByteArray path = QFile::encodeName(m_folder->file(QStringLiteral("Appl.Bt")));
        const int holder = ::open(path.constData(), O_RDONLY);
        QVERIFY(holder >= 0);
        QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
        {
            Main main;
            QCOMPARE(m_dialogs->numbers(), QList<int>{2});
            QVERIFY(!main.startupSucceeded());
        }
        ::close(holder);
    }

    void aRecordThatCannotBeWrittenInTheVersionStepShowsOneBox() {
        // While the work date is asked, another process takes the record (the setup launcher
        // copying it, say): the version step cannot write it.
        const QByteArray path = QFile::encodeName(m_folder->file(QStringLiteral("Appl.Bt")));
        int holder = -1;
        WindowCatalogue::addModal(QStringLiteral("Lbenter"), [&holder, path](QWidget* parent) {
            auto* dialog = new AcceptAtOnceDialog(parent);
            holder = ::open(path.constData(), O_RDONLY);
            ::flock(holder, LOCK_EX | LOCK_NB);
            return dialog;
        });
        {
            Main main;
            startMain(main);
            QVERIFY(main.hasEnded());
            QCOMPARE(main.exitCode(), 1);
        }
        QVERIFY(holder >= 0);
        ::close(holder);
        // One failure, one box: unloading does not write the record again.
        QCOMPARE(m_dialogs->numbers(), QList<int>{2});
    }

    void emptyRecordShowsMessage3WithItsNumber() {
        writeFile(m_folder->file(QStringLiteral("Appl.Bt")), QByteArray());
        Main main;
        QCOMPARE(m_dialogs->numbers(), QList<int>{3});
        QVERIFY(m_dialogs->boxes.first().text.startsWith(
            QStringLiteral("Πρόβλημα στο αρχείο συστήματος\r\nΛάθος = ")));
        QVERIFY(m_dialogs->boxes.first().text.size() >
                QStringLiteral("Πρόβλημα στο αρχείο συστήματος\r\nΛάθος = ").size());
    }

    void missingDatabaseEndsAtActivation() {
        QFile::remove(m_folder->file(QStringLiteral("IntTvx.db")));
        Main main;
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        startMain(main);
        QVERIFY(main.hasEnded());
        QCOMPARE(main.exitCode(), 1);
    }

    void unusableDatabaseIsRefusedInGreekAndLeftAlone() {
        const QString path = m_folder->file(QStringLiteral("IntTvx.db"));
        const QByteArray notADatabase = QByteArray("Standard Jet DB") + QByteArray(2000, '\x7f');
        writeFile(path, notADatabase);
        Main main;
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QVERIFY(m_dialogs->boxes.first().text.contains(path));
        QVERIFY(m_dialogs->boxes.first().text.contains(QStringLiteral("αντίγραφο ασφαλείας")));
        startMain(main);
        QVERIFY(main.hasEnded());
        QCOMPARE(main.exitCode(), 1);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(readFile(path), notADatabase);
    }

    void colourSettingsNeedAWholeRecord() {
        QByteArray settings(ColourSettings::FileSize - 1, '\x11');
        writeFile(m_folder->file(QStringLiteral("Param.Bt")), settings);
        {
            Main main;
            QCOMPARE(Program.Colours, ColourSettings::defaults());
        }
        settings.append('\x11');
        writeFile(m_folder->file(QStringLiteral("Param.Bt")), settings);
        Main main;
        QCOMPARE(Program.Colours.MainBack, 0x11111111u);
        QCOMPARE(Program.Colours.PreviewFillOdd, 0x11111111u);
        QCOMPARE(Program.Colours.Table, QByteArray(9000, '\x11'));
    }

    void updateTimerFollowsTheInternetSwitchAndFiresOnce() {
        writeFile(m_folder->file(QStringLiteral("Appl.Bt")), patternedRecord("1.01", 1));
        {
            Main main;
            startMain(main);
            QCOMPARE(main.updateTimerInterval(), 45000);
            QSignalSpy fired(&main, &Main::updateTimerFired);
            main.setUpdateTimerInterval(20);
            QVERIFY(fired.wait(2000));
            QCOMPARE(main.updateTimerInterval(), 0);
            QTest::qWait(100);
            QCOMPARE(fired.size(), 1);
        }
        writeFile(m_folder->file(QStringLiteral("Appl.Bt")), patternedRecord("1.01", 0));
        Main main;
        startMain(main);
        QCOMPARE(main.updateTimerInterval(), 0);
    }

    void backupGuardCountsLoadedWindows() {
        for (const char* name : {"W1", "W2", "W3"}) {
            WindowCatalogue::addChild(QString::fromLatin1(name), [name] {
                auto* window = new ChildWindow;
                window->setObjectName(QString::fromLatin1(name));
                return window;
            });
        }
        Main main;
        startMain(main);
        // The main window, its picture and the news strip, and one child: four.
        main.mdi()->openChild(QStringLiteral("W1"));
        QCOMPARE(main.loadedWindowCount(), 4);
        m_dialogs->answers = {MsgAnswer::Cancel};
        main.openBackupRestore();
        QCOMPARE(m_dialogs->boxes.size(), 1);
        const MessageBox question = m_dialogs->boxes.first();
        QCOMPARE(question.title, QStringLiteral("Φύλαξη-Φόρτωση Αρχείων"));
        QCOMPARE(question.text,
                 QStringLiteral(
                     "ΠΡΟΣΟΧΗ!!!\r\nΒεβαιωθείται οτι ΔΕΝ υπάρχει άλλος χρήστης συνδεδεμένος στο πρόγραμμα."));
        QCOMPARE(question.buttons, MsgButtons::OkCancel);
        QCOMPARE(question.defaultAnswer, MsgAnswer::Cancel);
        QCOMPARE(question.icon, MsgIcon::Critical);

        m_dialogs->clear();
        main.mdi()->openChild(QStringLiteral("W2"));
        QCOMPARE(main.loadedWindowCount(), 5);
        main.openBackupRestore();
        QCOMPARE(m_dialogs->numbers(), QList<int>{24});
    }

    void portalButtonOffersThreePortals() {
        Main main;
        startMain(main);
        m_dialogs->popUpChoices = {0};
        main.findChild<QAction*>(QStringLiteral("MainTools_7"))->trigger();
        QCOMPARE(m_dialogs->popUps.size(), 1);
        QCOMPARE(m_dialogs->popUps.first(), (QStringList{"Ο Λογαριασμός μου(ΤΑΞΙΣ)", "Υ.Ε.Κ.Α.", "Ι.Κ.Α."}));
        QCOMPARE(Program.PopUpChoice, qint16(0));
        m_dialogs->popUpChoices = {3};
        main.openPortalLogins();
        QCOMPARE(Program.PopUpChoice, qint16(3));
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    ScriptedProcesses* m_processes = nullptr;
};

QTEST_MAIN(MainStartupTest)
#include "MainStartupTest.moc"
