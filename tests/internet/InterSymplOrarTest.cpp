#include "windows/internet/InterSymplOrar.h"
#include "BrowserProbe.h"
#include "FakeEservices.h"
#include "PrinterScript.h"
#include "RecordWindows.h"
#include "ScriptedDialogs.h"
#include "logic/core/database/Database.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/internet/EservicesSite.h"
#include "logic/internet/PageScripts.h"
#include "logic/internet/WebEngineSetup.h"
#include "windows/internet/FlowPage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPdfDocument>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

using namespace BrowserProbe;

namespace {

constexpr int Patience = 30000;

} // namespace

// The submission window driven against a stand-in of the e-services site.
class InterSymplOrarTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetProgramValues();
        m_dialogs = &InstallScriptedDialogs();
        m_site = std::make_unique<FakeEservices>();
        QVERIFY(m_site->listen());
        Program.EservicesBase = m_site->base();
        Program.Params.IkaCode = m_site->userName;
        Program.Params.IkaPass = m_site->password;
        Program.SendEafm = QStringLiteral("090000045");
        Program.SendKorario = QStringLiteral("08:00-16:00 \"έξτρα\"");
        Program.SendKparat = QStringLiteral("Απογευματινή's βάρδια");
        Program.SendEypo = QStringLiteral("12 Πειραιά");
    }
    void cleanup() { m_site.reset(); }

    void entryIsFilledInSubmittedByTheUserAndItsProofShown() {
        InterSymplOrar window;
        window.show();

        QTRY_COMPARE_WITH_TIMEOUT(m_site->logins.size(), 1, Patience);
        QCOMPARE(m_site->logins.first().userName, m_site->userName);
        QCOMPARE(m_site->logins.first().password, m_site->password);
        QCOMPARE(window.flow().sessionId(), m_site->sessionKey());

        QWebEngineView* form = window.browser(0);
        QTRY_COMPARE_WITH_TIMEOUT(Address(form), m_site->entryPage(), Patience);
        QWebEnginePage* page = form->page();
        QTRY_COMPARE_WITH_TIMEOUT(FieldValue(page, Eservices::AfmField), Program.SendEafm, Patience);
        QCOMPARE(FieldValue(page, Eservices::BranchField), QStringLiteral("12"));
        QCOMPARE(FieldValue(page, Eservices::HoursField), Program.SendKorario);
        QCOMPARE(FieldValue(page, Eservices::RemarksField), Program.SendKparat);
        const QString line = QStringLiteral("090000045 08:00-16:00 \"έξτρα\" Απογευματινή's βάρδια -/- ");
        QCOMPARE(Program.SubmissionLog, line);
        QVERIFY(m_site->submissions.isEmpty());
        QVERIFY(Showing(&window, form));

        // The user presses the site's own submit button.
        QVERIFY(ClickElement(form, QStringLiteral("#submit")));
        QTRY_COMPARE_WITH_TIMEOUT(m_site->submissions.size(), 1, Patience);
        const FakeEservices::Submission& sent = m_site->submissions.first();
        QCOMPARE(sent.afm, QStringLiteral("090000045"));
        QCOMPARE(sent.hours, Program.SendKorario);
        QCOMPARE(sent.remarks, Program.SendKparat);
        QCOMPARE(sent.branch, QStringLiteral("12"));

        // The site opens the proof in a new window: it lands in browser 1, in front.
        QWebEngineView* proof = window.browser(1);
        QTRY_VERIFY_WITH_TIMEOUT(Eservices::IsProofOpening(m_site->base(), Address(proof)), Patience);
        QTRY_COMPARE_WITH_TIMEOUT(window.flow().viewMode(), ViewMode::ProofView, Patience);
        QTRY_VERIFY_WITH_TIMEOUT(Showing(&window, proof), Patience);
        QTRY_VERIFY_WITH_TIMEOUT(m_site->proofDownloads >= 1, Patience);
        // The page posted back to the entry address and is filled in again, but the entry
        // goes into the log once.
        QCOMPARE(Program.SubmissionLog, line);

        // In front of the proof the print button prints the proof: fetched again within the
        // session and printed page by page.
        QTemporaryDir out;
        const QString printed = out.filePath(QStringLiteral("proof.pdf"));
        AcceptPrinterIntoPdf(*m_dialogs, printed);
        QSignalSpy proofPrinted(&window, &InterSymplOrar::proofPrinted);
        const int downloads = m_site->proofDownloads;
        auto* prtBut = window.findChild<QPushButton*>(QStringLiteral("PrtBut"));
        QTRY_VERIFY_WITH_TIMEOUT(prtBut->isEnabled(), Patience);
        QTest::mouseClick(prtBut, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(proofPrinted.size(), 1, Patience);
        QCOMPARE(proofPrinted.first().first().toBool(), true);
        QCOMPARE(m_site->proofDownloads, downloads + 1);
        QCOMPARE(m_dialogs->printerSetups, 1);
        QPdfDocument copy;
        QCOMPARE(copy.load(printed), QPdfDocument::Error::None);
        QCOMPARE(copy.pageCount(), 1);

        // Back to the form, then the user logs out on the site: the window closes.
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("SymplBut")), Qt::LeftButton);
        QCOMPARE(window.flow().viewMode(), ViewMode::FormView);
        QVERIFY(Showing(&window, form));
        QVERIFY(prtBut->isEnabled());
        QVERIFY(ClickElement(form, QStringLiteral("#logout")));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), Patience);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(Program.SubmissionLog, line);
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void theRightClickMenuOfTheEntryPageEditsAndNeverLeavesThePage() {
        InterSymplOrar window;
        window.show();
        QWebEngineView* form = window.browser(0);
        QTRY_COMPARE_WITH_TIMEOUT(FieldValue(form->page(), Eservices::HoursField), Program.SendKorario,
                                  Patience);
        QVERIFY(
            ClickElement(form, QStringLiteral("[name=\"%1\"]").arg(Eservices::HoursField), Qt::RightButton));
        QMenu* menu = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (menu = window.findChild<QMenu*>(QStringLiteral("BrowserMenu"))) && menu->isVisible(), Patience);
        QStringList captions;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator())
                captions << action->text();
        }
        QCOMPARE(captions, (QStringList{"Αναίρεση", "Επανάληψη", "Αποκοπή", "Αντιγραφή", "Επικόλληση",
                                        "Επιλογή όλων"}));
        menu->close();
        QCOMPARE(Address(form), m_site->entryPage());
    }

    void sendingFromTheEntryFormGoesThroughTheSiteAndBack() {
        RecordWindows windows(QDate(2024, 3, 15));
        Program.EservicesBase = m_site->base();
        Program.Params.IkaCode = QStringLiteral(" ") + m_site->userName;
        Program.Params.IkaPass = m_site->password;
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ"),
                                   QStringLiteral("012 Πειραιά"));
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20240315"),
                                QStringLiteral("08:00-16:00"), QStringLiteral("Υπερωρία"));
        QWidget* form = windows.open<QWidget>(QStringLiteral("Kins"));
        QVERIFY(form);
        auto* eafm = form->findChild<QLineEdit*>(QStringLiteral("Eafm"));
        eafm->setFocus();
        RecordWindows::typeText(eafm, QStringLiteral("090000045"));
        // Enter on the AFM and on the work date loads the entry.
        QTest::keyClick(eafm, Qt::Key_Return);
        QTest::keyClick(form->findChild<QLineEdit*>(QStringLiteral("Kdate")), Qt::Key_Return);
        RecordWindows::settle();
        QCOMPARE(form->findChild<QPlainTextEdit*>(QStringLiteral("Korario"))->toPlainText(),
                 QStringLiteral("08:00-16:00"));

        // The submission window is modal: the user's part is played inside it.
        bool played = false;
        QString proof;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<InterSymplOrar*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QSignalSpy kept(window, &InterSymplOrar::proofKept);
            auto leave = qScopeGuard([window] { window->reject(); });
            QTRY_COMPARE_WITH_TIMEOUT(m_site->logins.size(), 1, Patience);
            QCOMPARE(m_site->logins.first().userName, m_site->userName);
            QWebEngineView* page = window->browser(0);
            QTRY_COMPARE_WITH_TIMEOUT(FieldValue(page->page(), Eservices::AfmField),
                                      QStringLiteral("090000045"), Patience);
            QCOMPARE(FieldValue(page->page(), Eservices::BranchField), QStringLiteral("12"));
            QCOMPARE(FieldValue(page->page(), Eservices::HoursField), QStringLiteral("08:00-16:00"));
            QCOMPARE(FieldValue(page->page(), Eservices::RemarksField), QStringLiteral("Υπερωρία"));
            QVERIFY(ClickElement(page, QStringLiteral("#submit")));
            QTRY_COMPARE_WITH_TIMEOUT(m_site->submissions.size(), 1, Patience);
            QTRY_VERIFY_WITH_TIMEOUT(Eservices::IsProofAddress(Address(window->browser(1))), Patience);
            QTRY_COMPARE_WITH_TIMEOUT(window->flow().viewMode(), ViewMode::ProofView, Patience);
            QTRY_VERIFY_WITH_TIMEOUT(Showing(window, window->browser(1)), Patience);
            // The proof is kept in the data folder while it is on screen.
            QTRY_VERIFY_WITH_TIMEOUT(!kept.isEmpty(), Patience);
            proof = kept.first().first().toString();
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SymplBut")), Qt::LeftButton);
            QVERIFY(ClickElement(page, QStringLiteral("#logout")));
            QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), Patience);
            leave.dismiss();
            played = true;
        });
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("SendBut")), Qt::LeftButton);
        QVERIFY(played);

        const FakeEservices::Submission& sent = m_site->submissions.first();
        QCOMPARE(sent.afm, QStringLiteral("090000045"));
        QCOMPARE(sent.hours, QStringLiteral("08:00-16:00"));
        QCOMPARE(sent.remarks, QStringLiteral("Υπερωρία"));
        QCOMPARE(sent.branch, QStringLiteral("12"));
        QVERIFY(Program.SubmissionLog.startsWith(QStringLiteral("090000045 08:00-16:00 Υπερωρία -/- ")));
        // The submission is in the history with the proof the site gave, kept as served.
        QCOMPARE(proof, QStringLiteral("Proofs/090000045_20240315_090000.pdf"));
        QFile kept(QDir(Program.AppPath).filePath(proof));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), m_site->lastProof);
        QSqlQuery history(DbConnection());
        QVERIFY(history.exec(QStringLiteral("Select Eafm,Kdate,Sway,Sstate,Shours,Sproof From Submissions")));
        QVERIFY(history.next());
        QCOMPARE(history.value(0).toString(), QStringLiteral("090000045"));
        QCOMPARE(history.value(1).toString(), QStringLiteral("20240315"));
        QCOMPARE(history.value(2).toString(), QStringLiteral("page"));
        QCOMPARE(history.value(3).toString(), QStringLiteral("accepted"));
        QCOMPARE(history.value(4).toString(), QStringLiteral("08:00-16:00"));
        QCOMPARE(history.value(5).toString(), proof);
        QVERIFY(!history.next());
        // Back in the entry form, cleared for the next entry.
        QCOMPARE(eafm->text(), QString());
        QVERIFY(windows.dialogs().boxes.isEmpty());
    }

    void aProofAskingToCloseBringsTheFormBack() {
        InterSymplOrar window;
        window.show();
        QWebEngineView* form = window.browser(0);
        QTRY_COMPARE_WITH_TIMEOUT(FieldValue(form->page(), Eservices::AfmField), Program.SendEafm, Patience);
        Evaluate(form->page(), QStringLiteral("document.querySelector('#submit').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(window.flow().viewMode(), ViewMode::ProofView, Patience);
        QWebEngineView* proof = window.browser(1);
        QTRY_VERIFY_WITH_TIMEOUT(Eservices::IsProofAddress(Address(proof)), Patience);

        Evaluate(proof->page(), QStringLiteral("window.close()"));
        QTRY_COMPARE_WITH_TIMEOUT(window.flow().viewMode(), ViewMode::FormView, Patience);
        QTRY_COMPARE_WITH_TIMEOUT(Address(proof), QStringLiteral("about:blank"), Patience);
        QVERIFY(Showing(&window, form));
        QVERIFY(window.isVisible());

        // The proof button shows browser 1 even when it is blank; there is nothing to print then.
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("EktBut")), Qt::LeftButton);
        QVERIFY(Showing(&window, proof));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("PrtBut"))->isEnabled());
    }

    void theFormPagePrintsThroughThePrinterDialog() {
        InterSymplOrar window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(FieldValue(window.browser(0)->page(), Eservices::AfmField),
                                  Program.SendEafm, Patience);
        auto* prtBut = window.findChild<QPushButton*>(QStringLiteral("PrtBut"));
        QSignalSpy printed(&window, &InterSymplOrar::formPrinted);

        // Cancelled in the dialog: nothing printed.
        QTest::mouseClick(prtBut, Qt::LeftButton);
        QCOMPARE(m_dialogs->printerSetups, 1);

        QTemporaryDir out;
        const QString file = out.filePath(QStringLiteral("page.pdf"));
        AcceptPrinterIntoPdf(*m_dialogs, file);
        QTest::mouseClick(prtBut, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(printed.size(), 1, Patience);
        QCOMPARE(printed.first().first().toBool(), true);
        QCOMPARE(m_dialogs->printerSetups, 2);
        QPdfDocument copy;
        QCOMPARE(copy.load(file), QPdfDocument::Error::None);
        QVERIFY(copy.pageCount() >= 1);
        QVERIFY(printed.size() == 1);
    }

    void aLoginTheSiteKeepsRefusingIsTriedThreeTimesThenReported() {
        Program.Params.IkaPass = QStringLiteral("λάθος");
        InterSymplOrar window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->boxes.size(), 1, Patience);
        QCOMPARE(m_site->logins.size(), SubmissionFlow::MaxLoginFills);
        QCOMPARE(m_site->logins.last().password, QStringLiteral("λάθος"));
        const MessageBox box = m_dialogs->boxes.first();
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QVERIFY(box.text.contains(QStringLiteral("δεν δέχτηκε")));
        QVERIFY(window.isVisible());
        QVERIFY(Program.SubmissionLog.isEmpty());
    }

    void aSiteThatCannotBeReachedIsReportedAndTheWindowCloses() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        Program.EservicesBase = QStringLiteral("http://127.0.0.1:%1").arg(port);
        closed.close();
        InterSymplOrar window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->boxes.size(), 1, Patience);
        const MessageBox box = m_dialogs->boxes.first();
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        // A sentence the user understands; the browser's reason and the address under «Λεπτομέρειες».
        const QString site = QStringLiteral("127.0.0.1:%1").arg(port);
        QVERIFY2(box.text.startsWith(QStringLiteral("Ο δικτυακός τόπος %1 αρνήθηκε τη σύνδεση.").arg(site)),
                 qPrintable(box.text));
        QVERIFY2(!box.text.contains(QStringLiteral("ERR_")), qPrintable(box.text));
        QVERIFY2(box.details.startsWith(QStringLiteral("net::ERR_CONNECTION_REFUSED")),
                 qPrintable(box.details));
        QVERIFY(box.details.contains(Program.EservicesBase));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), Patience);
    }

    void aLoginPageInTheSecondBrowserIsFilledThereAndNothingGoesToTheFirstBrowsersHost() {
        InterSymplOrar window;
        window.show();
        QWebEngineView* form = window.browser(0);
        QTRY_COMPARE_WITH_TIMEOUT(FieldValue(form->page(), Eservices::AfmField), Program.SendEafm, Patience);
        QCOMPARE(m_site->logins.size(), 1);

        // Browser 0 goes to a page of another host with fields of the same names, and a
        // login page of the configured site completes in browser 1.
        FakeEservices other;
        QVERIFY(other.listen());
        form->load(QUrl(other.loginPage()));
        QVERIFY(WaitForAddress(form, other.loginPage()));
        window.browser(1)->load(QUrl(m_site->loginPage()));

        // The login goes to the site from the page that asked for it.
        QTRY_COMPARE_WITH_TIMEOUT(m_site->logins.size(), 2, Patience);
        QCOMPARE(m_site->logins.last().userName, m_site->userName);
        QCOMPARE(m_site->logins.last().password, m_site->password);
        // The site's home page in browser 1 leads browser 0 back to the entry page.
        QTRY_COMPARE_WITH_TIMEOUT(Address(form), m_site->entryPage(), Patience);
        QVERIFY(other.logins.isEmpty());
        for (const QString& request : other.requests)
            QVERIFY2(!request.startsWith(QStringLiteral("POST")), qPrintable(request));
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void pageScriptsActOnlyInAPageOfTheOriginTheyAreGiven() {
        FakeEservices other;
        QVERIFY(other.listen());
        QWebEngineProfile profile;
        {
            QWebEngineView view;
            auto* page = new QWebEnginePage(&profile, &view);
            view.setPage(page);
            view.load(QUrl(other.loginPage()));
            QVERIFY(WaitForAddress(&view, other.loginPage()));
            QCOMPARE(PageScripts::OriginOf(other.loginPage()), other.base());

            // The configured site is m_site; the page is of the other host.
            const QString site = PageScripts::OriginOf(m_site->base());
            QCOMPARE(
                Evaluate(page, PageScripts::SetField(site, Eservices::UserNameField, QStringLiteral("x"))),
                QVariant(false));
            QCOMPARE(Evaluate(page, PageScripts::ClickField(site, Eservices::LoginButton)), QVariant(false));
            QCOMPARE(Evaluate(page, PageScripts::SubmitForm(site)), QVariant(false));
            QCOMPARE(Evaluate(page, PageScripts::SetField(QString(), Eservices::UserNameField,
                                                          QStringLiteral("x"))),
                     QVariant(false));
            QCOMPARE(FieldValue(page, Eservices::UserNameField), QString());

            // Given the page's own origin, the same scripts act.
            QCOMPARE(Evaluate(page, PageScripts::SetField(other.base(), Eservices::UserNameField,
                                                          QStringLiteral("ergodotis"))),
                     QVariant(true));
            QCOMPARE(FieldValue(page, Eservices::UserNameField), QStringLiteral("ergodotis"));
            QCOMPARE(Evaluate(page, PageScripts::SubmitForm(other.base())), QVariant(true));
            // Submitted without the button, as the form's own submit does.
            QTRY_COMPARE_WITH_TIMEOUT(other.requests.filter(QStringLiteral("POST ")).size(), 1, Patience);
            QVERIFY(m_site->requests.isEmpty());
        }
    }

    void escapeClosesTheWindow() {
        InterSymplOrar window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(Address(window.browser(0)), m_site->entryPage(), Patience);
        window.browser(0)->setFocus();
        QWidget* focus =
            window.browser(0)->focusProxy() ? window.browser(0)->focusProxy() : window.browser(0);
        QTest::keyClick(focus, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), Patience);
    }

    void browsersAndButtonsFollowTheWindowSize() {
        QWidget main;
        main.resize(1000, 750);
        InterSymplOrar window(&main);
        auto* prtBut = window.findChild<QPushButton*>(QStringLiteral("PrtBut"));
        const int buttonHeight = prtBut->sizeHint().height();
        QCOMPARE(window.size(), QSize(800, 600 + buttonHeight + 3));
        window.resize(640, 480);
        window.show();
        for (int i : {0, 1})
            QCOMPARE(window.browser(i)->geometry(), QRect(0, 0, 640, 480 - buttonHeight - 3));
        QCOMPARE(prtBut->y(), 480 - buttonHeight - 1);
        window.reject();
    }

private:
    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<FakeEservices> m_site;
};

ORVA_BROWSER_TEST_MAIN(InterSymplOrarTest)

#include "InterSymplOrarTest.moc"
