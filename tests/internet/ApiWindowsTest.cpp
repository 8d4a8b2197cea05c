#include "ApiTestData.h"
#include "FakeApi.h"
#include "ModalDriver.h"
#include "RecordWindows.h"
#include "ScriptedServices.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "windows/core/MdiHost.h"
#include "windows/internet/InterApi.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
constexpr int Patience = 20000;
enum { StateColumn = 5 };
} // namespace

// The windows that send through the API, against the fake API on 127.0.0.1: the entry form
// and the batch window hand entries to the API window, which shows them, sends them when
// the user confirms and keeps what the server answered; the history lists it.
class ApiWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_windows = std::make_unique<RecordWindows>(QDate(2024, 3, 15));
        m_api = std::make_unique<FakeApi>();
        QVERIFY(m_api->listen());
        DefaultSettings& settings = InstallDefaultSettings();
        m_settings = &settings;
        settings.set(u"Api/Base"_s, m_api->base());
        settings.set(u"Api/RetryWaitSeconds"_s, u"0"_s);
        // Long enough for a loaded machine; the stall case shortens it.
        settings.set(u"Api/TimeoutSeconds"_s, u"20"_s);
        QVERIFY(UpdateApiAccount({m_api->userName, m_api->password}).ok());
        m_a = ValidAfm(10000001);
        m_b = ValidAfm(20000002);
        m_c = ValidAfm(30000003);
        RecordWindows::addEmployee(m_a, u"ΑΛΕΞΙΟΥ ΜΑΡΙΑ"_s, u"0"_s);
        RecordWindows::addEmployee(m_b, u"ΒΑΣΙΛΕΙΟΥ ΝΙΚΟΣ"_s, u"0"_s);
        RecordWindows::addEmployee(m_c, u"ΓΕΩΡΓΙΟΥ ΕΛΕΝΗ"_s, u"12 Πειραιά"_s);
    }
    void cleanup() {
        m_windows.reset();
        m_api.reset();
    }

    // «Αποστολή» of the entry form with the API chosen: the entry goes, its protocol is
    // shown and kept, and the form shows it as the entry's last submission.
    void theEntryFormSendsTheEntryOnScreenThroughTheApi() {
        RecordWindows::addEntry(m_a, u"20240315"_s, u"08:00-12:00 και 18:00-22:00"_s, u"Υπερωρία"_s);
        QWidget* form = m_windows->open<QWidget>(u"Kins"_s);
        QVERIFY(form);
        form->findChild<QComboBox*>(u"SendWay"_s)->setCurrentIndex(1);
        loadEntry(form, m_a);
        QCOMPARE(form->findChild<QLabel*>(u"LastSub"_s)->text(), u"Δεν έχει υποβληθεί."_s);

        QString shown;
        drive(
            [&](InterApi* window) {
                shown = window->findChild<QLabel*>(u"Summary"_s)->text();
                QTableWidget* grid = window->findChild<QTableWidget*>(u"Grd"_s);
                QCOMPARE(grid->rowCount(), 1);
                QCOMPARE(grid->item(0, 4)->text(), u"08:00-12:00, 18:00-22:00"_s);
                QCOMPARE(grid->item(0, 2)->text(), u"ΑΛΕΞΙΟΥ ΜΑΡΙΑ"_s);
                QCOMPARE(m_api->calls.size(), 0); // nothing leaves before the user confirms
                sendAndWait(window);
                QVERIFY(grid->item(0, StateColumn)->text().startsWith(u"Πρωτόκολλο ΕΥ1000"_s));
            },
            [&] { QTest::mouseClick(form->findChild<QPushButton*>(u"SendBut"_s), Qt::LeftButton); });
        QCOMPARE(shown, u"Θα σταλούν 1 κίνηση σε 1 έντυπο (ένα για κάθε υποκατάστημα)."_s);
        QCOMPARE(m_api->accepted.size(), 1);
        QCOMPARE(m_api->accepted.first().afm, m_a);
        QCOMPARE(m_api->accepted.first().date, u"15/03/2024"_s);
        QCOMPARE(stored(), QStringList{m_a + u" 20240315 api accepted ΕΥ1000 08:00-12:00, 18:00-22:00"_s});
        // The form is cleared for the next entry; the entry shows its submission again.
        auto* eafm = form->findChild<QLineEdit*>(u"Eafm"_s);
        QCOMPARE(eafm->text(), QString());
        loadEntry(form, m_a);
        QVERIFY(form->findChild<QLabel*>(u"LastSub"_s)->text().contains(u"μέσω API, πρωτόκολλο ΕΥ1000"_s));
        // The result box said what went.
        const QList<MessageBox> results =
            m_windows->dialogs().withTitle(u"Αποστολή μέσω Web Services (API)"_s);
        QCOMPARE(results.size(), 1);
        QCOMPARE(results.first().icon, MsgIcon::Information);
        QVERIFY(results.first().text.contains(u"Καταχωρήθηκαν 1 κίνηση."_s));
    }

    // The batch window sends a month in one call per branch; an entry whose hours cannot
    // be read is shown with its reason and stays out.
    void theBatchWindowSendsAMonthInOneCallPerBranch() {
        for (int day = 1; day <= 31; ++day) {
            const QString date = u"202403%1"_s.arg(day, 2, 10, QLatin1Char('0'));
            RecordWindows::addEntry(m_a, date, u"09:00-17:00"_s);
            RecordWindows::addEntry(m_c, date, day % 7 ? u"22:00-06:00"_s : u"ρεπό"_s);
        }
        RecordWindows::addEntry(m_b, u"20240310"_s, u"απόγευμα"_s);
        QWidget* batch = m_windows->open<QWidget>(u"EpilErgaz"_s);
        QVERIFY(batch);
        batch->findChild<QLineEdit*>(u"Dates_0"_s)->setText(u"01/03/2024"_s);
        batch->findChild<QLineEdit*>(u"Dates_1"_s)->setText(u"31/03/2024"_s);
        batch->findChild<QComboBox*>(u"SendWay"_s)->setCurrentIndex(1);
        drive(
            [&](InterApi* window) {
                QTableWidget* grid = window->findChild<QTableWidget*>(u"Grd"_s);
                QCOMPARE(grid->rowCount(), 63);
                QCOMPARE(grid->item(62, 1)->text(), m_b);
                QVERIFY(grid->item(62, StateColumn)->text().contains(u"«απόγευμα»"_s));
                QVERIFY(window->findChild<QLabel*>(u"Summary"_s)
                            ->text()
                            .startsWith(u"Θα σταλούν 62 κινήσεις σε 2 έντυπα"_s));
                sendAndWait(window);
                QVERIFY(grid->item(62, StateColumn)->text().contains(u"«απόγευμα»"_s));
                QVERIFY2(window->findChild<QLabel*>(u"Status"_s)
                             ->text()
                             .endsWith(u"1 κίνηση δεν στάλθηκε: ο λόγος φαίνεται στον πίνακα."_s),
                         qPrintable(window->findChild<QLabel*>(u"Status"_s)->text()));
            },
            [&] { QTest::keyClick(batch->findChild<QLineEdit*>(u"Eafm_0"_s), Qt::Key_F10); });
        const MessageBox& result = m_windows->dialogs().boxes.last();
        QCOMPARE(result.icon, MsgIcon::Warning);
        QVERIFY2(result.text.contains(u"Καταχωρήθηκαν 62 κινήσεις. 1 κίνηση δεν στάλθηκε"_s),
                 qPrintable(result.text));
        QCOMPARE(m_api->documentCalls(), 2);
        QCOMPARE(m_api->accepted.size(), 62);
        QVERIFY(m_api->acceptedTwice().isEmpty());
        QCOMPARE(RecordWindows::count(u"Submissions"_s), 62);
        QCOMPARE(m_api->accepted.last().branch, 12);
    }

    // An entry submitted before with the same hours is asked about: No sends only the rest,
    // and then nothing is left to send.
    void anEntrySubmittedBeforeWithTheSameHoursIsAskedAbout() {
        RecordWindows::addEntry(m_a, u"20240315"_s, u"8:00-16:00"_s);
        RecordWindows::addEntry(m_b, u"20240315"_s, u"8:00-15:00"_s);
        QVERIFY(InsertSubmissions({{m_a,
                                    u"20240315"_s,
                                    u"api"_s,
                                    u"accepted"_s,
                                    u"ΕΥ5"_s,
                                    u"14/03/2024 09:00"_s,
                                    {},
                                    u"08:00-16:00"_s,
                                    u"2024-03-14 09:00:00.000"_s,
                                    {}},
                                   {m_b,
                                    u"20240315"_s,
                                    u"api"_s,
                                    u"accepted"_s,
                                    u"ΕΥ6"_s,
                                    u"14/03/2024 09:00"_s,
                                    {},
                                    u"08:00-14:00"_s,
                                    u"2024-03-14 09:00:00.000"_s,
                                    {}}})
                    .ok());
        m_windows->dialogs().answers = {MsgAnswer::No};
        QWidget* batch = m_windows->open<QWidget>(u"EpilErgaz"_s);
        batch->findChild<QComboBox*>(u"SendWay"_s)->setCurrentIndex(1);
        drive(
            [&](InterApi* window) {
                QTableWidget* grid = window->findChild<QTableWidget*>(u"Grd"_s);
                QCOMPARE(grid->rowCount(), 2);
                QVERIFY(grid->item(1, StateColumn)->text().contains(u"πρωτόκολλο ΕΥ5"_s));
                QCOMPARE(window->findChild<QLabel*>(u"Summary"_s)->text(),
                         u"Θα σταλούν 1 κίνηση σε 1 έντυπο (ένα για κάθε υποκατάστημα). 1 κίνηση έχει ήδη "
                         u"υποβληθεί με το ίδιο ωράριο."_s);
                sendAndWait(window);
            },
            [&] { QTest::keyClick(batch->findChild<QLineEdit*>(u"Eafm_0"_s), Qt::Key_F10); });
        const QList<MessageBox> asked = m_windows->dialogs().withTitle(u"Αποστολή μέσω Web Services (API)"_s);
        QVERIFY(!asked.isEmpty());
        QCOMPARE(asked.first().buttons, MsgButtons::YesNoCancel);
        QVERIFY(asked.first().text.startsWith(u"Μία κίνηση έχει ήδη υποβληθεί με το ίδιο ωράριο"_s));
        // Only the entry whose hours changed went.
        QCOMPARE(m_api->accepted.size(), 1);
        QCOMPARE(m_api->accepted.first().afm, m_b);

        // Asked again with only the entry submitted before: No leaves nothing to send, and the
        // window says so instead of staying silent.
        m_windows->dialogs().answers = {MsgAnswer::No};
        drive(
            [&](InterApi* window) {
                QCOMPARE(window->findChild<QLabel*>(u"Summary"_s)->text(),
                         u"2 κινήσεις έχουν ήδη υποβληθεί με το ίδιο ωράριο."_s);
                QTest::mouseClick(window->findChild<QPushButton*>(u"SendBut"_s), Qt::LeftButton);
                QCOMPARE(window->findChild<QLabel*>(u"Status"_s)->text(), u"Δεν στάλθηκε καμία κίνηση."_s);
            },
            [&] { QTest::keyClick(batch->findChild<QLineEdit*>(u"Eafm_0"_s), Qt::Key_F10); });
        QCOMPARE(m_api->documentCalls(), 1);
    }

    // No answer after sending: the entries are marked «αβέβαιη», nothing is sent again by
    // itself, and the user is told to look on the site.
    void aStallMarksTheEntriesUnknown() {
        RecordWindows::addEntry(m_a, u"20240315"_s, u"8:00-16:00"_s);
        RecordWindows::addEntry(m_c, u"20240315"_s, u"8:00-16:00"_s);
        m_api->stallNextDocument = true;
        m_settings->set(u"Api/TimeoutSeconds"_s, u"2"_s);
        QWidget* batch = m_windows->open<QWidget>(u"EpilErgaz"_s);
        batch->findChild<QComboBox*>(u"SendWay"_s)->setCurrentIndex(1);
        drive(
            [&](InterApi* window) {
                sendAndWait(window);
                QTableWidget* grid = window->findChild<QTableWidget*>(u"Grd"_s);
                QVERIFY(grid->item(0, StateColumn)->text().startsWith(u"αβέβαιη"_s));
                QVERIFY(grid->item(1, StateColumn)->text().startsWith(u"Δεν στάλθηκε"_s));
            },
            [&] { QTest::keyClick(batch->findChild<QLineEdit*>(u"Eafm_0"_s), Qt::Key_F10); });
        QCOMPARE(m_api->documentCalls(), 1);
        QCOMPARE(stored(), QStringList{m_a + u" 20240315 api unknown  08:00-16:00"_s});
        const MessageBox result =
            m_windows->dialogs().withTitle(u"Αποστολή μέσω Web Services (API)"_s).last();
        QCOMPARE(result.icon, MsgIcon::Warning);
        QVERIFY(result.text.contains(u"«αβέβαιη»"_s));
    }

    // A 400 shows the server's words and marks nothing.
    void aRefusalShowsTheServersWordsAndKeepsNothing() {
        RecordWindows::addEntry(m_a, u"20240315"_s, u"8:00-16:00"_s);
        m_api->refuseNextDocument = u"Εκπρόθεσμη υποβολή"_s;
        QWidget* form = m_windows->open<QWidget>(u"Kins"_s);
        form->findChild<QComboBox*>(u"SendWay"_s)->setCurrentIndex(1);
        loadEntry(form, m_a);
        drive([&](InterApi* window) { sendAndWait(window); },
              [&] { QTest::mouseClick(form->findChild<QPushButton*>(u"SendBut"_s), Qt::LeftButton); });
        QCOMPARE(RecordWindows::count(u"Submissions"_s), 0);
        const MessageBox result =
            m_windows->dialogs().withTitle(u"Αποστολή μέσω Web Services (API)"_s).last();
        QVERIFY(result.text.contains(u"Η υπηρεσία δεν δέχτηκε το έντυπο: «Εκπρόθεσμη υποβολή»."_s));
    }

    // Without the API's account nothing opens and the user is told where to set it.
    void withoutTheApiAccountTheUserIsToldWhereToSetIt() {
        QVERIFY(UpdateApiAccount({}).ok());
        RecordWindows::addEntry(m_a, u"20240315"_s, u"8:00-16:00"_s);
        QWidget* form = m_windows->open<QWidget>(u"Kins"_s);
        form->findChild<QComboBox*>(u"SendWay"_s)->setCurrentIndex(1);
        loadEntry(form, m_a);
        QTest::mouseClick(form->findChild<QPushButton*>(u"SendBut"_s), Qt::LeftButton);
        QCOMPARE(m_windows->dialogs().boxes.size(), 1);
        QVERIFY(m_windows->dialogs().boxes.first().text.contains(u"«Παράμετροι Σύνδεσης»"_s));
        QCOMPARE(m_api->calls.size(), 0);
        // The form keeps what the user typed.
        QCOMPARE(form->findChild<QLineEdit*>(u"Eafm"_s)->text(), m_a);
    }

    // The history lists what the servers answered, newest first, filters it, opens a kept
    // proof and prints through the report preview.
    void theHistoryListsFiltersAndPrints() {
        QDir(Program.AppPath).mkpath(u"Proofs"_s);
        QFile proof(QDir(Program.AppPath).filePath(u"Proofs/p.pdf"_s));
        QVERIFY(proof.open(QIODevice::WriteOnly));
        proof.write("%PDF-1.4\n");
        proof.close();
        QVERIFY(InsertSubmissions({{m_a,
                                    u"20240301"_s,
                                    u"api"_s,
                                    u"accepted"_s,
                                    u"ΕΥ1000"_s,
                                    u"14/03/2024 09:00"_s,
                                    u"7"_s,
                                    u"08:00-16:00"_s,
                                    u"2024-03-14 09:00:00.000"_s,
                                    {}},
                                   {m_c,
                                    u"20240302"_s,
                                    u"api"_s,
                                    u"unknown"_s,
                                    {},
                                    {},
                                    {},
                                    u"ΑΝ"_s,
                                    u"2024-03-14 10:00:00.000"_s,
                                    {}},
                                   {m_a,
                                    u"20240303"_s,
                                    u"page"_s,
                                    u"accepted"_s,
                                    {},
                                    {},
                                    {},
                                    u"9-5"_s,
                                    u"2024-03-14 11:00:00.000"_s,
                                    u"Proofs/p.pdf"_s}})
                    .ok());
        QWidget* history = m_windows->open<QWidget>(u"IstYpob"_s);
        QVERIFY(history);
        QTableWidget* grid = history->findChild<QTableWidget*>(u"Grd"_s);
        QCOMPARE(column(grid, 1), (QStringList{u"03/03/2024"_s, u"02/03/2024"_s, u"01/03/2024"_s}));
        QCOMPARE(column(grid, 5), (QStringList{QString(), u"αβέβαιη"_s, u"ΕΥ1000"_s}));
        QCOMPARE(grid->item(1, 3)->text(), u"ΓΕΩΡΓΙΟΥ ΕΛΕΝΗ"_s);

        RecordWindows::typeText(history->findChild<QLineEdit*>(u"Eafm"_s), m_a);
        QCOMPARE(column(grid, 1), (QStringList{u"03/03/2024"_s, u"01/03/2024"_s}));
        RecordWindows::typeText(history->findChild<QLineEdit*>(u"Protocol"_s), u"ΕΥ1"_s);
        QCOMPARE(column(grid, 1), QStringList{u"01/03/2024"_s});
        auto* proofBut = history->findChild<QPushButton*>(u"ProofBut"_s);
        QVERIFY(!proofBut->isEnabled());

        history->findChild<QLineEdit*>(u"Protocol"_s)->clear();
        grid->selectRow(0);
        QVERIFY(proofBut->isEnabled());
        QTest::mouseClick(proofBut, Qt::LeftButton);
        QTRY_VERIFY(QApplication::activeModalWidget() &&
                    QApplication::activeModalWidget()->objectName() == u"ProofView"_s);
        QVERIFY(QApplication::activeModalWidget()->windowTitle().contains(u"03/03/2024"_s));
        QApplication::activeModalWidget()->close();

        QTest::mouseClick(history->findChild<QPushButton*>(u"PrtBut"_s), Qt::LeftButton);
        RecordWindows::settle();
        QVERIFY(m_windows->findChild(u"Lbprint"_s));
    }

