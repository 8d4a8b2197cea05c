#include "logic/internet/EservicesLogin.h"

#include "logic/internet/EservicesSite.h"
#include "logic/internet/PageScripts.h"

EservicesLogin::EservicesLogin(const QString& base, const QString& userName, const QString& password)
    : m_origin(PageScripts::OriginOf(base)), m_userName(userName.trimmed()), m_password(password.trimmed()) {}

BrowserActions EservicesLogin::fill(int browser) {
    if (m_fills >= MaxFills) {
        if (m_refusalShown)
            return {};
        m_refusalShown = true;
        return {BrowserAction::loginRefused()};
    }
    ++m_fills;
    return {BrowserAction::setField(browser, m_origin, Eservices::UserNameField, m_userName),
            BrowserAction::setField(browser, m_origin, Eservices::PasswordField, m_password),
            BrowserAction::click(browser, m_origin, Eservices::LoginButton)};
}

void EservicesLogin::accepted() {
    m_fills = 0;
    m_refusalShown = false;
}

void EservicesLogin::reset() {
    accepted();
}
