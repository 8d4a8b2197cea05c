#include "logic/internet/PortalFlow.h"

#include "logic/internet/EservicesSite.h"
#include "logic/internet/PageScripts.h"

namespace PortalFields {
const QString TaxisUserName = QStringLiteral("ssousername");
const QString TaxisPassword = QStringLiteral("Password");
const QString IkaUserName = QStringLiteral("j_username");
const QString IkaPassword = QStringLiteral("j_password");
} // namespace PortalFields

namespace {
const QString Blank = QStringLiteral("about:blank");
const QString PrintMark = QStringLiteral("PrintPDF");
} // namespace

std::optional<Portal> PortalFromChoice(int choice) {
    if (choice < 1 || choice > 3)
        return std::nullopt;
    return Portal(choice);
}

PortalCredentials CredentialsOf(Portal portal, const ParamValues& params) {
    if (portal == Portal::Taxis)
        return {params.TaxisCode.trimmed(), params.TaxisPass.trimmed()};
    return {params.IkaCode.trimmed(), params.IkaPass.trimmed()};
}

PortalFlow::PortalFlow(Portal portal, const PortalAddresses& addresses, const QString& userName,
                       const QString& password)
    : m_portal(portal), m_addresses(addresses), m_userName(userName.trimmed()),
      m_password(password.trimmed()), m_eservicesLogin(addresses.eservicesBase, userName, password) {}

bool PortalFlow::credentialsComplete() const {
    return !m_userName.isEmpty() && !m_password.isEmpty();
}

BrowserActions PortalFlow::start() {
    m_firstSsoLogin = true;
    m_closed = false;
    if (!credentialsComplete())
        return {};
    switch (m_portal) {
    case Portal::Taxis:
        return {BrowserAction::navigate(0, m_addresses.taxisAccountPage)};
    case Portal::Eservices:
        return {BrowserAction::navigate(0, m_addresses.eservicesBase)};
    case Portal::Ika:
        m_outside = Outside::Waiting;
        m_ticks = 0;
        return {BrowserAction::startTimer(TimerMs), BrowserAction::openOutside()};
    }
    return {};
}

BrowserActions PortalFlow::documentComplete(int browser, const QString& address) {
    if (m_closed)
        return {};
    if (browser == OutsideBrowser)
        return outsidePage(address);
    m_opened = true;
    if (browser == 1 && address.contains(PrintMark))
        return {};
    if (m_portal == Portal::Taxis)
        return taxisPage(browser, address);
    if (m_portal == Portal::Eservices)
        return eservicesPage(browser, address);
    return {};
}

BrowserActions PortalFlow::taxisPage(int browser, const QString& address) {
    // Exactly the sign-on page: an address with a query after it is another page.
    if (m_addresses.taxisSsoLoginPage.isEmpty() ||
        Eservices::NormaliseEscapes(address) != Eservices::NormaliseEscapes(m_addresses.taxisSsoLoginPage))
        return {};
    if (!m_firstSsoLogin)
        return close();
    m_firstSsoLogin = false;
    const QString origin = PageScripts::OriginOf(m_addresses.taxisSsoLoginPage);
    return {
        BrowserAction::setField(browser, origin, PortalFields::TaxisUserName, m_userName),
        BrowserAction::setField(browser, origin, PortalFields::TaxisPassword, m_password),
        BrowserAction::submit(browser, origin, {PortalFields::TaxisUserName, PortalFields::TaxisPassword})};
}

BrowserActions PortalFlow::eservicesPage(int browser, const QString& address) {
    const QString& base = m_addresses.eservicesBase;
    switch (Eservices::Recognise(base, address)) {
    case Eservices::Page::Login:
        return m_eservicesLogin.fill(browser);
    case Eservices::Page::Home:
        m_eservicesLogin.accepted();
        return {};
    case Eservices::Page::LoggedOut:
        return close();
    default:
        return {};
    }
}

BrowserActions PortalFlow::outsidePage(const QString& address) {
    if (m_portal != Portal::Ika)
        return {};
    switch (m_outside) {
    case Outside::Opening:
        // Only a page of the portal's own host gets the credentials; anything else is left
        // to the user.
        if (PageScripts::OriginOf(address) != PageScripts::OriginOf(m_addresses.ikaApdLoginPage))
            return finishOutside();
        return fillIka();
    case Outside::Sent:
        // The form led to the portal's answer: the user takes it from here.
        return finishOutside();
    default:
        return {};
    }
}

