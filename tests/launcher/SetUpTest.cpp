#include "launcher/SetUp.h"
#include "LatinSentences.h"
#include "ScriptedLauncherDialogs.h"
#include "launcher/SetUpRules.h"
#include "launcher/Strova.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

const QString Attention = QStringLiteral("ΠΡΟΣΟΧΗ");
const QString CannotRun = QStringLiteral("Η εγκατάσταση δεν μπορεί να εκτετεστεί.");
const QString NotNeeded = QStringLiteral("Δεν χρειάζεται αυτή η εγκατάσταση.");

void writeFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// An application record of 256 bytes whose database-server flag (bytes 6 and 7) is flag.
QByteArray record(quint16 flag) {
    QByteArray bytes(256, '\0');
    bytes.replace(0, 4, "1.01");
    for (int i = 8; i < bytes.size(); ++i)
        bytes[i] = char(i);
    bytes[6] = char(flag & 0xFF);
    bytes[7] = char(flag >> 8);
    return bytes;
}

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

// The launcher's window against a media folder of the test's own, with scripted boxes.
class SetUpTest : public QObject {
    Q_OBJECT
private slots:
    // On a machine set to English the launcher's file dialog still heads its columns in Greek.
    void qtsOwnTextsAreGreekWhateverTheMachinesLanguage() {
        QVERIFY(UseGreekQtTexts());
        QFileDialog dialog(nullptr, QStringLiteral("Ταυτότητα εγκατάστασης"), m_media->path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setViewMode(QFileDialog::Detail);
        auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(list);
        QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Όνομα"));
        QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Μέγεθος"));
        QCOMPARE(QLocale().standaloneMonthName(12), QStringLiteral("Δεκέμβριος"));
    }

    void init() {
        m_media = std::make_unique<QTemporaryDir>();
        m_dialogs = ScriptedLauncherDialogs();
    }

    void theHitRuleTakesEachItemWithItsEdgesAndNothingBeside_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("item");
        const int right = SetUpRules::ItemLeft + SetUpRules::ItemWidth;
        for (int i = 0; i < 4; ++i) {
            const int top = SetUpRules::ItemTops[i];
            QTest::addRow("%d at the left edge", i) << 45 << top << i;
            QTest::addRow("%d at the right edge", i) << right << top + 300 << i;
            QTest::addRow("%d just left of it", i) << 44 << top + 150 << -1;
            QTest::addRow("%d just right of it", i) << right + 1 << top + 150 << -1;
            QTest::addRow("%d just above it", i) << 100 << top - 1 << -1;
            QTest::addRow("%d just below it", i) << 100 << top + 301 << -1;
        }
        QTest::newRow("the picture") << 100 << 400 << -1;
    }
    void theHitRuleTakesEachItemWithItsEdgesAndNothingBeside() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, item);
        QCOMPARE(SetUpRules::HitItem(QPoint(x, y)), item);
    }

    void theWindowHoldsTheFourItemsInCourierNewAtTheirPlaces() {
        SetUp window(m_media->path(), m_dialogs);
        window.centre();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList captions = {"Εγκατάσταση προγράμματος",
                                      "Εγκατάσταση Microsoft SQL Server Desktop Edition",
                                      "Ταυτότητα εγκατάστασης", "Εξοδος"};
        for (int i = 0; i < 4; ++i) {
            const QLabel* item = label(window, i);
            QCOMPARE(item->text(), captions.at(i));
            QCOMPARE(item->font().family(), QStringLiteral("Courier New"));
            QVERIFY(QFontInfo(item->font()).fixedPitch());
            QCOMPARE(item->geometry(), QRect(3, (900 + 360 * i) / 15, 483, 20));
            QCOMPARE(textColour(item), QColor(255, 0, 0));
        }
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("Pict")));
        const QRect screen = window.screen()->geometry();
        QCOMPARE(window.pos(),
                 QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2));
    }

    void theItemUnderThePointerIsBlackAndTheOthersLightRed() {
        SetUp window(m_media->path(), m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, QPoint(100, 1300 / 15));
        QTRY_COMPARE(window.highlightedItem(), 1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(textColour(label(window, i)), i == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0));
        QTest::mouseMove(&window, QPoint(100, 1230 / 15)); // between the items
        QTRY_COMPARE(window.highlightedItem(), -1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(textColour(label(window, i)), QColor(255, 0, 0));
    }

    void aPressOnTheFirstItemStartsTheProgramsInstallerAndOneBesideItDoesNothing() {
        const QString marker = installer(QStringLiteral("Orva/SetUp"));
        SetUp window(m_media->path(), m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(2, 65));   // 30 twips: left of it
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(487, 65)); // 7305 twips: right of it
        QTest::qWait(300);
        QVERIFY(!QFile::exists(marker));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(3, 65));
        QTRY_COMPARE(readFile(marker).trimmed(),
                     QDir(m_media->path()).filePath(QStringLiteral("Orva")).toUtf8());
        QVERIFY(m_dialogs.boxes.isEmpty());
        QVERIFY(window.isVisible());
    }

    void aBaseFolderEndingInASlashStillFindsTheInstaller() {
        QCOMPARE(SetUpRules::BaseFolder(QStringLiteral("/media/usb")), QStringLiteral("/media/usb/"));
        QCOMPARE(SetUpRules::BaseFolder(QStringLiteral("/media/usb/")), QStringLiteral("/media/usb/"));
        QCOMPARE(SetUpRules::BaseFolder(QStringLiteral("/")), QStringLiteral("/"));
        const QString marker = installer(QStringLiteral("Orva/SetUp"));
        SetUp window(m_media->path() + QLatin1Char('/'), m_dialogs);
        QCOMPARE(window.baseFolder(), m_media->path() + QLatin1Char('/'));
        window.runItem(0);
        QTRY_VERIFY(QFile::exists(marker));
        QVERIFY(m_dialogs.boxes.isEmpty());
    }

    // A FAT stick is often mounted without execute bits: both installers still start, read by
    // the shell, in their own folders.
    void installersWithoutTheirExecuteBitStillStart() {
        writeFile(media(QStringLiteral("Appl.Bt")), record(1));
        const QString program = installer(QStringLiteral("Orva/SetUp"), false);
        const QString server = installer(QStringLiteral("Msde/SetUp"), false);
        SetUp window(m_media->path(), m_dialogs);
        window.load();
        window.runItem(0);
        m_dialogs.answers = {true, true};
        window.runItem(1);
        QTRY_COMPARE(readFile(program).trimmed(), media(QStringLiteral("Orva")).toUtf8());
        QTRY_COMPARE(readFile(server).trimmed(), media(QStringLiteral("Msde")).toUtf8());
        QCOMPARE(m_dialogs.boxes.size(), 2); // the two questions before the server's
        QVERIFY(m_dialogs.boxes.at(0).question && m_dialogs.boxes.at(1).question);
    }

    void aMissingInstallerIsToldAndTheLauncherStays() {
        SetUp window(m_media->path(), m_dialogs);
        window.show();
        window.runItem(0);
        QCOMPARE(m_dialogs.boxes.size(), 1);
        QCOMPARE(m_dialogs.boxes.at(0).title, Attention);
        QCOMPARE(m_dialogs.boxes.at(0).text, CannotRun);
        QCOMPARE(m_dialogs.boxes.at(0).icon, LauncherDialogs::Icon::Information);
        QVERIFY(window.isVisible());
    }

    void withoutTheRecordTheDatabaseServerIsNotNeeded() {
        installer(QStringLiteral("Msde/SetUp"));
        SetUp window(m_media->path(), m_dialogs);
        window.load();
        QVERIFY(m_dialogs.boxes.isEmpty());
        window.runItem(1);
        QCOMPARE(m_dialogs.boxes.size(), 1);
        QCOMPARE(m_dialogs.boxes.at(0).text, NotNeeded);
        QCOMPARE(m_dialogs.boxes.at(0).icon, LauncherDialogs::Icon::Information);

        // An empty record is no record, and a record whose flag is zero needs no server either.
        m_dialogs.boxes.clear();
        writeFile(media(QStringLiteral("Appl.Bt")), {});
        window.load();
        window.runItem(1);
        writeFile(media(QStringLiteral("Appl.Bt")), record(0));
        window.load();
        window.runItem(1);
        QCOMPARE(m_dialogs.boxes.size(), 2);
        QCOMPARE(m_dialogs.boxes.at(1).text, NotNeeded);
    }

    void theDatabaseServerIsInstalledOnlyAfterTwoYes_data() {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("started");
        QTest::newRow("No at once") << QList<bool>{false} << 1 << false;
        QTest::newRow("Yes, then No") << QList<bool>{true, false} << 2 << false;
        QTest::newRow("Yes twice") << QList<bool>{true, true} << 2 << true;
    }
    void theDatabaseServerIsInstalledOnlyAfterTwoYes() {
        QFETCH(QList<bool>, answers);
        QFETCH(int, questions);
        QFETCH(bool, started);
        writeFile(media(QStringLiteral("Appl.Bt")), record(1));
        const QString marker = installer(QStringLiteral("Msde/SetUp"));
        SetUp window(m_media->path(), m_dialogs);
        window.load();
        QCOMPARE(window.databaseServerFlag(), quint16(1));
        m_dialogs.answers = answers;
        window.runItem(1);
        QCOMPARE(m_dialogs.boxes.size(), questions);
        QCOMPARE(m_dialogs.boxes.at(0).text,
                 QStringLiteral("Αν έχετε ήδη εγκατεστημένο τον Microsoft SQL Server, δεν χρειάζεται να τον "
                                "εγκαταστήσετε ξανά.\r\nΝά εγκατασταθεί ο Microsoft SQL Server;"));
        QVERIFY(m_dialogs.boxes.at(0).question);
        QCOMPARE(m_dialogs.boxes.at(0).icon, LauncherDialogs::Icon::Critical);
        QCOMPARE(m_dialogs.boxes.at(0).title, Attention);
        if (questions == 2)
            QCOMPARE(m_dialogs.boxes.at(1).text,
                     QStringLiteral("Ο Microsoft SQL Server θα εγκατασταθεί στον τρέχοντα σκληρό δίσκο.\r\n"
                                    "Είναι ο τρέχων υπολογστής ο server του δυκτίου;"));
        if (started)
            QTRY_VERIFY(QFile::exists(marker));
        else
            QVERIFY(!QFile::exists(marker));
    }

    void aMissingDatabaseServerInstallerHasItsOwnBox() {
        writeFile(media(QStringLiteral("Appl.Bt")), record(0x0100));
        SetUp window(m_media->path(), m_dialogs);
        window.load();
        QCOMPARE(window.databaseServerFlag(), quint16(0x0100));
        m_dialogs.answers = {true, true};
        window.runItem(1);
        QCOMPARE(m_dialogs.boxes.size(), 3);
        QCOMPARE(m_dialogs.boxes.at(2).text, QStringLiteral("Η εγκατάσταση δεν μπορεί να εκτελεστεί."));
        QCOMPARE(m_dialogs.boxes.at(2).icon, LauncherDialogs::Icon::Information);
    }

    void anUnreadableRecordIsToldAndCountsAsNoServer() {
        writeFile(media(QStringLiteral("Appl.Bt")), QByteArray("1.01\x01\x00\x01", 7));
        SetUp window(m_media->path(), m_dialogs);
        window.load();
        QCOMPARE(m_dialogs.boxes.size(), 1);
        QCOMPARE(m_dialogs.boxes.at(0).title, Attention);
        QCOMPARE(m_dialogs.boxes.at(0).text, QStringLiteral("Πρόβλημα στο αρχείο εγκατάστασης."));
        QCOMPARE(m_dialogs.boxes.at(0).icon, LauncherDialogs::Icon::Critical);
        QCOMPARE(window.databaseServerFlag(), quint16(0));
        window.runItem(1);
        QCOMPARE(m_dialogs.boxes.at(1).text, NotNeeded);
    }

    void theIdentityIsCopiedWritableWhereTheUserChooses() {
        const QByteArray bytes = record(1);
        writeFile(media(QStringLiteral("Appl.Bt")), bytes);
        QVERIFY(QFile::setPermissions(media(QStringLiteral("Appl.Bt")), QFileDevice::ReadOwner));
        QTemporaryDir target;
        const QString chosen = QDir(target.path()).filePath(QStringLiteral("Εταιρεία.bt"));
        writeFile(chosen, QByteArray("an older, longer copy of somebody else's identity"));
        SetUp window(m_media->path(), m_dialogs);
        m_dialogs.fileNames = {chosen};
        window.runItem(2);
        QCOMPARE(m_dialogs.saves.size(), 1);
        QCOMPARE(m_dialogs.saves.at(0).proposedName, QStringLiteral("Appl.Bt"));
        QCOMPARE(m_dialogs.saves.at(0).filterName, QStringLiteral("Ταυτότητα (Bt)"));
        QCOMPARE(m_dialogs.saves.at(0).pattern, QStringLiteral("*.bt"));
        QVERIFY(m_dialogs.boxes.isEmpty());
        QCOMPARE(readFile(chosen), bytes);
        QVERIFY(QFileInfo(chosen).permission(QFileDevice::WriteOwner));
    }

    void cancellingTheSaveDialogCopiesNothing() {
        writeFile(media(QStringLiteral("Appl.Bt")), record(0));
        SetUp window(m_media->path(), m_dialogs);
        window.runItem(2);
        QCOMPARE(m_dialogs.saves.size(), 1);
        QVERIFY(m_dialogs.boxes.isEmpty());
        QCOMPARE(QDir(m_media->path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Appl.Bt")});
    }

    void withoutTheRecordTheIdentityCannotBeSavedAndACopyFailureIsTold() {
        SetUp window(m_media->path(), m_dialogs);
        window.runItem(2);
        QVERIFY(m_dialogs.saves.isEmpty());
        QCOMPARE(m_dialogs.boxes.size(), 1);
        QCOMPARE(m_dialogs.boxes.at(0).text, CannotRun);

        writeFile(media(QStringLiteral("Appl.Bt")), record(0));
        m_dialogs.fileNames = {media(QStringLiteral("no/such/folder/Appl.Bt"))};
        window.runItem(2);
        QCOMPARE(m_dialogs.boxes.size(), 2);
        QCOMPARE(m_dialogs.boxes.at(1).title, Attention);
        QCOMPARE(m_dialogs.boxes.at(1).icon, LauncherDialogs::Icon::Critical);
        QCOMPARE(m_dialogs.boxes.at(1).text,
                 QStringLiteral(
                     "Το αντίγραφο της ταυτότητας δεν γράφτηκε στο «%1»: ο φάκελος «%2» δεν υπάρχει.\r\n"
                     "Διαλέξτε έναν φάκελο που υπάρχει.")
                     .arg(media(QStringLiteral("no/such/folder/Appl.Bt")),
                          media(QStringLiteral("no/such/folder"))));
        // The system's own words are kept for «Λεπτομέρειες».
        QVERIFY(!m_dialogs.boxes.at(1).details.isEmpty());

        // A folder chosen as the file: told in Greek, whatever the library says.
        m_dialogs.fileNames = {m_media->path()};
        window.runItem(2);
        QCOMPARE(m_dialogs.boxes.size(), 3);
        QVERIFY2(m_dialogs.boxes.at(2).text.contains(QStringLiteral(": είναι φάκελος.")),
                 qPrintable(m_dialogs.boxes.at(2).text));
        for (const auto& box : m_dialogs.boxes)
            QVERIFY2(LatinSentences(box.text).isEmpty(), qPrintable(box.text));
    }

    void escapeAndTheLastItemEndTheLauncher() {
        SetUp first(m_media->path(), m_dialogs);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QTest::keyClick(&first, Qt::Key_Escape);
        QVERIFY(!first.isVisible());

        SetUp second(m_media->path(), m_dialogs);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(100, 1990 / 15));
        QVERIFY(!second.isVisible());
        QVERIFY(m_dialogs.boxes.isEmpty());
    }

    void theArrowKeysAndEnterRunAnItem() {
        SetUp window(m_media->path(), m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Down);
        QTest::keyClick(&window, Qt::Key_Down);
        QCOMPARE(window.highlightedItem(), 1);
        QCOMPARE(textColour(label(window, 1)), QColor(0, 0, 0));
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(m_dialogs.boxes.size(), 1);
        QCOMPARE(m_dialogs.boxes.at(0).text, NotNeeded);
        QTest::keyClick(&window, Qt::Key_Up);
        QTest::keyClick(&window, Qt::Key_Up);
        QCOMPARE(window.highlightedItem(), 3);
    }

private:
    QString media(const QString& name) const { return QDir(m_media->path()).filePath(name); }

    // An installer on the media that writes its working folder into a marker file.
    QString installer(const QString& relative, bool executable = true) {
        const QString marker = media(relative + QStringLiteral(".started"));
        writeFile(media(relative), QStringLiteral("#!/bin/sh\npwd > '%1'\n").arg(marker).toUtf8());
        QFile::setPermissions(media(relative),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  (executable ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
        return marker;
    }

    static const QLabel* label(const SetUp& window, int i) {
        return window.findChild<QLabel*>(QStringLiteral("Lbl_%1").arg(i));
    }

    std::unique_ptr<QTemporaryDir> m_media;
    ScriptedLauncherDialogs m_dialogs;
};

QTEST_MAIN(SetUpTest)
#include "SetUpTest.moc"
