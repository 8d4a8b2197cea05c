#include "logic/internet/PortalFlow.h"
#include "logic/internet/EservicesSite.h"

#include <QTest>

using Kind = BrowserAction::Kind;

namespace {
const QString Account = QStringLiteral("https://www1.taxis.example.gr/taxisnet/mytaxisnet");
const QString SignOn = QStringLiteral("https://login.taxis.example.gr/sso/pages/login.jsp");
const QString SignOnOrigin = QStringLiteral("https://login.taxis.example.gr");
const QString Base = QStringLiteral("https://eservices.example.gr");
const QString IkaLogin = QStringLiteral("https://apps.ika.example.gr/eAPD/faces/login.xhtml");
const QString IkaOrigin = QStringLiteral("https://apps.ika.example.gr");
const QString Key = QStringLiteral("abcdefghijklmnopqrstuvwx");
const QString Session = Base + QStringLiteral("/(S(") + Key + QStringLiteral("))");
const QString LoginPage = Session + QStringLiteral("/login.aspx?ReturnUrl=%2fDefault.aspx");
const QString HomePage = Session + QStringLiteral("/Default.aspx");
const QString LoggedOutPage = Session + QStringLiteral("/login.aspx");

PortalFlow Flow(Portal portal, const QString& user = QStringLiteral(" user1 "),
                const QString& password = QStringLiteral(" pass1 ")) {
    return PortalFlow(portal, PortalAddresses{Account, SignOn, Base, IkaLogin}, user, password);
}

QList<Kind> Kinds(const BrowserActions& actions) {
    QList<Kind> kinds;
    for (const BrowserAction& action : actions)
        kinds << action.kind;
    return kinds;
}

const QList<Kind> Fill{Kind::SetField, Kind::SetField, Kind::Submit};
const QList<Kind> FillAndClick{Kind::SetField, Kind::SetField, Kind::Click};
} // namespace

// The portal logins, fed with browser and timer events as the window would feed them.
class PortalFlowTest : public QObject {
    Q_OBJECT
private slots:
    void theChoiceOfThePopUpMenuNamesThePortal() {
        QCOMPARE(PortalFromChoice(1), std::optional<Portal>(Portal::Taxis));
        QCOMPARE(PortalFromChoice(2), std::optional<Portal>(Portal::Eservices));
        QCOMPARE(PortalFromChoice(3), std::optional<Portal>(Portal::Ika));
        QCOMPARE(PortalFromChoice(0), std::nullopt);
        QCOMPARE(PortalFromChoice(4), std::nullopt);
    }

    void aBlankCredentialOpensNothing_data() {
        QTest::addColumn<int>("portal");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        for (int portal : {1, 2, 3}) {
            QTest::addRow("portal %d, blank user", portal)
                << portal << QStringLiteral("  ") << QStringLiteral("p");
            QTest::addRow("portal %d, blank password", portal) << portal << QStringLiteral("u") << QString();
        }
    }
    void aBlankCredentialOpensNothing() {
        QFETCH(int, portal);
        QFETCH(QString, user);
        QFETCH(QString, password);
        PortalFlow flow = Flow(Portal(portal), user, password);
        QVERIFY(!flow.credentialsComplete());
        QVERIFY(flow.start().isEmpty());
        QVERIFY(flow.timerTick(QString()).isEmpty());
    }

