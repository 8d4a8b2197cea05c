#include "logic/internet/SubmissionFlow.h"
#include "LatinSentences.h"
#include "logic/core/files/IniFile.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/internet/EservicesSite.h"
#include "logic/internet/InternetSettings.h"
#include "logic/internet/PageScripts.h"
#include "logic/internet/SiteFailure.h"
#include "logic/internet/WebEngineSetup.h"
#include "shell/SettingsJoin.h"

#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using Kind = BrowserAction::Kind;
using Eservices::Page;

namespace {
const QString Base = QStringLiteral("https://eservices.example.gr");
const QString Key = QStringLiteral("abcdefghijklmnopqrstuvwx");
const QString Session = Base + QStringLiteral("/(S(") + Key + QStringLiteral("))");
const QString LoginPage = Session + QStringLiteral("/login.aspx?ReturnUrl=%2fDefault.aspx");
const QString HomePage = Session + QStringLiteral("/Default.aspx");
const QString EntryPage = Session + QStringLiteral("/SK/SygkentrwtikhPararthmatosOne.aspx");
const QString LoggedOutPage = Session + QStringLiteral("/login.aspx");
const QString ProofOpening = Base + QStringLiteral("//SK/SygkentrwtikhPararthmatosPrintPDF.aspx?id=7");

// A field of the page in the browser, for the configured site only.
BrowserAction Field(int browser, const QString& name, const QString& value) {
    return BrowserAction::setField(browser, Base, name, value);
}

SubmissionRequest Request(const QString& remarks = QStringLiteral("Υπερωρία")) {
    return {QStringLiteral("090000045"), QStringLiteral("08:00-16:00"), remarks, QStringLiteral("001")};
}

SubmissionFlow Flow(const SubmissionRequest& request = Request()) {
    return SubmissionFlow(Base, request, QStringLiteral("  user1 "), QStringLiteral(" sec'ret\" "));
}

QList<Kind> Kinds(const BrowserActions& actions) {
    QList<Kind> kinds;
    for (const BrowserAction& action : actions)
        kinds << action.kind;
    return kinds;
}
} // namespace

Q_DECLARE_METATYPE(Eservices::Page)

