#pragma once

#include <QWebEnginePage>
#include <functional>

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
