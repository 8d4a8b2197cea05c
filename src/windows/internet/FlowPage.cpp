#include "windows/internet/FlowPage.h"

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
