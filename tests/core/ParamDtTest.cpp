#include "Controls.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "logic/core/database/ParamStatements.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/print/AccountantMail.h"
#include "shell/Windows.h"
#include "windows/core/ChildWindow.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <memory>

// The connection parameters window against a real database: what ends up in table Param
// and in the program's values.
class ParamDtTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsTheStoredValuesBesideTheirLabels();
    void enterAndArrowsFollowTheTabOrder();
    void theApiAccountIsKeptInItsOwnTable();
    void savesTrimmedValuesAndUsesThemAtOnce();
    void withoutParamRowTheValuesAreStillUsed();
    void escapeAndExitDoNotSave();
    void failedUpdateKeepsTheWindowAndTheTyping();

private:
    QPointer<ChildWindow> open();
    QLineEdit* field(const char* name) const { return Controls::LineEdit(m_window, name); }
    // Types the text key by key (Greek letters included) into the emptied field.
    void type(const char* name, const QString& text) {
        field(name)->clear();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field(name), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    int paramRows() const;

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<QMainWindow> m_frame;
    MdiHost* m_mdi = nullptr;
    QPointer<ChildWindow> m_window;
    ScriptedDialogs* m_dialogs = nullptr;
};

namespace {
const char* const FieldNames[] = {"IkaCode", "IkaPass", "TaxisCode", "TaxisPass", "Smtp",
                                  "C",       "L",       "Epon",      "ApiUser",   "ApiPass"};
}

void ParamDtTest::init() {
    m_folder = std::make_unique<TestDataFolder>();
    m_dialogs = &InstallScriptedDialogs();
    QVERIFY(m_folder->openDatabase());
    RegisterWindows();
    m_frame = std::make_unique<QMainWindow>();
    m_mdi = new MdiHost;
    m_frame->setCentralWidget(m_mdi);
    m_frame->resize(900, 700);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
}

void ParamDtTest::cleanup() {
    m_frame.reset();
    m_folder.reset();
}

QPointer<ChildWindow> ParamDtTest::open() {
    m_window = m_mdi->openChild(QStringLiteral("ParamDt"));
    return m_window;
}

int ParamDtTest::paramRows() const {
    QSqlQuery count(DbConnection());
    count.exec(QStringLiteral("Select Count(*) From Param"));
    return count.next() ? count.value(0).toInt() : -1;
}

void ParamDtTest::showsTheStoredValuesBesideTheirLabels() {
    m_folder->exec(QStringLiteral("Update Param Set IkaCode='ika1',TaxisPass='t p',Cepon='Εταιρεία Α.Ε.'"));
    CloseDatabase();
    QVERIFY(m_folder->openDatabase());
    QVERIFY(open());
    QCOMPARE(m_window->subWindow()->pos(), TwipsToPixels(50, 50));
    QCOMPARE(field("IkaCode")->text(), QStringLiteral("ika1"));
    QCOMPARE(field("TaxisPass")->text(), QStringLiteral("t p"));
    QCOMPARE(field("TaxisPass")->echoMode(), QLineEdit::Normal); // passwords shown as typed
    QCOMPARE(field("Epon")->text(), QStringLiteral("Εταιρεία Α.Ε."));

    for (int i = 0; i < 10; ++i)
        QCOMPARE(Controls::Find<QLabel>(m_window, QStringLiteral("Lbl_%1").arg(i))->buddy(),
                 field(FieldNames[i]));
}