// The automation of one submission, fed with browser events as the window would feed it.
class SubmissionFlowTest : public QObject {
    Q_OBJECT
private slots:
    void pagesAreRecognisedByExactPrefixAndSuffix_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<Page>("page");
        QTest::newRow("login") << LoginPage << Page::Login;
        QTest::newRow("login as the browser writes escapes")
            << Session + QStringLiteral("/login.aspx?ReturnUrl=%2FDefault.aspx") << Page::Login;
        QTest::newRow("home") << HomePage << Page::Home;
        QTest::newRow("entry") << EntryPage << Page::Entry;
        QTest::newRow("logged out") << LoggedOutPage << Page::LoggedOut;
        QTest::newRow("base alone") << Base << Page::Other;
        QTest::newRow("login of another host")
            << QStringLiteral("https://other.example.gr/(S(") + Key +
                   QStringLiteral("))/login.aspx?ReturnUrl=%2fDefault.aspx")
            << Page::Other;
        QTest::newRow("login of a host that begins like the base")
            << QStringLiteral("https://eservices.example.gr.evil.com/(S(") + Key +
                   QStringLiteral("))/login.aspx?ReturnUrl=%2fDefault.aspx")
            << Page::Other;
        QTest::newRow("login over plain http")
            << QStringLiteral("http://eservices.example.gr/(S(") + Key +
                   QStringLiteral("))/login.aspx?ReturnUrl=%2fDefault.aspx")
            << Page::Other;
        QTest::newRow("login without session key")
            << Base + QStringLiteral("/login.aspx?ReturnUrl=%2fDefault.aspx") << Page::Other;
        QTest::newRow("login with more after the return address")
            << LoginPage + QStringLiteral("&x=1") << Page::Other;
        QTest::newRow("login returning elsewhere")
            << Session + QStringLiteral("/login.aspx?ReturnUrl=%2fdefault.aspx") << Page::Other;
        QTest::newRow("home in a sub-folder") << Session + QStringLiteral("/SK/Default.aspx") << Page::Other;
        QTest::newRow("entry with a query") << EntryPage + QStringLiteral("?a=1") << Page::Other;
        QTest::newRow("entry of another host")
            << QStringLiteral("https://x.gr/(S(") + Key +
                   QStringLiteral("))/SK/SygkentrwtikhPararthmatosOne.aspx")
            << Page::Other;
        QTest::newRow("proof") << ProofOpening << Page::Other;
        QTest::newRow("empty") << QString() << Page::Other;
    }
    void pagesAreRecognisedByExactPrefixAndSuffix() {
        QFETCH(QString, address);
        QFETCH(Page, page);
        QCOMPARE(Eservices::Recognise(Base, address), page);
        // Without a base nothing is recognised.
        QCOMPARE(Eservices::Recognise(QString(), address), Page::Other);
    }

    void baseSettingIsWrittenAsTheBrowserReportsAddresses() {
        QCOMPARE(Eservices::NormaliseBase(QStringLiteral(" https://EServices.Example.GR/ ")), Base);
        QCOMPARE(Eservices::NormaliseBase(QStringLiteral("https://eservices.example.gr:443")), Base);
        QCOMPARE(Eservices::NormaliseBase(QStringLiteral("http://127.0.0.1:8080//")),
                 QStringLiteral("http://127.0.0.1:8080"));
        QCOMPARE(Eservices::NormaliseBase(QString()), QString());
    }

    void anOriginIsWrittenAsThePageWritesItsOwn_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("origin");
        QTest::newRow("secure host") << Base << Base;
        QTest::newRow("page of the host") << LoginPage << Base;
        QTest::newRow("capitals") << QStringLiteral("HTTPS://EServices.Example.GR/x") << Base;
        QTest::newRow("default port") << QStringLiteral("https://eservices.example.gr:443/") << Base;
        QTest::newRow("other port") << QStringLiteral("http://127.0.0.1:8080/a?b")
                                    << QStringLiteral("http://127.0.0.1:8080");
        QTest::newRow("plain default port")
            << QStringLiteral("http://x.gr:80") << QStringLiteral("http://x.gr");
        QTest::newRow("user in address")
            << QStringLiteral("https://u:p@x.gr/") << QStringLiteral("https://x.gr");
        QTest::newRow("ipv6") << QStringLiteral("http://[::1]:81/") << QStringLiteral("http://[::1]:81");
        QTest::newRow("greek host") << QStringLiteral("https://παράδειγμα.gr/")
                                    << QStringLiteral("https://xn--hxajbheg2az3al.gr");
        QTest::newRow("no host") << QStringLiteral("about:blank") << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void anOriginIsWrittenAsThePageWritesItsOwn() {
        QFETCH(QString, address);
        QFETCH(QString, origin);
        QCOMPARE(PageScripts::OriginOf(address), origin);
    }

    void aSiteThatDidNotOpenIsToldInGreekWithTheReasonUnderDetails() {
        const Failure refused =
            SiteFailureMessage(QStringLiteral("https://eservices.example.gr"), SiteFailureOfNetError(-102),
                               QStringLiteral("net::ERR_CONNECTION_REFUSED"));
        QVERIFY(refused.text.startsWith(
            QStringLiteral("Ο δικτυακός τόπος eservices.example.gr αρνήθηκε τη σύνδεση.\n")));
        QCOMPARE(refused.details,
                 QStringLiteral("net::ERR_CONNECTION_REFUSED\nhttps://eservices.example.gr"));
        const Failure unknown =
            SiteFailureMessage(QStringLiteral("https://eservices.example.gr/x"), SiteFailureOfNetError(-105),
                               QStringLiteral("net::ERR_NAME_NOT_RESOLVED"));
        QVERIFY(
            unknown.text.startsWith(QStringLiteral("Ο δικτυακός τόπος eservices.example.gr δεν βρέθηκε")));
        QVERIFY(SiteFailureMessage({}, SiteFailureOfNetError(-106), {})
                    .text.contains(QStringLiteral("δεν έχει σύνδεση με το Internet")));
        QVERIFY(SiteFailureMessage({}, SiteFailureOfNetError(-118), {})
                    .text.contains(QStringLiteral("δεν απαντά")));
        const Failure status = SiteFailureMessage(QStringLiteral("http://127.0.0.1:81/x"),
                                                  SiteFailure::HttpError, QStringLiteral("Not Found"), 404);
        QVERIFY(
            status.text.startsWith(QStringLiteral("Ο δικτυακός τόπος 127.0.0.1:81 απάντησε με σφάλμα 404.")));
        const Failure certificate = SiteFailureMessage(QStringLiteral("https://x.gr"),
                                                       SiteFailure::Certificate, QStringLiteral("bad"));
        QVERIFY(certificate.text.contains(QStringLiteral("πιστοποιητικό")));
        for (const Failure& failure : {refused, unknown, status, certificate})
            QVERIFY2(LatinSentences(failure.text).isEmpty(), qPrintable(failure.text));
        const Failure invalid =
            SiteFailureMessage(QStringLiteral("eservices"), SiteFailure::InvalidAddress, {});
        QCOMPARE(invalid.text,
                 QStringLiteral("Η διεύθυνση \"eservices\" δεν είναι έγκυρη διεύθυνση δικτυακού τόπου.\n"
                                "Διορθώστε τη στις «Βοηθητικές → Ρυθμίσεις Εγκατάστασης»."));
    }

    void theBrowserSandboxIsSwitchedOffOnlyForRootAndOnlyWhenNoFlagsAreSet() {
        const QByteArray saved = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        PrepareWebEngine();
        QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"),
                 ::geteuid() == 0 ? QByteArray("--no-sandbox") : QByteArray());
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--lang=el");
        PrepareWebEngine();
        QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), QByteArray("--lang=el"));
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", saved);
    }

    void startUpTakesTheBaseFromTheSettingsFile() {
        QTemporaryDir folder;
        ResetProgramValues();
        Program.AppPath = folder.path();
        const QString ini = folder.filePath(QStringLiteral("Orva.ini"));
        JoinOrvaSettings();
        QVERIFY(WriteDefaultSettingsFile(ini));
        Services::install(std::make_unique<IniSettings>(ini));
        LoadEservicesBase();
        QCOMPARE(Program.EservicesBase, QStringLiteral("https://eservices.yeka.gr"));

        std::optional<IniFile> file = IniFile::load(ini);
        file->setValue(QStringLiteral("Internet"), QStringLiteral("EservicesBase"),
                       QStringLiteral("http://LocalHost:8080/"));
        QVERIFY(file->save(ini));
        Services::install(std::make_unique<IniSettings>(ini));
        LoadEservicesBase();
        QCOMPARE(Program.EservicesBase, QStringLiteral("http://localhost:8080"));
        Services::install(std::make_unique<DefaultSettings>());
    }

    void aWholeSubmissionRunsThroughLoginHomeEntryAndLogout() {
        SubmissionFlow flow = Flow();
        const BrowserActions opening = flow.start();
        QCOMPARE(Kinds(opening), (QList<Kind>{Kind::ShowView, Kind::Navigate}));
        QCOMPARE(opening.at(0).view, ViewMode::FormView);
        QCOMPARE(opening.at(1).browser, 0);
        QCOMPARE(opening.at(1).address, Base);

        QVERIFY(flow.documentComplete(0, Base).isEmpty());

        const BrowserActions login = flow.documentComplete(0, LoginPage);
        QCOMPARE(flow.sessionId(), Key);
        QCOMPARE(login, (BrowserActions{Field(0, Eservices::UserNameField, QStringLiteral("user1")),
                                        Field(0, Eservices::PasswordField, QStringLiteral("sec'ret\"")),
                                        BrowserAction::click(0, Base, Eservices::LoginButton)}));

        QCOMPARE(flow.documentComplete(0, HomePage), (BrowserActions{BrowserAction::navigate(0, EntryPage)}));

        const BrowserActions entry = flow.documentComplete(0, EntryPage);
        QCOMPARE(entry, (BrowserActions{Field(0, Eservices::BranchField, QStringLiteral("1")),
                                        Field(0, Eservices::AfmField, QStringLiteral("090000045")),
                                        Field(0, Eservices::HoursField, QStringLiteral("08:00-16:00")),
                                        Field(0, Eservices::RemarksField, QStringLiteral("Υπερωρία")),
                                        BrowserAction::appendLog(
                                            QStringLiteral("090000045 08:00-16:00 Υπερωρία -/- "))}));
        // Every completion of the entry page fills it in again; the log has the entry once.
        QCOMPARE(flow.documentComplete(0, EntryPage), entry.mid(0, 4));

        QCOMPARE(flow.documentComplete(0, LoggedOutPage), (BrowserActions{BrowserAction::close()}));
        QVERIFY(flow.closed());
        // Nothing more happens once the window is closing.
        QVERIFY(flow.documentComplete(0, LoginPage).isEmpty());
        QVERIFY(flow.newWindow().isEmpty());
    }

    void theSessionKeyIsTheTwentyFourCharactersAfterTheOpening() {
        SubmissionFlow flow = Flow();
        flow.start();
        const QString other = QStringLiteral("ZYXWVUTSRQPONMLKJIHGFEDC");
        flow.documentComplete(0, Base + QStringLiteral("/(S(") + other +
                                     QStringLiteral("))/login.aspx?ReturnUrl=%2fDefault.aspx"));
        QCOMPARE(flow.sessionId(), other);
        QCOMPARE(flow.documentComplete(0, HomePage).value(0).address,
                 Base + QStringLiteral("/(S(") + other +
                     QStringLiteral("))/SK/SygkentrwtikhPararthmatosOne.aspx"));
        // A login page of another host leaves the key alone.
        flow.documentComplete(0, QStringLiteral("https://x.gr/(S(") + Key +
                                     QStringLiteral("))/login.aspx?ReturnUrl=%2fDefault.aspx"));
        QCOMPARE(flow.sessionId(), other);
    }

    void aPageCompletingInTheSecondBrowserIsFilledThereAndNowhereElse() {
        SubmissionFlow flow = Flow();
        flow.start();
        const BrowserActions login = flow.documentComplete(1, LoginPage);
        QCOMPARE(flow.sessionId(), Key);
        QCOMPARE(login, (BrowserActions{Field(1, Eservices::UserNameField, QStringLiteral("user1")),
                                        Field(1, Eservices::PasswordField, QStringLiteral("sec'ret\"")),
                                        BrowserAction::click(1, Base, Eservices::LoginButton)}));
        for (const BrowserAction& action : flow.documentComplete(1, EntryPage)) {
            if (action.kind == Kind::SetField)
                QCOMPARE(action.browser, 1);
        }
        // The home page only leads browser 0 on to the entry page; nothing is typed.
        QCOMPARE(flow.documentComplete(1, HomePage), (BrowserActions{BrowserAction::navigate(0, EntryPage)}));
    }

    void fieldsAreMeantOnlyForThePagesOfTheConfiguredSite() {
        // The base as the settings give it, with a port: the origin the page must have.
        SubmissionFlow flow(QStringLiteral("http://127.0.0.1:8080"), Request(), QStringLiteral("u"),
                            QStringLiteral("p"));
        flow.start();
        const BrowserActions login =
            flow.documentComplete(0, QStringLiteral("http://127.0.0.1:8080/(S(") + Key +
                                         QStringLiteral("))/login.aspx?ReturnUrl=%2fDefault.aspx"));
        QCOMPARE(login.size(), 3);
        for (const BrowserAction& action : login)
            QCOMPARE(action.origin, QStringLiteral("http://127.0.0.1:8080"));
    }

    void aProofPageChangesNothingInEitherBrowser() {
        SubmissionFlow flow = Flow();
        flow.start();
        flow.showProof();
        QVERIFY(flow.documentComplete(1, ProofOpening).isEmpty());
        QVERIFY(flow.documentComplete(0, ProofOpening).isEmpty());
        QCOMPARE(flow.viewMode(), ViewMode::ProofView);
        // The proof mark stops browser 1 even on an address that would otherwise be a page;
        // in browser 0 the same address goes on to the page tests.
        const QString markedHome = Base + QStringLiteral("/(S(PararthmatosPrintPDFabcd))/Default.aspx");
        QVERIFY(flow.documentComplete(1, markedHome).isEmpty());
        QCOMPARE(Kinds(flow.documentComplete(0, markedHome)), QList<Kind>{Kind::Navigate});
    }

    void theBranchIsFilledInAsTheLeadingNumberOfItsText_data() {
        QTest::addColumn<QString>("eypo");
        QTest::addColumn<QString>("filled");
        QTest::newRow("zeros in front") << QStringLiteral("001") << QStringLiteral("1");
        QTest::newRow("number and place") << QStringLiteral("12 Αθηνών") << QStringLiteral("12");
        QTest::newRow("place alone") << QStringLiteral("Αθήνα") << QStringLiteral("0");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("0");
        QTest::newRow("blanks inside") << QStringLiteral(" 1 2 Β") << QStringLiteral("12");
        QTest::newRow("sign") << QStringLiteral("-3") << QStringLiteral("-3");
        QTest::newRow("plus") << QStringLiteral("+7x") << QStringLiteral("7");
        QTest::newRow("decimal") << QStringLiteral("1.5") << QStringLiteral("1.5");
        QTest::newRow("second point stops") << QStringLiteral("1.2.3") << QStringLiteral("1.2");
        QTest::newRow("sign alone") << QStringLiteral("-") << QStringLiteral("0");
        QTest::newRow("sign after digits stops") << QStringLiteral("5-6") << QStringLiteral("5");
    }
    void theBranchIsFilledInAsTheLeadingNumberOfItsText() {
        QFETCH(QString, eypo);
        QFETCH(QString, filled);
        SubmissionRequest request = Request();
        request.Eypo = eypo;
        SubmissionFlow flow = Flow(request);
        flow.start();
        const BrowserActions entry = flow.documentComplete(0, EntryPage);
        QCOMPARE(entry.value(0), Field(0, Eservices::BranchField, filled));
    }

    void aNewSubmissionWindowLogsItsEntryAgain() {
        SubmissionFlow flow = Flow(Request());
        flow.start();
        QCOMPARE(Kinds(flow.documentComplete(0, EntryPage)).count(Kind::AppendLog), 1);
        QCOMPARE(Kinds(flow.documentComplete(0, EntryPage)).count(Kind::AppendLog), 0);
        flow.start();
        QCOMPARE(Kinds(flow.documentComplete(0, EntryPage)).count(Kind::AppendLog), 1);
    }

    void emptyRemarksStillLogALine() {
        SubmissionFlow flow = Flow(Request(QString()));
        flow.start();
        const BrowserActions entry = flow.documentComplete(0, EntryPage);
        QCOMPARE(entry.value(3), Field(0, Eservices::RemarksField, QString()));
        QCOMPARE(entry.value(4), BrowserAction::appendLog(QStringLiteral("090000045 08:00-16:00  -/- ")));
    }

    void aLoginPageThatKeepsComingBackIsFilledThreeTimesThenReported() {
        SubmissionFlow flow = Flow();
        flow.start();
        for (int fill = 1; fill <= SubmissionFlow::MaxLoginFills; ++fill) {
            QCOMPARE(Kinds(flow.documentComplete(0, LoginPage)),
                     (QList<Kind>{Kind::SetField, Kind::SetField, Kind::Click}));
            QCOMPARE(flow.loginFills(), fill);
        }
        QCOMPARE(flow.documentComplete(0, LoginPage), (BrowserActions{BrowserAction::loginRefused()}));
        QVERIFY(flow.documentComplete(0, LoginPage).isEmpty());
        QVERIFY(!flow.closed());
        // A login that got through lets a later login page (an expired session) be filled again.
        flow.documentComplete(0, HomePage);
        QCOMPARE(Kinds(flow.documentComplete(0, LoginPage)),
                 (QList<Kind>{Kind::SetField, Kind::SetField, Kind::Click}));
    }

    void theProofOpeningSwitchesToTheProofView_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("proof");
        QTest::newRow("opening") << ProofOpening << true;
        QTest::newRow("bare query") << Base + QStringLiteral("//SK/SygkentrwtikhPararthmatosPrintPDF.aspx?")
                                    << true;
        QTest::newRow("one slash") << Base + QStringLiteral("/SK/SygkentrwtikhPararthmatosPrintPDF.aspx?id=7")
                                   << false;
        QTest::newRow("with session key")
            << Session + QStringLiteral("//SK/SygkentrwtikhPararthmatosPrintPDF.aspx?id=7") << false;
        QTest::newRow("no query") << Base + QStringLiteral("//SK/SygkentrwtikhPararthmatosPrintPDF.aspx")
                                  << false;
        QTest::newRow("another host")
            << QStringLiteral("https://other.gr//SK/SygkentrwtikhPararthmatosPrintPDF.aspx?id=7") << false;
        QTest::newRow("entry page") << EntryPage << false;
    }
    void theProofOpeningSwitchesToTheProofView() {
        QFETCH(QString, address);
        QFETCH(bool, proof);
        for (int browser : {0, 1}) {
            SubmissionFlow flow = Flow();
            flow.start();
            const BrowserActions actions = flow.beforeNavigate(browser, address);
            QCOMPARE(flow.viewMode(), proof ? ViewMode::ProofView : ViewMode::FormView);
            QCOMPARE(actions,
                     proof ? BrowserActions{BrowserAction::showView(ViewMode::ProofView)} : BrowserActions{});
        }
    }

    void aNewWindowGoesToTheSecondBrowserAfterThePause() {
        SubmissionFlow flow = Flow();
        flow.start();
        QCOMPARE(flow.newWindow(), (BrowserActions{BrowserAction::navigate(1, QStringLiteral("about:blank")),
                                                   BrowserAction::wait(4000), BrowserAction::adoptPopup(1)}));
    }

    void aCloseRequestBringsTheFormBackAndBlanksTheSecondBrowser() {
        SubmissionFlow flow = Flow();
        flow.start();
        flow.beforeNavigate(1, ProofOpening);
        QCOMPARE(flow.closeRequested(),
                 (BrowserActions{BrowserAction::showView(ViewMode::FormView),
                                 BrowserAction::navigate(1, QStringLiteral("about:blank"))}));
        QCOMPARE(flow.viewMode(), ViewMode::FormView);
        QVERIFY(!flow.closed());
    }

    void viewButtonsSwitchWithoutLoading() {
        SubmissionFlow flow = Flow();
        flow.start();
        QCOMPARE(flow.showProof(), (BrowserActions{BrowserAction::showView(ViewMode::ProofView)}));
        QCOMPARE(flow.viewMode(), ViewMode::ProofView);
        QCOMPARE(flow.showForm(), (BrowserActions{BrowserAction::showView(ViewMode::FormView)}));
        QCOMPARE(flow.viewMode(), ViewMode::FormView);
    }

    void onlyTheOpeningOfTheSiteFailingIsReported() {
        SubmissionFlow flow = Flow();
        flow.start();
        QVERIFY(flow.loadFailed(1, QStringLiteral("refused")).isEmpty());
        QCOMPARE(flow.loadFailed(0, QStringLiteral("refused")),
                 (BrowserActions{BrowserAction::openingFailed(QStringLiteral("refused")),
                                 BrowserAction::close()}));
        QVERIFY(flow.closed());

        SubmissionFlow opened = Flow();
        opened.start();
        opened.documentComplete(0, LoginPage);
        QVERIFY(opened.loadFailed(0, QStringLiteral("refused")).isEmpty());
        QVERIFY(!opened.closed());
    }
};

QTEST_GUILESS_MAIN(SubmissionFlowTest)
#include "SubmissionFlowTest.moc"
