#pragma once

#include "logic/core/database/ParamValues.h"
#include "logic/internet/BrowserAction.h"
#include "logic/internet/EservicesLogin.h"
#include "logic/internet/InternetSettings.h"

#include <QString>
#include <optional>

// The three portals of «Ο λογαριασμός μου», numbered as the pop-up menu numbers them.
enum class Portal { Taxis = 1, Eservices = 2, Ika = 3 };

// The portal chosen by a pop-up choice (1 to 3), nothing otherwise.
std::optional<Portal> PortalFromChoice(int choice);

// The stored credentials a portal logs in with, trimmed: TaxisNet's for the tax portal, the
// IKA ones for the other two. Nothing opens unless both are there.
struct PortalCredentials {
    QString userName;
    QString password;
    bool complete() const { return !userName.isEmpty() && !password.isEmpty(); }
};
PortalCredentials CredentialsOf(Portal portal, const ParamValues& params);

// Fields of the portals' login forms, looked up by name in the first form of a page.
namespace PortalFields {
extern const QString TaxisUserName;
extern const QString TaxisPassword;
extern const QString IkaUserName;
extern const QString IkaPassword;
} // namespace PortalFields

// The automation of a portal login: fed with the events of the window's two browsers, of the
// outside browser (portal 3) and of its timer, it answers with the actions the window
// carries out. Credentials go only into a page of the portal's own configured host, and
// only into the page that completed.
//
// - Taxis: the account page leads to the sign-on page, which is filled in and submitted
//   once; its second appearance closes the window.
// - Eservices: the site's login page is filled in at every load (MaxLoginFills times at
//   most before the user is told); the logged-out page closes the window.
// - Ika: the outside browser is opened and, on the first timer tick, sent to the login page,
//   which is filled in and submitted; the window then closes and leaves that browser open.
class PortalFlow {
public:
    static constexpr int TimerMs = 3000;
    static constexpr int PopupWaitMs = 4000;
    // A login page that keeps coming back, or a login form that leads nowhere, is filled
    // in this many times at most.
    static constexpr int MaxLoginFills = 3;
    // Ticks of the timer the login page of portal 3 may take to open.
    static constexpr int MaxOpeningTicks = 10;
    // Ticks after a submitted login form before it is filled in again.
    static constexpr int SentTicks = 2;

    PortalFlow(Portal portal, const PortalAddresses& addresses, const QString& userName,
               const QString& password);

    Portal portal() const { return m_portal; }
    // Both credentials are there (after trimming): only then does anything open.
    bool credentialsComplete() const;

    // The window has loaded (with both credentials present).
    BrowserActions start();
    // A page finished loading in a browser (0, 1, or OutsideBrowser).
    BrowserActions documentComplete(int browser, const QString& address);
    // A page of a browser failed to load (an aborted navigation is not a failure).
    BrowserActions loadFailed(int browser, const QString& message, const QString& details = {});
    // A browser is about to open an address (the navigation goes ahead).
    BrowserActions beforeNavigate(int browser, const QString& address);
    // A page of the embedded browsers opens a new window.
    BrowserActions newWindow();
    // The timer ticked; outsideAddress is the outside browser's current address.
    BrowserActions timerTick(const QString& outsideAddress);
    // The buttons: browser 0 or browser 1 to the front.
    BrowserActions showFirst();
    BrowserActions showSecond();

    ViewMode viewMode() const { return m_viewMode; }
    bool firstSsoLogin() const { return m_firstSsoLogin; }
    int loginFills() const { return m_portal == Portal::Eservices ? m_eservicesLogin.fills() : m_loginFills; }
    bool closed() const { return m_closed; }

private:
    enum class Outside { None, Waiting, Opening, Sent, Done };

    BrowserActions taxisPage(int browser, const QString& address);
    BrowserActions eservicesPage(int browser, const QString& address);
    BrowserActions outsidePage(const QString& address);
    BrowserActions fillIka();
    BrowserActions finishOutside(const BrowserActions& before = {});
    BrowserActions close(const BrowserActions& before = {});

    Portal m_portal;
    PortalAddresses m_addresses;
    QString m_userName;
    QString m_password;
    bool m_firstSsoLogin = true;
    ViewMode m_viewMode = ViewMode::FormView;
    EservicesLogin m_eservicesLogin;
    int m_loginFills = 0;  // of the IKA portal's form
    bool m_opened = false; // an embedded browser has completed a page
    bool m_closed = false;
    Outside m_outside = Outside::None;
    int m_ticks = 0;
};