void ParamDtTest::enterAndArrowsFollowTheTabOrder() {
    QVERIFY(open());
    field("IkaCode")->setFocus();
    for (int i = 1; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), i % 2 ? Qt::Key_Return : Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), field(FieldNames[i]));
    }
    QTest::keyClick(field("ApiPass"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), field("IkaCode"));
    QTest::keyClick(field("IkaCode"), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), field("ApiPass"));
    // Tab goes the same way, and on from the last field to the buttons.
    QTest::keyClick(field("ApiPass"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Controls::Button(m_window, "SaveBut"));
    field("TaxisPass")->setFocus();
    QTest::keyClick(field("TaxisPass"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field("Smtp"));
}

// The API's account goes to a table of its own, created when the database lacked it; the
// e-services login is not touched by it.
void ParamDtTest::theApiAccountIsKeptInItsOwnTable() {
    m_folder->exec(QStringLiteral("Drop Table ApiLogin"));
    CloseDatabase();
    QVERIFY(m_folder->openDatabase());
    QVERIFY(open());
    QCOMPARE(field("ApiUser")->text(), QString());
    QCOMPARE(field("ApiPass")->echoMode(), QLineEdit::Password);
    type("ApiUser", QStringLiteral(" wsuser "));
    type("ApiPass", QStringLiteral(" κωδ'ικός "));
    QTest::keyClick(field("ApiPass"), Qt::Key_F10);
    QTRY_VERIFY(!m_window);
    QSqlQuery stored(DbConnection());
    QVERIFY(stored.exec(QStringLiteral("Select Auser,Apass From ApiLogin")));
    QVERIFY(stored.next());
    QCOMPARE(stored.value(0).toString(), QStringLiteral("wsuser"));
    QCOMPARE(stored.value(1).toString(), QStringLiteral(" κωδ'ικός "));
    QVERIFY(!stored.next());
    QCOMPARE(Program.Params.IkaCode, QString());

    // Shown again when the window opens; a second save changes the one row.
    QVERIFY(open());
    QCOMPARE(field("ApiUser")->text(), QStringLiteral("wsuser"));
    type("ApiUser", QStringLiteral("other"));
    QTest::keyClick(field("ApiUser"), Qt::Key_F10);
    QTRY_VERIFY(!m_window);
    QCOMPARE(SelectApiAccount().user, QStringLiteral("other"));
    QVERIFY(stored.exec(QStringLiteral("Select Count(*) From ApiLogin")) && stored.next());
    QCOMPARE(stored.value(0).toInt(), 1);
}

void ParamDtTest::savesTrimmedValuesAndUsesThemAtOnce() {
    QVERIFY(open());
    type("IkaCode", QStringLiteral("  ika1 "));
    type("TaxisPass", QStringLiteral(" pa'ss\" "));
    type("Smtp", QStringLiteral("smtp.example.gr  "));
    type("C", QStringLiteral(" user@example.gr"));
    type("L", QStringLiteral("logistis@example.gr"));
    type("Epon", QStringLiteral("  Εταιρεία Α.Ε.  "));
    QTest::mouseClick(Controls::Button(m_window, "SaveBut"), Qt::LeftButton);
    QTRY_VERIFY(!m_window);

    ParamValues expected;
    expected.IkaCode = QStringLiteral("ika1");
    expected.TaxisPass = QStringLiteral("pa'ss\"");
    expected.SmtpServer = QStringLiteral("smtp.example.gr");
    expected.Cemail = QStringLiteral("user@example.gr");
    expected.Lemail = QStringLiteral("logistis@example.gr");
    expected.Cepon = QStringLiteral("Εταιρεία Α.Ε.");
    QCOMPARE(Program.Params, expected);
    QSqlQuery stored(DbConnection());
    QVERIFY(stored.exec(QStringLiteral("Select IkaCode,Cepon,SmtpServer From Param")));
    QVERIFY(stored.next());
    QCOMPARE(stored.value(0).toString(), QStringLiteral("ika1"));
    QCOMPARE(stored.value(1).toString(), QStringLiteral("Εταιρεία Α.Ε."));
    QCOMPARE(stored.value(2).toString(), QStringLiteral("smtp.example.gr"));
    QVERIFY(m_dialogs->boxes.isEmpty());
    // The mail to the accountant at exit takes the new addresses in this run.
    QVERIFY(AccountantMailCommand().arguments.contains(QStringLiteral("To=logistis@example.gr")));
}

void ParamDtTest::withoutParamRowTheValuesAreStillUsed() {
    m_folder->exec(QStringLiteral("Delete From Param"));
    QVERIFY(open());
    type("IkaCode", QStringLiteral("ika2"));
    type("Epon", QStringLiteral("Β "));
    QTest::keyClick(field("Epon"), Qt::Key_F10);
    QTRY_VERIFY(!m_window);
    QCOMPARE(paramRows(), 0);
    QCOMPARE(Program.Params.IkaCode, QStringLiteral("ika2"));
    QCOMPARE(Program.Params.Cepon, QStringLiteral("Β"));
    QVERIFY(m_dialogs->boxes.isEmpty());
}

void ParamDtTest::escapeAndExitDoNotSave() {
    Program.Params.IkaCode = QStringLiteral("before");
    QVERIFY(open());
    type("IkaCode", QStringLiteral("changed"));
    QTest::keyClick(field("IkaCode"), Qt::Key_Escape);
    QTRY_VERIFY(!m_window);

    QVERIFY(open());
    QCOMPARE(field("IkaCode")->text(), QStringLiteral("before"));
    type("Smtp", QStringLiteral("changed"));
    QTest::mouseClick(Controls::Button(m_window, "ExitBut"), Qt::LeftButton);
    QTRY_VERIFY(!m_window);

    QCOMPARE(Program.Params.IkaCode, QStringLiteral("before"));
    QCOMPARE(Program.Params.SmtpServer, QString());
    QCOMPARE(SelectParam().value(), ParamValues{});
}

void ParamDtTest::failedUpdateKeepsTheWindowAndTheTyping() {
    Program.Params.Cemail = QStringLiteral("old@example.gr");
    QVERIFY(open());
    m_folder->exec(QStringLiteral("Drop Table Param"));
    type("C", QStringLiteral("new@example.gr"));
    QTest::keyClick(field("C"), Qt::Key_F10);
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.first().title, QStringLiteral("ΠΡΟΣΟΧΗ !!!"));
    QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Critical);
    QTest::qWait(20);
    QVERIFY(m_window && m_window->isVisible());
    QCOMPARE(field("C")->text(), QStringLiteral("new@example.gr"));
    QCOMPARE(Program.Params.Cemail, QStringLiteral("old@example.gr"));
}

QTEST_MAIN(ParamDtTest)
#include "ParamDtTest.moc"
