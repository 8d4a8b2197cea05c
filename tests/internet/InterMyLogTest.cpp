#include "windows/internet/InterMyLog.h"
#include "BrowserProbe.h"
#include "FakeEservices.h"
#include "FakePortals.h"
#include "MainTestSupport.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/internet/EservicesSite.h"
#include "logic/internet/PortalFlow.h"
#include "logic/internet/WebEngineSetup.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/internet/BrowserWindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

using namespace BrowserProbe;

namespace {
constexpr int Patience = 30000;

bool HasElement(QWebEngineView* view, const QString& selector) {
    return Evaluate(view->page(), QStringLiteral("document.querySelector('%1')!==null").arg(selector))
        .toBool();
}
} // namespace

// «Ο λογαριασμός μου» against stand-ins of the three portals on 127.0.0.1.
class InterMyLogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        m_settings = &InstallDefaultSettings();
        m_taxisSite = std::make_unique<FakeTaxis>();
        m_eservicesSite = std::make_unique<FakeEservices>();
        m_ikaSite = std::make_unique<FakeIka>();
        QVERIFY(m_taxisSite->listen());
        QVERIFY(m_eservicesSite->listen());
        QVERIFY(m_ikaSite->listen());
        m_settings->set(QStringLiteral("Portals/TaxisAccountHost"), m_taxisSite->account().base());
        m_settings->set(QStringLiteral("Portals/TaxisSsoHost"), m_taxisSite->signOn().base());
        m_settings->set(QStringLiteral("Internet/EservicesBase"), m_eservicesSite->base());
        m_settings->set(QStringLiteral("Portals/IkaAppsHost"), m_ikaSite->base());
        Program.Params.TaxisCode = QStringLiteral(" ") + m_taxisSite->userName;
        Program.Params.TaxisPass = m_taxisSite->password + QStringLiteral(" ");
        Program.Params.IkaCode = m_ikaSite->userName;
        Program.Params.IkaPass = m_ikaSite->password;
    }
    void cleanup() {
        BrowserWindow::closeAll();
        m_taxisSite.reset();
        m_eservicesSite.reset();
        m_ikaSite.reset();
        ReleaseUserLock();
        m_folder.reset();
    }

    void theTaxPortalsSignOnIsFilledOnceAndItsSecondAppearanceClosesTheWindow() {
        Program.PopUpChoice = 1;
        InterMyLog window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Ο λογαριασμός μου"));
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("PrevBut"))->isHidden());
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("NextBut"))->isHidden());
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(m_taxisSite->logins.size(), 1, Patience);
        QCOMPARE(m_taxisSite->logins.first().userName, m_taxisSite->userName);
        QCOMPARE(m_taxisSite->logins.first().password, m_taxisSite->password);
        QWebEngineView* page = window.browser(0);
        QTRY_VERIFY_WITH_TIMEOUT(HasElement(page, QStringLiteral("#user")), Patience);
        QVERIFY(window.isVisible());
        // The portal's page is the one in front.
        QVERIFY(Showing(&window, page));

        // A page the portal opens in a new window gets a window of its own, in the session.
        QVERIFY(ClickElement(page, QStringLiteral("#form")));
        QTRY_COMPARE_WITH_TIMEOUT(BrowserWindow::openWindows().size(), 1, Patience);
        BrowserWindow* popup = BrowserWindow::openWindows().first();
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible() && HasElement(popup->view(), QStringLiteral("#user")),
                                 Patience);

        // Logging out brings the sign-on page back: the window closes, nothing filled again.
        QVERIFY(ClickElement(page, QStringLiteral("#logout")));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), Patience);
        QCOMPARE(m_taxisSite->logins.size(), 1);
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void aSignOnAddressWithAQueryIsLeftAlone() {
        m_taxisSite->signOnQuery = QStringLiteral("service=mytaxisnet");
        Program.PopUpChoice = 1;
        InterMyLog window;
        window.show();
        QWebEngineView* page = window.browser(0);
        QVERIFY(WaitForAddress(page, m_taxisSite->signOnPage() + QStringLiteral("?service=mytaxisnet")));
        QTest::qWait(300);
        QCOMPARE(FieldValue(page->page(), PortalFields::TaxisUserName), QString());
        QVERIFY(m_taxisSite->logins.isEmpty());
        QCOMPARE(m_taxisSite->signOn().postCount(), 0);
        QVERIFY(window.isVisible());
    }

    void theEservicesLoginIsFilledAtEveryLoadAndTheLoggedOutPageClosesTheWindow() {
        Program.PopUpChoice = 2;
        m_eservicesSite->userName = m_ikaSite->userName;
        m_eservicesSite->password = m_ikaSite->password;
        InterMyLog window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Συνδεση με Υ.Ε.Κ.Α."));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("NextBut"))->isHidden());
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(m_eservicesSite->logins.size(), 1, Patience);
        QCOMPARE(m_eservicesSite->logins.first().userName, m_ikaSite->userName);
        QWebEngineView* page = window.browser(0);
        const QString home = m_eservicesSite->base() +
                             QStringLiteral("/(S(%1))/Default.aspx").arg(m_eservicesSite->sessionKey());
        QVERIFY(WaitForAddress(page, home));
        QVERIFY(Showing(&window, page));

        // The login page again: filled in again.
        page->load(QUrl(m_eservicesSite->loginPage()));
        QTRY_COMPARE_WITH_TIMEOUT(m_eservicesSite->logins.size(), 2, Patience);
        QVERIFY(WaitForAddress(page, home));

        // The buttons switch the browsers.
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("NextBut")), Qt::LeftButton);
        QCOMPARE(window.flow().viewMode(), ViewMode::ProofView);
        QVERIFY(Showing(&window, window.browser(1)));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("PrevBut")), Qt::LeftButton);
        QVERIFY(Showing(&window, page));
        QTRY_VERIFY_WITH_TIMEOUT(HasElement(page, QStringLiteral("#logout")), Patience);

        QVERIFY(ClickElement(page, QStringLiteral("#logout")));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), Patience);
        QCOMPARE(m_eservicesSite->logins.size(), 2);
    }

    void theIkaPortalsWindowLogsInAndStaysOpenAfterTheLoginWindowIsGone() {
        Main main;
        RegisterWindows();
        WindowCatalogue::addModal(QStringLiteral("Lbenter"),
                                  [](QWidget* parent) { return new AcceptAtOnceDialog(parent); });
        main.show();
        QTRY_VERIFY_WITH_TIMEOUT(main.firstActivationDone(), 10000);
        Program.Params.IkaCode = m_ikaSite->userName;
        Program.Params.IkaPass = m_ikaSite->password;

        // The account button's menu, item «Ι.Κ.Α.»: the login window is modal and closes by
        // itself once the form has been sent.
        m_dialogs->popUpChoices = {3};
        main.findChild<QAction*>(QStringLiteral("MainTools_7"))->trigger();
        QCOMPARE(m_dialogs->popUps.last(), (QStringList{"Ο Λογαριασμός μου(ΤΑΞΙΣ)", "Υ.Ε.Κ.Α.", "Ι.Κ.Α."}));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!main.findChild<InterMyLog*>());

        QCOMPARE(m_ikaSite->logins.size(), 1);
        QCOMPARE(m_ikaSite->logins.first().userName, m_ikaSite->userName);
        QCOMPARE(m_ikaSite->logins.first().password, m_ikaSite->password);
        QCOMPARE(BrowserWindow::openWindows().size(), 1);
        BrowserWindow* ika = BrowserWindow::openWindows().first();
        QVERIFY(ika->isVisible());
        QVERIFY(!ika->parentWidget());
        QVERIFY(WaitForAddress(ika->view(), m_ikaSite->homePage()));
        QTRY_VERIFY_WITH_TIMEOUT(HasElement(ika->view(), QStringLiteral("#welcome")), Patience);
        QVERIFY(m_dialogs->boxes.isEmpty());

        // It lives on until the program ends.
        QTest::qWait(200);
        QCOMPARE(BrowserWindow::openWindows().size(), 1);
        main.endProgram(0);
        QVERIFY(BrowserWindow::openWindows().isEmpty());
    }

    void anIkaLoginPageWithoutItsFieldsIsTriedThreeTimesThenReported() {
        m_ikaSite->withFields = false;
        Program.PopUpChoice = 3;
        InterMyLog window;
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 60000);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QVERIFY(m_dialogs->boxes.first().text.contains(QStringLiteral("Ι.Κ.Α.")));
        // A form without its fields is never sent.
        QCOMPARE(m_ikaSite->postCount(), 0);
        QCOMPARE(m_ikaSite->requests.filter(QStringLiteral("login.xhtml")).size(), 1);
        // The portal's window stays for the user.
        QCOMPARE(BrowserWindow::openWindows().size(), 1);
    }

    void aPortalThatCannotBeReachedIsToldInGreek() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString host = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        m_settings->set(QStringLiteral("Portals/TaxisAccountHost"), host);
        Program.PopUpChoice = 1;
        InterMyLog window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->boxes.size(), 1, Patience);
        QVERIFY(m_dialogs->boxes.first().text.startsWith(QStringLiteral("Ο δικτυακός τόπος 127.0.0.1")));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), Patience);
    }

    void aBlankCredentialIsToldBeforeAnyWindowOpens_data() {
        QTest::addColumn<int>("portal");
        QTest::newRow("TaxisNet") << 1;
        QTest::newRow("Υ.Ε.Κ.Α.") << 2;
        QTest::newRow("Ι.Κ.Α.") << 3;
    }
    void aBlankCredentialIsToldBeforeAnyWindowOpens() {
        QFETCH(int, portal);
        Main main;
        RegisterWindows();
        WindowCatalogue::addModal(QStringLiteral("Lbenter"),
                                  [](QWidget* parent) { return new AcceptAtOnceDialog(parent); });
        main.show();
        QTRY_VERIFY_WITH_TIMEOUT(main.firstActivationDone(), 10000);
        Program.Params.TaxisPass = QStringLiteral("  ");
        Program.Params.IkaCode = QString();
        // Whatever is on the screen while message 108 is shown.
        QStringList windowsUnderTheMessage;
        m_dialogs->onMessage = [&](const MessageBox&) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && window != &main)
                    windowsUnderTheMessage << window->objectName();
            }
            if (main.findChild<InterMyLog*>())
                windowsUnderTheMessage << QStringLiteral("InterMyLog");
        };
        m_dialogs->popUpChoices = {portal};
        main.findChild<QAction*>(QStringLiteral("MainTools_7"))->trigger();
        QCOMPARE(m_dialogs->numbers(), QList<int>{108});
        QCOMPARE(windowsUnderTheMessage, QStringList());
        QVERIFY(!main.findChild<InterMyLog*>());
        QTest::qWait(300);
        QVERIFY(BrowserWindow::openWindows().isEmpty());
        QVERIFY(m_taxisSite->account().requests.isEmpty());
        QVERIFY(m_eservicesSite->requests.isEmpty());
        QVERIFY(m_ikaSite->requests.isEmpty());
    }

    void escapeAndTheExitButtonCloseTheWindow() {
        Program.PopUpChoice = 2;
        m_eservicesSite->userName = m_ikaSite->userName;
        m_eservicesSite->password = m_ikaSite->password;
        InterMyLog window;
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!m_eservicesSite->logins.isEmpty(), Patience);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ExitBut")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void browsersAndButtonsFollowTheWindowSize() {
        Program.PopUpChoice = 2;
        Program.Params.IkaCode.clear();
        InterMyLog window;
        auto* exitBut = window.findChild<QPushButton*>(QStringLiteral("ExitBut"));
        const int buttonHeight = exitBut->sizeHint().height();
        window.resize(640, 480);
        window.show();
        for (int i : {0, 1})
            QCOMPARE(window.browser(i)->geometry(), QRect(0, 0, 640, 480 - buttonHeight - 3));
        QCOMPARE(exitBut->y(), 480 - buttonHeight - 1);
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    DefaultSettings* m_settings = nullptr;
    std::unique_ptr<FakeTaxis> m_taxisSite;
    std::unique_ptr<FakeEservices> m_eservicesSite;
    std::unique_ptr<FakeIka> m_ikaSite;
};

ORVA_BROWSER_TEST_MAIN(InterMyLogTest)

#include "InterMyLogTest.moc"
