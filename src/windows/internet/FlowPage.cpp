#include "windows/internet/FlowPage.h"

#include "logic/internet/PageScripts.h"
#include "logic/internet/SiteFailure.h"

#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>

FlowPage::FlowPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

QWebEnginePage* FlowPage::createWindow(WebWindowType) {
    return newWindowHandler ? newWindowHandler() : nullptr;
}

bool FlowPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    emit navigationRequested(url);
    return true;
}

QString AddressText(const QUrl& url) {
    return url.toString(QUrl::FullyEncoded);
}

void RunPageAction(QWebEnginePage* page, const BrowserAction& action) {
    QString script;
    switch (action.kind) {
    case BrowserAction::Kind::SetField:
        script = PageScripts::SetField(action.origin, action.field, action.value);
        break;
    case BrowserAction::Kind::Click:
        script = PageScripts::ClickField(action.origin, action.field);
        break;
    case BrowserAction::Kind::Submit:
        script = PageScripts::SubmitForm(action.origin, action.required);
        break;
    default:
        return;
    }
    // The application's own world: the site's scripts cannot see or replace what runs there.
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

bool LoadWasAborted(const QWebEngineLoadingInfo& info) {
    constexpr int Aborted = -3;
    return info.errorDomain() == QWebEngineLoadingInfo::ConnectionErrorDomain && info.errorCode() == Aborted;
}

Failure LoadFailureText(const QWebEngineLoadingInfo& info) {
    SiteFailure failure = SiteFailure::Other;
    int status = 0;
    switch (info.errorDomain()) {
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
    case QWebEngineLoadingInfo::DnsErrorDomain:
    case QWebEngineLoadingInfo::HttpErrorDomain:
    case QWebEngineLoadingInfo::FtpErrorDomain:
        failure = SiteFailureOfNetError(info.errorCode());
        break;
    case QWebEngineLoadingInfo::CertificateErrorDomain:
        failure = SiteFailure::Certificate;
        break;
    case QWebEngineLoadingInfo::HttpStatusCodeDomain:
        failure = SiteFailure::HttpError;
        status = info.errorCode();
        break;
    default:
        break;
    }
    QString reason = info.errorString();
    if (reason.isEmpty())
        reason = QStringLiteral("Σφάλμα %1").arg(info.errorCode());
    return SiteFailureMessage(AddressText(info.url()), failure, reason, status);
}
