#include "windows/internet/InterLinks.h"
#include "BrowserProbe.h"
#include "LatinSentences.h"
#include "LoopbackServer.h"
#include "MainTestSupport.h"
#include "PrinterScript.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/internet/InternetSettings.h"
#include "logic/internet/WebEngineSetup.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPdfDocument>
#include <QPrinter>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QToolBar>
#include <QWebEngineView>

using namespace BrowserProbe;

namespace {
constexpr int Patience = 30000;
} // namespace

// «Χρήσιμα Links» against a stand-in of the maker's site on 127.0.0.1.
class InterLinksTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        m_settings = &InstallDefaultSettings();
        m_site = std::make_unique<LoopbackServer>();
        m_site->handler = [](const LoopbackServer::Request& request) {
            const QString path = request.path();
            return LoopbackServer::html(LoopbackServer::page(
                QStringLiteral("Tavrinex %1").arg(path),
                QStringLiteral("<h1 id=\"path\">%1</h1><a id=\"new\" href=\"/neo\" target=\"_blank\">Νέο</a>")
                    .arg(path)));
        };
        QVERIFY(m_site->listen());
        m_settings->set(QStringLiteral("Links/MakerSite"), m_site->base() + QStringLiteral("/"));
        m_settings->set(QStringLiteral("Links/Link1"), m_site->base() + QStringLiteral("/ika-home"));
        RegisterWindows();
        WindowCatalogue::addModal(QStringLiteral("Lbenter"),
                                  [](QWidget* parent) { return new AcceptAtOnceDialog(parent); });
        m_main = std::make_unique<Main>();
        m_main->resize(1000, 750);
        m_main->show();
        QTRY_VERIFY_WITH_TIMEOUT(m_main->firstActivationDone(), 10000);
    }
    void cleanup() {
        m_main.reset();
        m_site.reset();
        ReleaseUserLock();
        m_folder.reset();
    }

    void theMenuOpensTheListOnTheMakersHomePage() {
        InterLinks* window = openFromMenu();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Συνδεση με χρήσιμα internet links"));
        auto* list = window->findChild<QComboBox*>(QStringLiteral("EntEpil"));
        QCOMPARE(list->count(), 19);
        QCOMPARE(list->itemText(0), QStringLiteral("Σύνδεση με Tavrinex"));
        QCOMPARE(list->itemText(10), QStringLiteral("Ελάτε στο γραφείο μας"));
        QCOMPARE(list->itemText(18), QStringLiteral("Ερωτήσεις-Απαντήσεις Pelmora"));
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(list->isVisible());
        QVERIFY(WaitForAddress(window->browser(), m_site->base() + QStringLiteral("/")));

        const QStringList tips = {"Πίσω", "Εμπρός", "Ανανέωση", "Εκτύπωση", "Εξοδος"};
        for (int i = 0; i < tips.size(); ++i)
            QCOMPARE(window->findChild<QAction*>(QStringLiteral("Tools_%1").arg(i + 1))->toolTip(),
                     tips.at(i));
        // 4/5 of the main window; the browser below the toolbar.
        QCOMPARE(window->size(), m_main->size() * 4 / 5);
        const int toolbar = window->findChild<QToolBar*>(QStringLiteral("Tools"))->height();
        QCOMPARE(window->browser()->geometry(), QRect(0, toolbar + TwipsToPixels(50), window->width(),
                                                      window->height() - toolbar - TwipsToPixels(50)));
    }

    void choosingALinkOpensItsAddressAndTheToolbarMovesInTheHistory() {
        InterLinks* window = openFromMenu();
        QVERIFY(window);
        QWebEngineView* view = window->browser();
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/")));
        auto* list = window->findChild<QComboBox*>(QStringLiteral("EntEpil"));
        list->setCurrentIndex(11);
        emit list->activated(11);
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/demo")));
        window->chooseLink(1);
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/ika-home")));

        window->findChild<QAction*>(QStringLiteral("Tools_1"))->trigger();
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/demo")));
        window->findChild<QAction*>(QStringLiteral("Tools_2"))->trigger();
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/ika-home")));
        const int served = int(m_site->requests.size());
        window->findChild<QAction*>(QStringLiteral("Tools_3"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(m_site->requests.size() > served, Patience);
        // Forward with nothing ahead is no failure.
        window->findChild<QAction*>(QStringLiteral("Tools_2"))->trigger();
        // A page that opens a new window shows it here.
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/ika-home")));
        QVERIFY(ClickElement(view, QStringLiteral("#new")));
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/neo")));
        QVERIFY(m_dialogs->boxes.isEmpty());
        window->findChild<QAction*>(QStringLiteral("Tools_5"))->trigger();
        QTRY_VERIFY(!m_main->mdi()->findChildWindow(QStringLiteral("InterLinks")));
    }

    void aLinkThatCannotBeOpenedIsToldInGreekAndTheWindowCloses() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        const QString address = QStringLiteral("http://127.0.0.1:%1/x").arg(port);
        closed.close();
        m_settings->set(QStringLiteral("Links/Link2"), address);
        InterLinks* window = openFromMenu();
        QVERIFY(window);
        QVERIFY(WaitForAddress(window->browser(), m_site->base() + QStringLiteral("/")));
        window->chooseLink(2);
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->boxes.size(), 1, Patience);
        const MessageBox box = m_dialogs->boxes.first();
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        QVERIFY2(box.text.startsWith(
                     QStringLiteral("Ο δικτυακός τόπος 127.0.0.1:%1 αρνήθηκε τη σύνδεση.").arg(port)),
                 qPrintable(box.text));
        QVERIFY2(LatinSentences(box.text).isEmpty(), qPrintable(box.text));
        QVERIFY2(!box.text.contains(QStringLiteral("ERR_")), qPrintable(box.text));
        QCOMPARE(box.details, QStringLiteral("net::ERR_CONNECTION_REFUSED\n") + address);
        QTRY_VERIFY(!m_main->mdi()->findChildWindow(QStringLiteral("InterLinks")));
    }

    void theRightClickMenuIsGreekAndOffersOnlyWhatBrowsingNeeds() {
        InterLinks* window = openFromMenu();
        QVERIFY(window);
        QWebEngineView* view = window->browser();
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/")));
        QMenu* menu = nullptr;
        const auto rightClick = [&] {
            QTest::mouseClick(view->focusProxy(), Qt::RightButton, {}, QPoint(5, view->height() - 5));
            QTRY_VERIFY_WITH_TIMEOUT((menu = window->findChild<QMenu*>(QStringLiteral("BrowserMenu"))) &&
                                         menu->isVisible(),
                                     Patience);
        };
        rightClick();
        QStringList captions;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator())
                captions << action->text() +
                                (action->isEnabled() ? QString() : QStringLiteral(" (ανενεργό)"));
        }
        QCOMPARE(captions, (QStringList{"Πίσω (ανενεργό)", "Εμπρός (ανενεργό)", "Ανανέωση",
                                        "Αντιγραφή (ανενεργό)", "Επιλογή όλων"}));
        // Its commands are the browser's own.
        menu->findChild<QAction*>(QStringLiteral("SelectAll"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(Evaluate(view->page(), QStringLiteral("window.getSelection().toString()"))
                                     .toString()
                                     .contains(QStringLiteral("Νέο")),
                                 Patience);
        menu->close();
        window->chooseLink(1);
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/ika-home")));
        rightClick();
        QVERIFY(menu->findChild<QAction*>(QStringLiteral("Back"))->isEnabled());
        menu->findChild<QAction*>(QStringLiteral("Back"))->trigger();
        QVERIFY(WaitForAddress(view, m_site->base() + QStringLiteral("/")));
        menu->close();
    }

    void aNewsLinkShowsThatPageAloneForTheRestOfTheRun() {
        Program.LinkToOpen = QStringLiteral(" ") + m_site->base() + QStringLiteral("/arthro ");
        InterLinks* window = openFromMenu();
        QVERIFY(window);
        QVERIFY(WaitForAddress(window->browser(), m_site->base() + QStringLiteral("/arthro")));
        QVERIFY(!window->findChild<QComboBox*>(QStringLiteral("EntEpil"))->isVisible());

        // Opening it again changes nothing: the same window, the same page.
        window->chooseLink(0);
        QVERIFY(WaitForAddress(window->browser(), m_site->base() + QStringLiteral("/")));
        QTest::qWait(300);
        const int served = pageRequests();
        QCOMPARE(m_main->mdi()->openChild(QStringLiteral("InterLinks")), window);
        QTest::qWait(300);
        QCOMPARE(Address(window->browser()), m_site->base() + QStringLiteral("/"));
        QCOMPARE(pageRequests(), served);

        // Closed and opened from the menu: still that link, the list still hidden.
        window->closeWindow();
        QTRY_VERIFY(!m_main->mdi()->findChildWindow(QStringLiteral("InterLinks")));
        window = openFromMenu();
        QVERIFY(window);
        QVERIFY(WaitForAddress(window->browser(), m_site->base() + QStringLiteral("/arthro")));
        QVERIFY(!window->findChild<QComboBox*>(QStringLiteral("EntEpil"))->isVisible());
        QCOMPARE(Program.LinkToOpen.trimmed(), m_site->base() + QStringLiteral("/arthro"));
    }

    void printingGoesThroughThePrinterDialogAndLeavesThePageAsItWas() {
        InterLinks* window = openFromMenu();
        QVERIFY(window);
        QVERIFY(WaitForAddress(window->browser(), m_site->base() + QStringLiteral("/")));
        const QString before =
            Evaluate(window->browser()->page(), QStringLiteral("document.body.innerHTML")).toString();
        auto* print = window->findChild<QAction*>(QStringLiteral("Tools_4"));
        print->trigger();
        QCOMPARE(m_dialogs->printerSetups, 1);

        QTemporaryDir out;
        const QString file = out.filePath(QStringLiteral("page.pdf"));
        AcceptPrinterIntoPdf(*m_dialogs, file);
        QSignalSpy printed(window, &InterLinks::printed);
        print->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(printed.size(), 1, Patience);
        QCOMPARE(printed.first().first().toBool(), true);
        QPdfDocument pdf;
        QCOMPARE(pdf.load(file), QPdfDocument::Error::None);
        QVERIFY(pdf.pageCount() >= 1);
        QCOMPARE(Evaluate(window->browser()->page(), QStringLiteral("document.body.innerHTML")).toString(),
                 before);
    }

    void escapeClosesTheWindow() {
        InterLinks* window = openFromMenu();
        QVERIFY(window);
        QVERIFY(WaitForAddress(window->browser(), m_site->base() + QStringLiteral("/")));
        QWidget* focus =
            window->browser()->focusProxy() ? window->browser()->focusProxy() : window->browser();
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Escape);
        QTRY_VERIFY(!m_main->mdi()->findChildWindow(QStringLiteral("InterLinks")));
    }

private:
    // The pages the site served (the browser's own asks for an icon left out).
    int pageRequests() const {
        int pages = 0;
        for (const QString& request : m_site->requests)
            pages += request.contains(QStringLiteral("favicon")) ? 0 : 1;
        return pages;
    }

    InterLinks* openFromMenu() {
        QAction* item = m_main->findChild<QAction*>(QStringLiteral("Mnu3_4"));
        if (!item || !item->isEnabled())
            return nullptr;
        item->trigger();
        return qobject_cast<InterLinks*>(m_main->mdi()->findChildWindow(QStringLiteral("InterLinks")));
    }

    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    DefaultSettings* m_settings = nullptr;
    std::unique_ptr<LoopbackServer> m_site;
    std::unique_ptr<Main> m_main;
};

ORVA_BROWSER_TEST_MAIN(InterLinksTest)

#include "InterLinksTest.moc"
