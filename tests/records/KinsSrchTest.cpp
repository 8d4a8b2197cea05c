#include "windows/records/KinsSrch.h"
#include "Controls.h"
#include "RecordWindows.h"
#include "logic/core/program/ProgramValues.h"
#include "windows/core/MdiHost.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

using namespace Controls;

// The month's entry list: its filter, orders, search, pick and the activation rules.
class KinsSrchTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_windows = std::make_unique<RecordWindows>(QDate(2016, 3, 10));
        RecordWindows::addEmployee(QStringLiteral("200000000"), QStringLiteral("ΒΗΤΑ"));
        RecordWindows::addEmployee(QStringLiteral("100000000"), QStringLiteral("ΑΛΦΑ"));
        RecordWindows::addEntry(QStringLiteral("200000000"), QStringLiteral("20160301"),
                                QStringLiteral(" 9-17 "));
        RecordWindows::addEntry(QStringLiteral("100000000"), QStringLiteral("20160315"),
                                QStringLiteral("8-16"));
        RecordWindows::addEntry(QStringLiteral("200000000"), QStringLiteral("20160331"),
                                QStringLiteral("10-18"));
        RecordWindows::addEntry(QStringLiteral("100000000"), QStringLiteral("20160401"),
                                QStringLiteral("7-15"));
        // An employee who was deleted: his entry is not listed.
        RecordWindows::addEntry(QStringLiteral("300000000"), QStringLiteral("20160305"),
                                QStringLiteral("ΧΩΡΙΣ"));
    }
    void cleanup() { m_windows.reset(); }

    void opensOnTheMonthOfTheWorkDateByDate() {
        KinsSrch* list = open();
        QCOMPARE(ComboBox(list, "Etos")->currentText(), QStringLiteral("2016"));
        QCOMPARE(ComboBox(list, "Mhnas")->currentText(), QStringLiteral("Μάρτιος"));
        QCOMPARE(ComboBox(list, "Day")->currentText(), QStringLiteral("01"));
        QCOMPARE(rows(list), (QList<QStringList>{{"01/03/2016", "200000000", "ΒΗΤΑ", "9-17"},
                                                 {"15/03/2016", "100000000", "ΑΛΦΑ", "8-16"},
                                                 {"31/03/2016", "200000000", "ΒΗΤΑ", "10-18"}}));
        QVERIFY(!Label(list, "Lbl_0")->isVisible());
        QVERIFY(ComboBox(list, "Etos")->isVisible());
        QVERIFY(SearchField(list)->isReadOnly());
        // Only pick, print, paging and exit are on the toolbar.
        for (int hidden : {2, 3, 4, 6})
            QVERIFY(!Tool(list, hidden)->isVisible());
        QVERIFY(Tool(list, 1)->isVisible());
        QCOMPARE(Program.BridgeMode[1], qint16(1));
    }

    void theDayFilterHoldsInBothOrders() {
        KinsSrch* list = open();
        ComboBox(list, "Day")->setCurrentIndex(14);
        QCOMPARE(rows(list).size(), 2);
        QCOMPARE(rows(list).first().first(), QStringLiteral("15/03/2016"));
        ComboBox(list, "IdxKin")->setCurrentIndex(1);
        RecordWindows::settle();
        QVERIFY(!ComboBox(list, "Etos")->isVisible());
        QVERIFY(Label(list, "Lbl_0")->isVisible());
        QVERIFY(!SearchField(list)->isReadOnly());
        QCOMPARE(rows(list), (QList<QStringList>{{"15/03/2016", "100000000", "ΑΛΦΑ", "8-16"},
                                                 {"31/03/2016", "200000000", "ΒΗΤΑ", "10-18"}}));
        RecordWindows::typeText(SearchField(list), QStringLiteral("2"));
        QCOMPARE(rows(list).first().at(1), QStringLiteral("200000000"));
        RecordWindows::typeText(SearchField(list), QStringLiteral("5"));
        QVERIFY(rows(list).isEmpty());
        SearchField(list)->clear();
        QCOMPARE(rows(list).size(), 2);
    }

    void aWorkDateOutsideTheYearsOpensOnTheNearest() {
        Program.WorkDate = QDate(2009, 3, 10);
        KinsSrch* list = open();
        QCOMPARE(ComboBox(list, "Etos")->currentText(), QStringLiteral("2015"));
        QCOMPARE(ComboBox(list, "Mhnas")->currentIndex(), 2);
    }

    void pickAnswersTheEntryKey() {
        KinsSrch* list = open();
        QTest::keyClick(SearchField(list), Qt::Key_Down);
        QTest::keyClick(SearchField(list), Qt::Key_Return, Qt::ShiftModifier);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("KinsSrch")));
        QCOMPARE(Program.BridgeKey[1], QStringLiteral("100000000     15/03/2016"));
        QCOMPARE(Program.BridgeKey[1].size(), 24);
        QCOMPARE(Program.BridgeMode[1], qint16(2));

        list = open();
        QTest::keyClick(SearchField(list), Qt::Key_Escape);
        RecordWindows::settle();
        QCOMPARE(Program.BridgeKey[1], QString());
    }

    // The window sees every key first: Enter, Esc and the page keys act with the focus in a
    // drop-down list too; the lists keep their arrows.
    void theListsKeysActInTheDropDowns() {
        KinsSrch* list = open();
        QComboBox* month = ComboBox(list, "Mhnas");
        month->setFocus();
        QVERIFY(month->hasFocus());
        QTest::keyClick(month, Qt::Key_PageDown);
        QCOMPARE(month->currentText(), QStringLiteral("Μάρτιος"));
        QTest::keyClick(month, Qt::Key_Up);
        QCOMPARE(month->currentText(), QStringLiteral("Φεβρουάριος"));
        QCOMPARE(rows(list).size(), 0);
        month->setFocus();
        QTest::keyClick(month, Qt::Key_Down);
        QCOMPARE(rows(list).size(), 3);
        month->setFocus();
        QTest::keyClick(month, Qt::Key_Return);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("KinsSrch")));
        QCOMPARE(Program.BridgeKey[1], QStringLiteral("200000000     01/03/2016"));

        list = open();
        ComboBox(list, "IdxKin")->setFocus();
        QTest::keyClick(ComboBox(list, "IdxKin"), Qt::Key_Escape);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("KinsSrch")));
        QCOMPARE(Program.BridgeKey[1], QString());
    }

    void losingTheActivationClosesExceptAfterAPrint() {
        QString from, to;
        EntryOrder order = EntryOrder::ByAfm;
        KinsSrch* list = open();
        // The test stands in for the print engine: it takes the month the list hands over.
        QObject::disconnect(list, &KinsSrch::printRequested, nullptr, nullptr);
        QObject::connect(list, &KinsSrch::printRequested, list,
                         [&](const QString& f, const QString& t, EntryOrder o) {
                             from = f;
                             to = t;
                             order = o;
                         });
        ComboBox(list, "Mhnas")->setCurrentIndex(1);
        QCOMPARE(rows(list).size(), 0);
        QTest::keyClick(SearchField(list), Qt::Key_F7);
        QCOMPARE(from, QStringLiteral("01/02/2016"));
        QCOMPARE(to, QStringLiteral("29/02/2016"));
        QCOMPARE(order, EntryOrder::ByDate);
        // The report takes the activation: the list stays.
        ChildWindow* other = m_windows->open<ChildWindow>(QStringLiteral("InsErg"));
        QVERIFY(other);
        QVERIFY(m_windows->findChild(QStringLiteral("KinsSrch")));
        // Coming back does not reload; the next loss of the activation closes the list.
        RecordWindows::addEntry(QStringLiteral("100000000"), QStringLiteral("20160210"),
                                QStringLiteral("ΝΕΑ"));
        m_windows->mdi()->openChild(QStringLiteral("KinsSrch"));
        RecordWindows::settle();
        QCOMPARE(rows(list).size(), 0);
        m_windows->mdi()->openChild(QStringLiteral("InsErg"));
        RecordWindows::settle();
        QCOMPARE(m_windows->active(), other);
        QVERIFY(!m_windows->findChild(QStringLiteral("KinsSrch")));
    }

    void thePopUpMenuOffersPrintSendAndExit() {
        KinsSrch* list = open();
        m_windows->dialogs().popUpChoices = {3};
        QTableWidget* grd = ListGrid(list);
        QTest::mouseClick(grd->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(m_windows->dialogs().popUps.last(), (QStringList{"Εκτύπωση", "Αποστολή", "Εξοδος"}));
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("KinsSrch")));
    }

private:
    KinsSrch* open() {
        KinsSrch* list = m_windows->open<KinsSrch>(QStringLiteral("KinsSrch"));
        if (!list)
            qFatal("The entry list did not open");
        return list;
    }
    // The rows the grid shows, blank rows left out.
    static QList<QStringList> rows(QWidget* list) {
        const QTableWidget* grd = ListGrid(list);
        QList<QStringList> shown;
        for (int r = 0; r < grd->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grd->columnCount(); ++c)
                cells << grd->item(r, c)->text();
            if (!cells.join(QString()).isEmpty())
                shown << cells;
        }
        return shown;
    }

    std::unique_ptr<RecordWindows> m_windows;
};

QTEST_MAIN(KinsSrchTest)
#include "KinsSrchTest.moc"
