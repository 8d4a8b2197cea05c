#include "logic/internet/SubmissionFlow.h"

#include "logic/internet/EservicesSite.h"
#include "logic/internet/PageScripts.h"

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
    : m_base(base), m_origin(PageScripts::OriginOf(base)), m_request(request),
      m_login(base, userName, password) {}

BrowserActions SubmissionFlow::start() {
    m_sessionId.clear();
    m_login.reset();
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
        return fillLogin(browser, address);
    case Eservices::Page::Home:
        m_login.accepted();
        return {BrowserAction::navigate(0, Eservices::EntryPageAddress(m_base, m_sessionId))};
    case Eservices::Page::Entry:
        return fillEntry(browser);
    case Eservices::Page::LoggedOut:
        m_closed = true;
        return {BrowserAction::close()};
    case Eservices::Page::Other:
        break;
    }
    return {};
}

BrowserActions SubmissionFlow::fillLogin(int browser, const QString& address) {
    m_sessionId = Eservices::SessionIdIn(m_base, address);
    return m_login.fill(browser);
}

BrowserActions SubmissionFlow::fillEntry(int browser) {
    const auto field = [this, browser](const QString& name, const QString& value) {
        return BrowserAction::setField(browser, m_origin, name, value);
    };
    BrowserActions actions{field(Eservices::BranchField, BranchNumberText(m_request.Eypo)),
                           field(Eservices::AfmField, m_request.Eafm),
                           field(Eservices::HoursField, m_request.Korario),
                           field(Eservices::RemarksField, m_request.Kparat)};
    // The site posts the entry back to the same page, which is filled in again; the entry
    // still goes into the accountant's mail once.
    if (!m_logged) {
        m_logged = true;
        actions << BrowserAction::appendLog(SubmissionLogLine(m_request));
    }
    return actions;
}

BrowserActions SubmissionFlow::loadFailed(int browser, const QString& message, const QString& details) {
    // Only the opening of the site is reported; later failures show the browser's own page.
    if (m_closed || browser != 0 || m_opened)
        return {};
    m_closed = true;
    return {BrowserAction::openingFailed(message, details), BrowserAction::close()};
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
