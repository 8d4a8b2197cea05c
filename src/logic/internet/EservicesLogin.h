#pragma once

#include "logic/internet/BrowserAction.h"

#include <QString>

// The e-services site's login form as both its automations fill it: user name, password and
// a click on the login button, into the page that completed and only while it is of the
// site's origin. A login page that keeps coming back is filled in MaxFills times at most;
// then the user is told, once.
class EservicesLogin {
public:
    static constexpr int MaxFills = 3;

    // base is the normalised e-services base address; the credentials are trimmed here.
    EservicesLogin(const QString& base, const QString& userName, const QString& password);

    // The site's login page completed in the browser.
    BrowserActions fill(int browser);
    // The site accepted a login: a later login page (an expired session) is filled again.
    void accepted();
    void reset();

    int fills() const { return m_fills; }
    QString userName() const { return m_userName; }
    QString password() const { return m_password; }

private:
    QString m_origin;
    QString m_userName;
    QString m_password;
    int m_fills = 0;
    bool m_refusalShown = false;
};
