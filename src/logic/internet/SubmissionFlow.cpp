#include "logic/internet/SubmissionFlow.h"

#include "logic/internet/EservicesSite.h"

BrowserAction BrowserAction::navigate(int browser, const QString& address) {
    BrowserAction action;
    action.kind = Kind::Navigate;
    action.browser = browser;
    action.address = address;
    return action;
}

BrowserAction BrowserAction::setField(const QString& field, const QString& value) {
    BrowserAction action;
    action.kind = Kind::SetField;
    action.field = field;
    action.value = value;
    return action;
}

BrowserAction BrowserAction::click(const QString& field) {
    BrowserAction action;
    action.kind = Kind::Click;
    action.field = field;
    return action;
}

BrowserAction BrowserAction::showView(ViewMode view) {
    BrowserAction action;
    action.kind = Kind::ShowView;
    action.view = view;
    return action;
}

BrowserAction BrowserAction::wait(int milliseconds) {
    BrowserAction action;
    action.kind = Kind::Wait;
    action.milliseconds = milliseconds;
    return action;
}

BrowserAction BrowserAction::adoptPopup(int browser) {
    BrowserAction action;
    action.kind = Kind::AdoptPopup;
    action.browser = browser;
    return action;
}

BrowserAction BrowserAction::appendLog(const QString& line) {
    BrowserAction action;
    action.kind = Kind::AppendLog;
    action.value = line;
    return action;
}

BrowserAction BrowserAction::loginRefused() {
    BrowserAction action;
    action.kind = Kind::LoginRefused;
    return action;
}

BrowserAction BrowserAction::openingFailed(const QString& reason) {
    BrowserAction action;
    action.kind = Kind::OpeningFailed;
    action.value = reason;
    return action;
}

BrowserAction BrowserAction::close() {
    BrowserAction action;
    action.kind = Kind::Close;
    return action;
}

double LeadingNumber(const QString& text) {
    QString number;
    bool sign = false;
    bool point = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n')
            continue;
        if ((c == u'-' || c == u'+') && number.isEmpty() && !sign) {
            sign = true;
            number += c;
        } else if (c == u'.' && !point) {
            point = true;
            number += c;
        } else if (c >= u'0' && c <= u'9') {
            number += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

QString BranchNumberText(const QString& eypo) {
    return QString::number(LeadingNumber(eypo), 'g', 15);
}

QString SubmissionLogLine(const SubmissionRequest& request) {
    return request.Eafm + QLatin1Char(' ') + request.Korario + QLatin1Char(' ') + request.Kparat +
           QStringLiteral(" -/- ");
}

SubmissionFlow::SubmissionFlow(const QString& base, const SubmissionRequest& request, const QString& userName,
                               const QString& password)
    : m_base(base), m_request(request), m_userName(userName.trimmed()), m_password(password.trimmed()) {}

BrowserActions SubmissionFlow::start() {
    m_sessionId.clear();
    m_loginFills = 0;
    m_loginRefusalShown = false;
    m_opened = false;
    m_closed = false;
    m_logged = false;
    BrowserActions actions = setView(ViewMode::FormView);
    actions << BrowserAction::navigate(0, m_base);
    return actions;
}

BrowserActions SubmissionFlow::setView(ViewMode view) {
    m_viewMode = view;
    return {BrowserAction::showView(view)};
}

BrowserActions SubmissionFlow::documentComplete(int browser, const QString& address) {
    if (m_closed)
        return {};
    if (browser == 0)
        m_opened = true;
    if (browser == 1 && Eservices::IsProofAddress(address))
        return {};
    switch (Eservices::Recognise(m_base, address)) {
    case Eservices::Page::Login:
        return fillLogin(address);
    case Eservices::Page::Home:
        // The login went through; a later login page (an expired session) may be filled again.
        m_loginFills = 0;
        m_loginRefusalShown = false;
        return {BrowserAction::navigate(0, Eservices::EntryPageAddress(m_base, m_sessionId))};
    case Eservices::Page::Entry:
        return fillEntry();
    case Eservices::Page::LoggedOut:
        m_closed = true;
        return {BrowserAction::close()};
    case Eservices::Page::Other:
        break;
    }
    return {};
}

BrowserActions SubmissionFlow::fillLogin(const QString& address) {
    m_sessionId = Eservices::SessionIdIn(m_base, address);
    if (m_loginFills >= MaxLoginFills) {
        if (m_loginRefusalShown)
            return {};
        m_loginRefusalShown = true;
        return {BrowserAction::loginRefused()};
    }
    ++m_loginFills;
    return {BrowserAction::setField(Eservices::UserNameField, m_userName),
            BrowserAction::setField(Eservices::PasswordField, m_password),
            BrowserAction::click(Eservices::LoginButton)};
}

BrowserActions SubmissionFlow::fillEntry() {
    BrowserActions actions{BrowserAction::setField(Eservices::BranchField, BranchNumberText(m_request.Eypo)),
                           BrowserAction::setField(Eservices::AfmField, m_request.Eafm),
                           BrowserAction::setField(Eservices::HoursField, m_request.Korario),
                           BrowserAction::setField(Eservices::RemarksField, m_request.Kparat)};
    // The site posts the entry back to the same page, which is filled in again; the entry
    // still goes into the accountant's mail once.
    if (!m_logged) {
        m_logged = true;
        actions << BrowserAction::appendLog(SubmissionLogLine(m_request));
    }
    return actions;
}

BrowserActions SubmissionFlow::loadFailed(int browser, const QString& reason) {
    // Only the opening of the site is reported; later failures show the browser's own page.
    if (m_closed || browser != 0 || m_opened)
        return {};
    m_closed = true;
    return {BrowserAction::openingFailed(reason), BrowserAction::close()};
}

BrowserActions SubmissionFlow::beforeNavigate(int, const QString& address) {
    if (m_closed || !Eservices::IsProofOpening(m_base, address))
        return {};
    return setView(ViewMode::ProofView);
}

BrowserActions SubmissionFlow::newWindow() {
    if (m_closed)
        return {};
    return {BrowserAction::navigate(1, QStringLiteral("about:blank")), BrowserAction::wait(PopupWaitMs),
            BrowserAction::adoptPopup(1)};
}

BrowserActions SubmissionFlow::closeRequested() {
    if (m_closed)
        return {};
    BrowserActions actions = setView(ViewMode::FormView);
    actions << BrowserAction::navigate(1, QStringLiteral("about:blank"));
    return actions;
}

BrowserActions SubmissionFlow::showForm() {
    return setView(ViewMode::FormView);
}

BrowserActions SubmissionFlow::showProof() {
    return setView(ViewMode::ProofView);
}