BrowserActions PortalFlow::fillIka() {
    ++m_loginFills;
    m_ticks = 0;
    m_outside = Outside::Sent;
    const QString origin = PageScripts::OriginOf(m_addresses.ikaApdLoginPage);
    return {BrowserAction::setField(OutsideBrowser, origin, PortalFields::IkaUserName, m_userName),
            BrowserAction::setField(OutsideBrowser, origin, PortalFields::IkaPassword, m_password),
            BrowserAction::submit(OutsideBrowser, origin,
                                  {PortalFields::IkaUserName, PortalFields::IkaPassword})};
}

BrowserActions PortalFlow::timerTick(const QString& outsideAddress) {
    if (m_closed || m_portal != Portal::Ika)
        return {};
    ++m_ticks;
    switch (m_outside) {
    case Outside::Waiting:
        if (!outsideAddress.isEmpty() && outsideAddress != Blank) {
            if (m_ticks < MaxOpeningTicks)
                return {};
            return finishOutside({BrowserAction::openingFailed(
                QStringLiteral("Το παράθυρο του Ι.Κ.Α. δεν ήταν έτοιμο για τη σύνδεση."))});
        }
        m_outside = Outside::Opening;
        m_ticks = 0;
        return {BrowserAction::navigate(OutsideBrowser, m_addresses.ikaApdLoginPage)};
    case Outside::Opening:
        if (m_ticks < MaxOpeningTicks)
            return {};
        return finishOutside({BrowserAction::openingFailed(
            QStringLiteral("Η σελίδα σύνδεσης του Ι.Κ.Α. δεν άνοιξε σε %1 δευτερόλεπτα.\n%2")
                .arg(MaxOpeningTicks * TimerMs / 1000)
                .arg(m_addresses.ikaApdLoginPage))});
    case Outside::Sent:
        if (m_ticks < SentTicks)
            return {};
        // The form did not lead anywhere (its fields were not there yet): once more.
        if (m_loginFills < MaxLoginFills)
            return fillIka();
        return finishOutside({BrowserAction::openingFailed(
            QStringLiteral("Η σελίδα σύνδεσης του Ι.Κ.Α. δεν δέχτηκε τα στοιχεία σύνδεσης (δεν βρέθηκαν τα "
                           "πεδία της).\nΣυνδεθείτε στο παράθυρο του Ι.Κ.Α. που έμεινε ανοιχτό."))});
    default:
        return {};
    }
}

BrowserActions PortalFlow::finishOutside(const BrowserActions& before) {
    m_outside = Outside::Done;
    BrowserActions actions = before;
    actions << BrowserAction::stopTimer() << BrowserAction::releaseOutside();
    return close(actions);
}

BrowserActions PortalFlow::close(const BrowserActions& before) {
    m_closed = true;
    BrowserActions actions = before;
    actions << BrowserAction::close();
    return actions;
}

BrowserActions PortalFlow::loadFailed(int browser, const QString& message, const QString& details) {
    if (m_closed)
        return {};
    if (browser == OutsideBrowser) {
        if (m_portal != Portal::Ika || m_outside != Outside::Opening)
            return {};
        return finishOutside({BrowserAction::openingFailed(message, details)});
    }
    // Only the opening of the portal is reported; later failures show the browser's page.
    if (browser != 0 || m_opened)
        return {};
    return close({BrowserAction::openingFailed(message, details)});
}

BrowserActions PortalFlow::beforeNavigate(int, const QString& address) {
    if (m_closed || m_portal != Portal::Eservices || !address.contains(PrintMark))
        return {};
    return showSecond();
}

BrowserActions PortalFlow::newWindow() {
    if (m_closed)
        return {};
    // The tax portal's new windows open as windows of their own.
    if (m_portal == Portal::Taxis)
        return {BrowserAction::adoptPopup(NewBrowserWindow)};
    return {BrowserAction::navigate(1, Blank), BrowserAction::wait(PopupWaitMs),
            BrowserAction::adoptPopup(1)};
}

BrowserActions PortalFlow::showFirst() {
    m_viewMode = ViewMode::FormView;
    return {BrowserAction::showView(ViewMode::FormView)};
}

BrowserActions PortalFlow::showSecond() {
    m_viewMode = ViewMode::ProofView;
    return {BrowserAction::showView(ViewMode::ProofView)};
}
