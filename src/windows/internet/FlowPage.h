#pragma once

#include "logic/core/text/FailureText.h"
#include "logic/internet/BrowserAction.h"

#include <QWebEnginePage>
#include <functional>

class QWebEngineLoadingInfo;

// A browser page that reports what a browser automation needs: every navigation it is about
// to make (the navigation always goes ahead), and a new window its site opens, which the
// owner answers with an existing page (or none).
class FlowPage : public QWebEnginePage {
    Q_OBJECT
public:
    FlowPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    std::function<QWebEnginePage*()> newWindowHandler;

signals:
    void navigationRequested(const QUrl& url);

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

// The text of an address as the automation compares it.
QString AddressText(const QUrl& url);

// Carries out a SetField, Click or Submit action in the page; the page itself checks the
// action's origin before it acts. Other kinds are not for a page and do nothing here.
void RunPageAction(QWebEnginePage* page, const BrowserAction& action);

// A load that another navigation took the place of: not a failure.
bool LoadWasAborted(const QWebEngineLoadingInfo& info);
// What the user is told about a page that did not load: Greek sentences, with the browser's
// own reason under «Λεπτομέρειες».
Failure LoadFailureText(const QWebEngineLoadingInfo& info);
