#pragma once

#include "logic/internet/BrowserAction.h"
#include "logic/internet/EservicesLogin.h"

#include <QString>

// The entry handed to the submission window (SendEafm, SendKorario, SendKparat, SendEypo).
struct SubmissionRequest {
    QString Eafm;
    QString Korario;
    QString Kparat;
    QString Eypo;
};

// The numeric value of the leading part of a text: digits with an optional sign and one
// decimal point, blanks anywhere ignored, 0 when the text does not begin with a number
// ("001" gives 1, "12 Αθηνών" gives 12).
double LeadingNumber(const QString& text);
// The branch as filled into the site's branch list: the leading number of the branch text,
// written without a decimal part when it has none.
QString BranchNumberText(const QString& eypo);
// The line the submission log gets each time the entry page is filled in.
QString SubmissionLogLine(const SubmissionRequest& request);

// The automation of one submission: fed with the events of the window's two browsers, it
// answers with the actions the window carries out. Its only memory is the session key, the
// view, and how often it has filled in the login page. Fields are filled only into the page
// whose completion was recognised, and only while its origin is the configured site's.
class SubmissionFlow {
public:
    // A login page that keeps coming back is filled in this many times at most.
    static constexpr int MaxLoginFills = EservicesLogin::MaxFills;
    // The pause before the second browser receives a page opened in a new window.
    static constexpr int PopupWaitMs = 4000;

    // base is the normalised e-services base address; the credentials are trimmed here.
    SubmissionFlow(const QString& base, const SubmissionRequest& request, const QString& userName,
                   const QString& password);

    // The window has loaded: form view, browser 0 opens the site.
    BrowserActions start();
    // A page finished loading in a browser; address is the page's final address.
    BrowserActions documentComplete(int browser, const QString& address);
    // A browser failed to load a page (an aborted navigation is not a failure); message is
    // what the user is told when it was the opening of the site.
    BrowserActions loadFailed(int browser, const QString& message, const QString& details = {});
    // A browser is about to open an address (the navigation goes ahead).
    BrowserActions beforeNavigate(int browser, const QString& address);
    // A page of either browser opens a new window.
    BrowserActions newWindow();
    // A page's script asks to close its window; the request is not granted.
    BrowserActions closeRequested();
    // The two view buttons.
    BrowserActions showForm();
    BrowserActions showProof();

    QString sessionId() const { return m_sessionId; }
    ViewMode viewMode() const { return m_viewMode; }
    int loginFills() const { return m_login.fills(); }
    bool closed() const { return m_closed; }

private:
    BrowserActions setView(ViewMode view);
    BrowserActions fillLogin(int browser, const QString& address);
    BrowserActions fillEntry(int browser);

    QString m_base;
    QString m_origin;
    SubmissionRequest m_request;
    EservicesLogin m_login;
    QString m_sessionId;
    ViewMode m_viewMode = ViewMode::FormView;
    bool m_opened = false; // browser 0 has completed a page
    bool m_closed = false;
    bool m_logged = false; // the entry's line is in SubmissionLog
};