    void theTaxPortalsSignOnPageIsFilledOnceAndItsSecondAppearanceCloses() {
        PortalFlow flow = Flow(Portal::Taxis);
        QCOMPARE(flow.start(), (BrowserActions{BrowserAction::navigate(0, Account)}));
        QVERIFY(flow.documentComplete(0, Account).isEmpty());

        const BrowserActions fill = flow.documentComplete(0, SignOn);
        QCOMPARE(fill, (BrowserActions{BrowserAction::setField(0, SignOnOrigin, PortalFields::TaxisUserName,
                                                               QStringLiteral("user1")),
                                       BrowserAction::setField(0, SignOnOrigin, PortalFields::TaxisPassword,
                                                               QStringLiteral("pass1")),
                                       BrowserAction::submit(
                                           0, SignOnOrigin,
                                           {PortalFields::TaxisUserName, PortalFields::TaxisPassword})}));
        QVERIFY(!flow.firstSsoLogin());
        QVERIFY(flow.documentComplete(0, Account).isEmpty());
        // The user logs out on the portal, or the portal sends the sign-on page again.
        QCOMPARE(flow.documentComplete(0, SignOn), (BrowserActions{BrowserAction::close()}));
        QVERIFY(flow.closed());
        QVERIFY(flow.documentComplete(0, SignOn).isEmpty());
    }

