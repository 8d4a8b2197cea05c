#include "PreviewFixture.h"
#include "ReportData.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "shell/Windows.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/print/Lbprint.h"
#include "windows/print/Reports.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

using namespace ReportData;

// The print actions of the employee list and of the entry list, with the reports handed to
// them at start-up.
class ListPrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    PreviewFixture m_fx;

    Lbprint* preview() {
        return qobject_cast<Lbprint*>(m_fx.mdi->findChildWindow(QStringLiteral("Lbprint")));
    }
    static QWidget* focused() { return QApplication::focusWidget(); }

    QStringList visibleLines() {
        QStringList lines;
        const PrintJob& job = preview()->job();
        for (int i = 0; i < job.LineCount(); ++i)
            lines << VisibleText(job.line(i)).simplified();
        return lines;
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        QVERIFY(m_folder->openDatabase());
        Program.WorkDate = QDate(2016, 3, 5);
        Program.Colours = ColourSettings::defaults();
        AddMarch2016();
        m_fx.setUp();
        RegisterWindows();
    }
    void cleanup() {
        m_fx.tearDown();
        m_folder.reset();
    }

    void theEmployeeListPrintsItsWholeTableInItsOrder() {
        Program.EmployeeListFromMenu = true;
        ChildWindow* list = m_fx.mdi->openChild(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        QVERIFY(list->findChild<QAction*>(QStringLiteral("Tools_5"))->isEnabled());
        QTRY_VERIFY(list->isAncestorOf(focused()));
        // The search moves the page, not the report.
        QTest::sendKeyEvent(QTest::Press, focused(), Qt::Key_unknown, QStringLiteral("Π"), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, focused(), Qt::Key_unknown, QStringLiteral("Π"), Qt::NoModifier);
        QCOMPARE(list->findChild<QLineEdit*>(QStringLiteral("SrchTxt"))->text(), QStringLiteral("Π"));
        QTest::keyClick(focused(), Qt::Key_F7);
        QVERIFY(preview());
        QCOMPARE(preview()->windowTitle(), QStringLiteral("Ευρετήριο Εργαζομένων"));
        QCOMPARE(visibleLines(),
                 QStringList({"012345678 ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ 1", "090000045 ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ 1"}));
        QCOMPARE(preview()->job().geometry().fontSize, 15.0);
        QVERIFY(!preview()->job().landscape());

        // A row leads back to its employee; with one bridge there is nothing to choose.
        Lbprint* report = preview();
        const double y = report->job().page().headerBottom + report->job().geometry().lineHeight * 1.5;
        QTest::mouseClick(report->findChild<QWidget*>(QStringLiteral("Pict")), Qt::LeftButton, {},
                          QPoint(100, TwipsToPixels(y)));
        report->bridges();
        QVERIFY(m_fx.dialogs->popUps.isEmpty());
        QCOMPARE(Program.BridgeKey[0], QStringLiteral("090000045"));
        QVERIFY(m_fx.mdi->findChildWindow(QStringLiteral("Ergaz")));
    }

    void theEntryListPrintsItsMonth() {
        ChildWindow* list = m_fx.mdi->openChild(QStringLiteral("KinsSrch"));
        QVERIFY(list);
        QTRY_VERIFY(list->isAncestorOf(focused()));
        QTest::keyClick(focused(), Qt::Key_F7);
        QVERIFY(preview());
        QCOMPARE(preview()->windowTitle(),
                 QStringLiteral("Ευρετήριο Ηλεκτρονικών Αποστολών (Από:01/03/2016 Εως 31/03/2016)"));
        QCOMPARE(visibleLines().first(), QStringLiteral("01/03/2016 012345678 ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"));
        QCOMPARE(visibleLines().size(), 9);
        // The report does not close the list.
        QVERIFY(m_fx.mdi->findChildWindow(QStringLiteral("KinsSrch")));
    }

    void theEntryListPrintsByAfmFromTheChosenDay() {
        ChildWindow* list = m_fx.mdi->openChild(QStringLiteral("KinsSrch"));
        QVERIFY(list);
        list->findChild<QComboBox*>(QStringLiteral("Day"))->setCurrentIndex(1); // from the 2nd
        list->findChild<QComboBox*>(QStringLiteral("IdxKin"))->setCurrentIndex(1);
        QTRY_VERIFY(list->isAncestorOf(focused()));
        QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(preview());
        QCOMPARE(preview()->windowTitle(),
                 QStringLiteral("Ευρετήριο Ηλεκτρονικών Αποστολών (Από:02/03/2016 Εως 31/03/2016)"));
        QStringList entries;
        for (const QString& line : visibleLines()) {
            if (line.contains(u'/'))
                entries << line.left(20);
        }
        QCOMPARE(entries, QStringList({"15/03/2016 012345678", "02/03/2016 090000045"}));
    }
};

QTEST_MAIN(ListPrintTest)
#include "ListPrintTest.moc"
