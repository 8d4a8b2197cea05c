#include "logic/maintenance/DumFrm.h"
#include "ScriptedDialogs.h"
#include "logic/core/program/ProgramValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The output-file request through a scripted save dialog.
class DumFrmTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetProgramValues();
        m_dialogs = &InstallScriptedDialogs();
    }

    void proposedNameMovesIntoTheLastExportFolder() {
        Program.LastExportFolder = u"/out/"_s;
        m_dialogs->fileNames << u"/out/Prt.pdf"_s;
        QCOMPARE(ChooseOutputFile(u"/a/Prt.pdf"_s, QString()), u"/out/Prt.pdf"_s);
        QCOMPARE(m_dialogs->fileRequests.size(), 1);
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, u"/out/Prt.pdf"_s);
        QCOMPARE(m_dialogs->fileRequests.first().title, u"Ονομα αρχείου εξόδου"_s);
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void namesWrittenWithBackslashesHaveAFolderToo() {
        QCOMPARE(DumFrm::ProposedName(u"C:\\Prt.pdf"_s, u"/home/user/exports/"_s),
                 u"/home/user/exports/Prt.pdf"_s);
        QCOMPARE(DumFrm::ProposedName(u"C:\\Prt.pdf"_s, u"D:\\Out\\"_s), u"D:\\Out\\Prt.pdf"_s);
        QCOMPARE(DumFrm::FolderOf(u"D:\\Out\\Prt.pdf"_s), u"D:\\Out\\"_s);
        QCOMPARE(DumFrm::FolderOf(u"/tmp/a\\b/Prt.pdf"_s), u"/tmp/a\\b/"_s);
        QCOMPARE(DumFrm::FolderOf(u"Prt.pdf"_s), QString());
    }

    void bareNameIsOfferedUnchanged() {
        Program.LastExportFolder = u"/out/"_s;
        QCOMPARE(ChooseOutputFile(u"Prt.Asc"_s, QString()), QString());
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, u"Prt.Asc"_s);
    }

    void withoutALastFolderTheNameIsOfferedAsItIs() {
        ChooseOutputFile(u"/a/Prt.pdf"_s, QString());
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, u"/a/Prt.pdf"_s);
    }

    void confirmedNameSetsTheNameAndItsFolder() {
        m_dialogs->fileNames << u"/home/user/reports/Μάρτιος.pdf"_s;
        QCOMPARE(ChooseOutputFile(u"Prt.pdf"_s, u"  ΑΛΦΑ ΑΕ  "_s), u"/home/user/reports/Μάρτιος.pdf"_s);
        QCOMPARE(m_dialogs->fileRequests.first().title, u"Ονομα αρχείου εξόδου (Εταιρεία:ΑΛΦΑ ΑΕ)"_s);
        QCOMPARE(Program.OutputFileName, u"/home/user/reports/Μάρτιος.pdf"_s);
        QCOMPARE(Program.LastExportFolder, u"/home/user/reports/"_s);

        // The next request offers the new folder.
        ChooseOutputFile(u"/a/Prt.Xls"_s, QString());
        QCOMPARE(m_dialogs->fileRequests.last().proposedName, u"/home/user/reports/Prt.Xls"_s);
    }

    void chosenBareNameLeavesTheLastFolder() {
        Program.LastExportFolder = u"/out/"_s;
        m_dialogs->fileNames << u"Prt.pdf"_s;
        QCOMPARE(ChooseOutputFile(QString(), u"   "_s), u"Prt.pdf"_s);
        QCOMPARE(m_dialogs->fileRequests.first().title, u"Ονομα αρχείου εξόδου"_s);
        QCOMPARE(Program.OutputFileName, u"Prt.pdf"_s);
        QCOMPARE(Program.LastExportFolder, u"/out/"_s);
    }

    void cancelEmptiesTheNameAndReportsFalse() {
        Program.LastExportFolder = u"/out/"_s;
        QCOMPARE(ChooseOutputFile(u"/a/Prt.pdf"_s, u"ΑΛΦΑ"_s), QString());
        QCOMPARE(Program.OutputFileName, QString());
        QCOMPARE(Program.LastExportFolder, u"/out/"_s);
    }

private:
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_GUILESS_MAIN(DumFrmTest)
#include "DumFrmTest.moc"