    void onlyTheExactSignOnAddressIsTheSignOnPage_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("filled");
        QTest::newRow("exact") << SignOn << true;
        QTest::newRow("with a query") << SignOn + QStringLiteral("?service=mytaxisnet") << false;
        QTest::newRow("with a trailing slash") << SignOn + QStringLiteral("/") << false;
        QTest::newRow("other host") << QStringLiteral("https://evil.example.gr/sso/pages/login.jsp") << false;
        QTest::newRow("plain http") << QStringLiteral("http://login.taxis.example.gr/sso/pages/login.jsp")
                                    << false;
    }
    void onlyTheExactSignOnAddressIsTheSignOnPage() {
        QFETCH(QString, address);
        QFETCH(bool, filled);
        PortalFlow flow = Flow(Portal::Taxis);
        flow.start();
        QCOMPARE(Kinds(flow.documentComplete(0, address)), filled ? Fill : QList<Kind>{});
        QCOMPARE(flow.firstSsoLogin(), !filled);
    }

    void theSignOnPageInTheSecondBrowserIsFilledThere() {
        PortalFlow flow = Flow(Portal::Taxis);
        flow.start();
        // The whole filling, each step in the browser that shows the page.
        QCOMPARE(flow.documentComplete(1, SignOn),
                 (BrowserActions{
                     BrowserAction::setField(1, SignOnOrigin, PortalFields::TaxisUserName,
                                             QStringLiteral("user1")),
                     BrowserAction::setField(1, SignOnOrigin, PortalFields::TaxisPassword,
                                             QStringLiteral("pass1")),
                     BrowserAction::submit(1, SignOnOrigin,
                                           {PortalFields::TaxisUserName, PortalFields::TaxisPassword})}));
        QVERIFY(!flow.firstSsoLogin());
        // A proof in browser 1 is left alone.
        QVERIFY(flow.documentComplete(1, SignOn + QStringLiteral("PrintPDF")).isEmpty());
    }

    void theTaxPortalsNewWindowsOpenAsWindowsOfTheirOwn() {
        PortalFlow flow = Flow(Portal::Taxis);
        flow.start();
        QCOMPARE(flow.newWindow(), (BrowserActions{BrowserAction::adoptPopup(NewBrowserWindow)}));
        // Its pages never switch the view.
        QVERIFY(flow.beforeNavigate(0, QStringLiteral("https://x/PrintPDF.aspx")).isEmpty());
    }

    void theEservicesLoginIsFilledAtEveryLoadAndTheLoggedOutPageCloses() {
        PortalFlow flow = Flow(Portal::Eservices);
        QCOMPARE(flow.start(), (BrowserActions{BrowserAction::navigate(0, Base)}));
        QVERIFY(flow.documentComplete(0, Base).isEmpty());
        const BrowserActions login = flow.documentComplete(0, LoginPage);
        QCOMPARE(login,
                 (BrowserActions{
                     BrowserAction::setField(0, Base, Eservices::UserNameField, QStringLiteral("user1")),
                     BrowserAction::setField(0, Base, Eservices::PasswordField, QStringLiteral("pass1")),
                     BrowserAction::click(0, Base, Eservices::LoginButton)}));
        QVERIFY(flow.documentComplete(0, HomePage).isEmpty());
        QCOMPARE(flow.documentComplete(0, LoginPage), login);
        QVERIFY(flow.documentComplete(0, HomePage).isEmpty());
        QCOMPARE(flow.documentComplete(0, LoggedOutPage), (BrowserActions{BrowserAction::close()}));
        QVERIFY(flow.closed());
    }

    void aLoginPageThatKeepsComingBackIsFilledThreeTimesThenReported() {
        PortalFlow flow = Flow(Portal::Eservices);
        flow.start();
        for (int fill = 1; fill <= PortalFlow::MaxLoginFills; ++fill)
            QCOMPARE(Kinds(flow.documentComplete(0, LoginPage)), FillAndClick);
        QCOMPARE(flow.documentComplete(0, LoginPage), (BrowserActions{BrowserAction::loginRefused()}));
        QVERIFY(flow.documentComplete(0, LoginPage).isEmpty());
        QVERIFY(!flow.closed());
    }

    void aPortalsPagesGetOnlyThatPortalsCredentials() {
        // The e-services pages are not filled for the tax portal, nor the sign-on page for
        // the e-services site.
        PortalFlow taxis = Flow(Portal::Taxis);
        taxis.start();
        QVERIFY(taxis.documentComplete(0, LoginPage).isEmpty());
        QVERIFY(taxis.documentComplete(0, LoggedOutPage).isEmpty());
        PortalFlow eservices = Flow(Portal::Eservices);
        eservices.start();
        QVERIFY(eservices.documentComplete(0, SignOn).isEmpty());
        PortalFlow ika = Flow(Portal::Ika);
        ika.start();
        QVERIFY(ika.documentComplete(0, SignOn).isEmpty());
        QVERIFY(ika.documentComplete(0, LoginPage).isEmpty());
    }

    void aProofOfTheEservicesSiteGoesToTheFront() {
        PortalFlow flow = Flow(Portal::Eservices);
        flow.start();
        QCOMPARE(flow.beforeNavigate(1, Base + QStringLiteral("//SK/PararthmatosPrintPDF.aspx?id=1")),
                 (BrowserActions{BrowserAction::showView(ViewMode::ProofView)}));
        QCOMPARE(flow.viewMode(), ViewMode::ProofView);
        QVERIFY(flow.beforeNavigate(0, HomePage).isEmpty());
        QCOMPARE(flow.showFirst(), (BrowserActions{BrowserAction::showView(ViewMode::FormView)}));
        QCOMPARE(flow.newWindow(), (BrowserActions{BrowserAction::navigate(1, QStringLiteral("about:blank")),
                                                   BrowserAction::wait(4000), BrowserAction::adoptPopup(1)}));
    }

    void theIkaPortalLogsInInItsOwnWindowAndLetsItGo() {
        PortalFlow flow = Flow(Portal::Ika);
        QCOMPARE(flow.start(),
                 (BrowserActions{BrowserAction::startTimer(3000), BrowserAction::openOutside()}));
        QCOMPARE(flow.timerTick(QString()),
                 (BrowserActions{BrowserAction::navigate(OutsideBrowser, IkaLogin)}));
        QVERIFY(flow.timerTick(IkaLogin).isEmpty());
        QCOMPARE(
            flow.documentComplete(OutsideBrowser, IkaLogin),
            (BrowserActions{BrowserAction::setField(OutsideBrowser, IkaOrigin, PortalFields::IkaUserName,
                                                    QStringLiteral("user1")),
                            BrowserAction::setField(OutsideBrowser, IkaOrigin, PortalFields::IkaPassword,
                                                    QStringLiteral("pass1")),
                            BrowserAction::submit(OutsideBrowser, IkaOrigin,
                                                  {PortalFields::IkaUserName, PortalFields::IkaPassword})}));
        // The portal's answer: the window closes, the browser stays.
        QCOMPARE(
            flow.documentComplete(OutsideBrowser, QStringLiteral("https://apps.ika.example.gr/eAPD/home")),
            (BrowserActions{BrowserAction::stopTimer(), BrowserAction::releaseOutside(),
                            BrowserAction::close()}));
        QVERIFY(flow.closed());
        QVERIFY(flow.timerTick(QString()).isEmpty());
    }

    void theIkaLoginPageThatNeverOpensEndsWithAMessage() {
        PortalFlow flow = Flow(Portal::Ika);
        flow.start();
        flow.timerTick(QString());
        for (int tick = 1; tick < PortalFlow::MaxOpeningTicks; ++tick)
            QVERIFY(flow.timerTick(IkaLogin).isEmpty());
        const BrowserActions last = flow.timerTick(IkaLogin);
        QCOMPARE(Kinds(last),
                 (QList<Kind>{Kind::OpeningFailed, Kind::StopTimer, Kind::ReleaseOutside, Kind::Close}));
        QVERIFY(last.first().value.contains(IkaLogin));
    }

    void anIkaLoginFormThatLeadsNowhereIsFilledThreeTimesThenReported() {
        PortalFlow flow = Flow(Portal::Ika);
        flow.start();
        flow.timerTick(QString());
        QCOMPARE(Kinds(flow.documentComplete(OutsideBrowser, IkaLogin)), Fill);
        int fills = 1;
        for (int tick = 0; tick < 20 && !flow.closed(); ++tick) {
            const BrowserActions actions = flow.timerTick(IkaLogin);
            if (Kinds(actions) == Fill) {
                ++fills;
                continue;
            }
            if (!actions.isEmpty()) {
                QCOMPARE(Kinds(actions), (QList<Kind>{Kind::OpeningFailed, Kind::StopTimer,
                                                      Kind::ReleaseOutside, Kind::Close}));
                QVERIFY(actions.first().value.contains(QStringLiteral("Ι.Κ.Α.")));
            }
        }
        QCOMPARE(fills, PortalFlow::MaxLoginFills);
        QVERIFY(flow.closed());
    }

    void aPageOfAnotherHostInTheIkaWindowGetsNothing() {
        PortalFlow flow = Flow(Portal::Ika);
        flow.start();
        flow.timerTick(QString());
        QCOMPARE(Kinds(flow.documentComplete(OutsideBrowser,
                                             QStringLiteral("https://elsewhere.example.gr/login"))),
                 (QList<Kind>{Kind::StopTimer, Kind::ReleaseOutside, Kind::Close}));
    }

    void theIkaLoginPageFailingToLoadIsReported() {
        PortalFlow flow = Flow(Portal::Ika);
        flow.start();
        QVERIFY(flow.loadFailed(OutsideBrowser, QStringLiteral("x")).isEmpty());
        flow.timerTick(QString());
        QCOMPARE(flow.loadFailed(OutsideBrowser, QStringLiteral("no answer")),
                 (BrowserActions{BrowserAction::openingFailed(QStringLiteral("no answer")),
                                 BrowserAction::stopTimer(), BrowserAction::releaseOutside(),
                                 BrowserAction::close()}));
    }

    void onlyTheOpeningOfAPortalFailingIsReported() {
        PortalFlow flow = Flow(Portal::Taxis);
        flow.start();
        QVERIFY(flow.loadFailed(1, QStringLiteral("refused")).isEmpty());
        QCOMPARE(flow.loadFailed(0, QStringLiteral("refused")),
                 (BrowserActions{BrowserAction::openingFailed(QStringLiteral("refused")),
                                 BrowserAction::close()}));
        PortalFlow opened = Flow(Portal::Eservices);
        opened.start();
        opened.documentComplete(0, LoginPage);
        QVERIFY(opened.loadFailed(0, QStringLiteral("refused")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(PortalFlowTest)
#include "PortalFlowTest.moc"