private:
    void loadEntry(QWidget* form, const QString& afm) {
        // Back from a modal window the form must be active again for its fields to be left.
        form->window()->activateWindow();
        QTRY_VERIFY(form->window()->isActiveWindow());
        auto* eafm = form->findChild<QLineEdit*>(u"Eafm"_s);
        eafm->setFocus();
        RecordWindows::typeText(eafm, afm);
        QTest::keyClick(eafm, Qt::Key_Return);
        QTest::keyClick(form->findChild<QLineEdit*>(u"Kdate"_s), Qt::Key_Return);
        RecordWindows::settle();
    }

    // Runs show(), which opens the API window, and drive() inside it; the window is left
    // with its exit button when drive() is done.
    void drive(const std::function<void(InterApi*)>& inside, const std::function<void()>& show) {
        ModalDriver driver;
        bool seen = false;
        driver.run(
            [&](QDialog* dialog) {
                auto* window = qobject_cast<InterApi*>(dialog);
                QVERIFY(window);
                seen = true;
                inside(window);
                QTest::mouseClick(window->findChild<QPushButton*>(u"ExitBut"_s), Qt::LeftButton);
            },
            show);
        QVERIFY(seen);
    }

    static void sendAndWait(InterApi* window) {
        QSignalSpy sent(window, &InterApi::sent);
        QTest::mouseClick(window->findChild<QPushButton*>(u"SendBut"_s), Qt::LeftButton);
        QVERIFY(sent.wait(Patience));
    }

    static QStringList stored() {
        QSqlQuery query(DbConnection());
        query.exec(
            u"Select Eafm,Kdate,Sway,Sstate,Sprotocol,Shours From Submissions Order By Ssent,Eafm,Kdate"_s);
        QStringList rows;
        while (query.next())
            rows << u"%1 %2 %3 %4 %5 %6"_s.arg(query.value(0).toString(), query.value(1).toString(),
                                               query.value(2).toString(), query.value(3).toString(),
                                               query.value(4).toString(), query.value(5).toString());
        return rows;
    }

    static QStringList column(QTableWidget* grid, int column) {
        QStringList cells;
        for (int row = 0; row < grid->rowCount(); ++row)
            cells << grid->item(row, column)->text();
        return cells;
    }

    std::unique_ptr<RecordWindows> m_windows;
    std::unique_ptr<FakeApi> m_api;
    DefaultSettings* m_settings = nullptr;
    QString m_a;
    QString m_b;
    QString m_c;
};

QTEST_MAIN(ApiWindowsTest)
#include "ApiWindowsTest.moc"
