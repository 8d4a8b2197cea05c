#include "windows/records/InsErg.h"
#include "AscLines.h"
#include "Controls.h"
#include "RecordWindows.h"
#include "logic/core/program/ProgramValues.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Controls;

// The import window: the file it asks for, the question, the rows it stores and the
// closing message.
class InsErgTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_windows = std::make_unique<RecordWindows>(); }
    void cleanup() { m_windows.reset(); }

    void aMissingFileShowsMessage10() {
        InsErg* window = open();
        Button(window, "EisBut")->click();
        LineEdit(window, "FlName")->setText(m_windows->folder().file(QStringLiteral("missing.asc")));
        QTest::keyClick(LineEdit(window, "FlName"), Qt::Key_F10);
        QCOMPARE(m_windows->dialogs().numbers(), (QList<int>{10, 10}));
    }

    void threeEmployeesOnceThenNothingNew() {
        const QString path =
            writeFile({AscHeadingLine(), AscEmployeeLine(1, "ΑΛΕΞΙΟΥ", "ΜΑΡΙΑ", "090000045"),
                       AscEmployeeLine(2, "ΒΑΣΙΛΕΙΟΥ", "", "094019245"),
                       AscEmployeeLine(3, "ΓΕΩΡΓΙΟΥ", "ΝΙΚΟΣ", "123456789"), AscTotalsLine(3)});
        RecordWindows::addEmployee(QStringLiteral("123456789"), QStringLiteral("ΑΛΛΟ ΟΝΟΜΑ"),
                                   QStringLiteral("5"));
        InsErg* window = open();
        m_windows->dialogs().fileNames = {path};
        ToolButton(window, "Find")->click();
        QCOMPARE(LineEdit(window, "FlName")->text(), path);

        m_windows->dialogs().answers = {MsgAnswer::Yes};
        Button(window, "EisBut")->click();
        const MessageBox question = m_windows->dialogs().boxes.first();
        QCOMPARE(question.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        QCOMPARE(question.icon, MsgIcon::Information);
        QCOMPARE(m_windows->dialogs().numbers(), (QList<int>{0, 27}));
        QCOMPARE(m_windows->dialogs().boxes.last().text, QStringLiteral("H εργασία εκτελέστηκε κανονικά."));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 3);
        QCOMPARE(SelectEmployee(QStringLiteral("094019245")).value(),
                 (Employee{"094019245", "ΒΑΣΙΛΕΙΟΥ ", "0"}));
        QCOMPARE(SelectEmployee(QStringLiteral("123456789"))->Eepon, QStringLiteral("ΑΛΛΟ ΟΝΟΜΑ"));

        m_windows->dialogs().answers = {MsgAnswer::Yes};
        Button(window, "EisBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), (QList<int>{0, 27, 0, 27}));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 3);
        // The window stays open for another file.
        QCOMPARE(m_windows->findChild(QStringLiteral("InsErg")), window);
    }

    void answeringNoImportsNothing() {
        const QString path = writeFile({AscEmployeeLine(1, "ΑΛΕΞΙΟΥ", "ΜΑΡΙΑ", "090000045")});
        InsErg* window = open();
        LineEdit(window, "FlName")->setText(path);
        m_windows->dialogs().answers = {MsgAnswer::No};
        Button(window, "EisBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{0});
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 0);
    }

    void linesThatCannotBeStoredAreNamedInTheMessage() {
        m_windows->folder().refuseEmployees(QStringLiteral("Eafm='2'"));
        const QString path =
            writeFile({AscEmployeeLine(1, "ΕΝΑ", "", "1"), AscEmployeeLine(2, "ΔΥΟ", "", "2"),
                       AscEmployeeLine(3, "ΤΡΙΑ", "", "3")},
                      "\r");
        InsErg* window = open();
        LineEdit(window, "FlName")->setText(path);
        m_windows->dialogs().answers = {MsgAnswer::Yes};
        Button(window, "EisBut")->click();
        QCOMPARE(m_windows->dialogs().boxes.last().number, 27);
        QCOMPARE(m_windows->dialogs().boxes.last().text,
                 QStringLiteral(
                     "H εργασία εκτελέστηκε κανονικά.\r\nΔεν καταχωρήθηκε 1 γραμμή του αρχείου (γραμμή 2)."));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 2);
    }

    void aFileThatIsNotTextIsRefusedBeforeTheQuestion() {
        const QString path = m_windows->folder().file(QStringLiteral("book.xlsx"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("PK\x03\x04\x14\x00\x06\x00\x08\x00\x00\x00!\x00", 17) + QByteArray(300, 'x'));
        file.close();
        InsErg* window = open();
        LineEdit(window, "FlName")->setText(path);
        m_windows->dialogs().answers = {MsgAnswer::Yes};
        Button(window, "EisBut")->click();
        QCOMPARE(m_windows->dialogs().boxes.size(), 1);
        const MessageBox refusal = m_windows->dialogs().boxes.first();
        QCOMPARE(refusal.icon, MsgIcon::Critical);
        QVERIFY2(refusal.text.contains(QStringLiteral("δεν είναι αρχείο κειμένου με εργαζόμενους")),
                 qPrintable(refusal.text));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 0);
    }

    void escapeCloses() {
        InsErg* window = open();
        QTest::keyClick(LineEdit(window, "FlName"), Qt::Key_Escape);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("InsErg")));
    }

private:
    InsErg* open() {
        InsErg* window = m_windows->open<InsErg>(QStringLiteral("InsErg"));
        if (!window)
            qFatal("The import window did not open");
        if (!LineEdit(window, "FlName")->text().isEmpty())
            qFatal("The import window did not start empty");
        LineEdit(window, "FlName")->setFocus();
        return window;
    }
    QString writeFile(const QStringList& lines, const QByteArray& lineEnd = "\r\n") {
        const QString path = m_windows->folder().file(QStringLiteral("Ergaz.asc"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(AscFileBytes(lines, lineEnd));
        return path;
    }
    std::unique_ptr<RecordWindows> m_windows;
};

QTEST_MAIN(InsErgTest)
#include "InsErgTest.moc"
