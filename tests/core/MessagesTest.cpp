#include "logic/core/program/Messages.h"
#include "ScriptedDialogs.h"
#include "logic/core/program/ProgramValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

class MessagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetProgramValues();
        m_dialogs = &InstallScriptedDialogs();
    }

    void showMsgShowsTheNumberedBox() {
        ShowMsg(24);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        const MessageBox& box = m_dialogs->boxes.first();
        QCOMPARE(box.number, 24);
        QCOMPARE(box.title, u"Φύλαξη-Φόρτωση Αρχείων"_s);
        QCOMPARE(box.text, u"ΠΡΟΣΟΧΗ!!!\r\nΚλείστε ΟΛΕΣ τις ενεργές εργασίες."_s);
        QCOMPARE(box.icon, MsgIcon::Critical);
        QCOMPARE(box.buttons, MsgButtons::Ok);
    }

    void unknownNumbersShowNothing() {
        for (int number : {0, 4, 13, 110, -1, 32767})
            ShowMsg(number, u"Εταιρεία"_s);
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void entry18PutsItsArgumentInFront() {
        QCOMPARE(CatalogueMessage(18)->text, u"Δεν υπάρχουν εγγραφές."_s);
        QCOMPARE(CatalogueMessage(18, u"Κινήσεις: "_s)->text, u"Κινήσεις: Δεν υπάρχουν εγγραφές."_s);
        QCOMPARE(CatalogueMessage(18)->icon, MsgIcon::Information);
    }

    void composedEntriesAppendTheContext() {
        QCOMPARE(CatalogueMessage(23)->text, u"Ο εργαζόμενος προσλήφθηκε αυτό το μήνα."_s);
        QCOMPARE(
            CatalogueMessage(23, u"ΑΛΦΑ ΑΕ"_s, u"Παπαδόπουλος"_s)->text,
            u"Ο εργαζόμενος προσλήφθηκε αυτό το μήνα.\r\nΕταιρεία    : ΑΛΦΑ ΑΕ\r\nΕργ/μενος : Παπαδόπουλος"_s);
        QCOMPARE(CatalogueMessage(23, QString(), u"Παπαδόπουλος"_s)->text,
                 u"Ο εργαζόμενος προσλήφθηκε αυτό το μήνα.\r\nΕργ/μενος : Παπαδόπουλος"_s);
        // Entry 30 adds the movement, but not a movement 0.
        QCOMPARE(CatalogueMessage(30, u"Α"_s, QString(), 7)->text,
                 u"Η κίνηση υπάρχει σε άλλο μήνα.\r\nΕταιρεία    : Α\r\nΚινηση      : 7"_s);
        QCOMPARE(CatalogueMessage(30)->text, u"Η κίνηση υπάρχει σε άλλο μήνα."_s);
        // A plain entry ignores the context.
        QCOMPARE(CatalogueMessage(7, u"Α"_s, u"Β"_s)->text, u"Η εγγραφή υπάρχει ήδη."_s);
    }

    void entry62ContinuesWithItsFixedLinesAfterTheContext() {
        const QString lines = u"\r\n1.Πρεπει να διαγραφεί αυτή η κίνηση."
                              u"\r\n2.Να επανυπολογιστεί η κίνηση αδείας ή τακτικών που υπάρχει ήδη."
                              u"\r\n3.Να ξανακαταχωρηθεί η κίνηση αυτή."_s;
        QCOMPARE(CatalogueMessage(62)->text, u"Υπαρχουν αρνητικές εισφορές."_s + lines);
        QCOMPARE(CatalogueMessage(62, u"Α"_s)->text,
                 u"Υπαρχουν αρνητικές εισφορές.\r\nΕταιρεία    : Α"_s + lines);
        QCOMPARE(CatalogueMessage(62)->icon, MsgIcon::Critical);
    }

    void entriesWithProgramValues() {
        Program.WorkDate = QDate(2009, 3, 5);
        QCOMPARE(CatalogueMessage(101)->text,
                 u"Τα στοιχεία του Πίνακα Προσωπικού θα στάλουν με ημερομηνία 05/03/2009"_s);
        QCOMPARE(CatalogueMessage(3, {}, {}, 53)->text, u"Πρόβλημα στο αρχείο συστήματος\r\nΛάθος = 53"_s);
        QCOMPARE(CatalogueMessage(3)->title, u"ΠΡΟΣΟΧΗ !!!"_s);
        QCOMPARE(CatalogueMessage(73)->text,
                 u"Η έκδοση των αρχείων είναι διαφορετική από αυτή του προγράμματος. (1.01)\r\n"
                 u"Επικοινωνήστε με τη Tavrinex."_s);
    }

    void titlesTextsAndIcons() {
        const std::optional<MessageBox> box108 = CatalogueMessage(108);
        QCOMPARE(box108->title, u"ΠΡΟΣΟΧΗ"_s);
        QCOMPARE(box108->text,
                 u"Ανύπαρκτα στοιχεία αποστολής (UserName,Password).\r\n"
                 u"Αυτά συμπληρώνονται στην εργασία 'Παράμετροι Σύνδεσης' στις βοηθητικές εργασίες."_s);
        QCOMPARE(box108->icon, MsgIcon::Critical);
        QCOMPARE(CatalogueMessage(7)->icon, MsgIcon::Information);
        QCOMPARE(CatalogueMessage(31)->icon, MsgIcon::Warning);
        QCOMPARE(CatalogueMessage(32)->text, u"Το προγραμμά σας δεν υποστηρίζει περισσότερους χρήστες."_s);
        QCOMPARE(CatalogueMessage(56)->title, u"Διαγραφή Κινήσεων"_s);
        QCOMPARE(CatalogueMessage(28)->title, u"Φόρτωση Αρχείου"_s);
        QCOMPARE(CatalogueMessage(26)->title, u"Φύλαξη Αρχείου"_s);
        QCOMPARE(CatalogueMessage(59)->text.count(u"\r\n"_s), 2);
        QCOMPARE(CatalogueMessage(86)->text.count(u"\r\n"_s), 2);
        QVERIFY(!CatalogueMessage(110));
    }

private:
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_GUILESS_MAIN(MessagesTest)
#include "MessagesTest.moc"
