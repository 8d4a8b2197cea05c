#pragma once

#include "logic/internet/BrowserAction.h"
#include "windows/internet/BrowserMenu.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>

class FlowPage;
class QWebEngineLoadingInfo;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class QWidget;

// The two browsers of an automated window, lying on top of each other in one place: browser
// 0 with the site's working pages and browser 1 for the pages the site opens as new windows.
// It reports the events an automation is fed with and carries out the actions that concern
// the browsers themselves.
class StackedBrowsers : public QObject {
    Q_OBJECT
public:
    // The views are children of host; their pages belong to profile, which must outlive them.
    StackedBrowsers(QWidget* host, QWebEngineProfile* profile, BrowserMenuKind menu);
    ~StackedBrowsers() override;

    QWebEngineView* view(int index) const { return m_views.at(index); }
    FlowPage* page(int index) const { return m_pages.at(index); }

    // Loads an address in a browser; an address that is not usable is reported through
    // loadFailed at once.
    void load(int browser, const QString& address);
    // Puts the view's browser in front of the other.
    void show(ViewMode view);
    void setGeometry(const QRect& rect);
    // Carries out Navigate, SetField, Click, Submit, ShowView and Wait for browsers 0 and 1;
    // false for any other action, which is the window's own.
    bool run(const BrowserAction& action);

    // Carries out the actions in order: those of the browsers here, the window's own through
    // ownActions, which may name the page that takes in a new window (AdoptPopup of browser
    // 0 or 1 is answered here). Stops when the window is gone; returns the adopting page.
    QWebEnginePage* runAll(const BrowserActions& actions);
    // The same once the event being handled is over (a view switched inside the browser's
    // own decision on a navigation would come too early).
    void runAllLater(const BrowserActions& actions);
    std::function<void(const BrowserAction& action, QWebEnginePage*& adopted)> ownActions;

    // Answers a new window opened by a page of the browser with a page to show it in (or
    // none); no handler refuses it.
    std::function<QWebEnginePage*(int browser)> newWindowHandler;

signals:
    void documentComplete(int browser, const QString& address);
    void loadFailed(int browser, const QString& message, const QString& details);
    void loadingChanged(int browser, const QWebEngineLoadingInfo& info);
    void navigationRequested(int browser, const QString& address);
    // A view was put in front.
    void viewShown(ViewMode view);
    // A page's script asked to close its window.
    void closeRequested(int browser);

private:
    QWidget* m_host = nullptr;
    void onLoadingChanged(int browser, const QWebEngineLoadingInfo& info);

    std::array<FlowPage*, 2> m_pages{};
    std::array<QWebEngineView*, 2> m_views{};
};

// Places the shown buttons side by side from the left, their tops at top (pixels).
void PlaceButtonRow(const QList<QWidget*>& buttons, int top);
// Lets the given milliseconds pass while window and browser events keep being handled.
void WaitWhileResponsive(int milliseconds);
// The boxes of an automated window, shown once the browser's own event is over.
void ShowLoginRefusedLater(QObject* context);
void ShowOpeningFailedLater(QObject* context, const QString& message, const QString& details);
