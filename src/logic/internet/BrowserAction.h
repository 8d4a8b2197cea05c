#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Which of the two stacked browsers of an automated window is in front: browser 0 with the
// site's working pages, or browser 1 with a page the site opened in a new window.
enum class ViewMode : quint8 { FormView = 0, ProofView = 1 };

// The browsers an automation speaks of: the two stacked in its window, the top-level browser
// window it drives outside them, and a new top-level window for a page opened by a site.
inline constexpr int OutsideBrowser = 2;
inline constexpr int NewBrowserWindow = 3;

// One thing a window does for a browser automation, in the order the automation lists them.
// Fields are reached by name in the first form of the page shown in `browser`, and only
// while that page's own origin is `origin`: the page checks it itself right before it is
// touched, so a page that has meanwhile gone to another host gets nothing.
struct BrowserAction {
    enum class Kind {
        Navigate,       // browser loads address
        SetField,       // field gets value
        Click,          // field is clicked
        Submit,         // the first form is submitted
        ShowView,       // view goes to the front; the print button only in FormView
        Wait,           // milliseconds pass while events keep being handled
        AdoptPopup,     // browser receives the page the site opens in a new window
        AppendLog,      // value is appended to the run's submission log
        LoginRefused,   // tell the user the site keeps refusing the login
        OpeningFailed,  // tell the user the site could not be opened (value: the message, details:
                        // the browser's own reason)
        StartTimer,     // the window's timer ticks every milliseconds
        StopTimer,      // the window's timer stops
        OpenOutside,    // the outside browser window is created, shown and brought to the front
        ReleaseOutside, // the window lets go of the outside browser, which stays open
        Close,          // the window closes
    };
    Kind kind = Kind::Navigate;
    int browser = 0;
    QString address;      // Navigate
    QString origin;       // SetField, Click, Submit
    QString field;        // SetField, Click
    QString value;        // SetField, AppendLog, OpeningFailed
    QString details;      // OpeningFailed
    QStringList required; // Submit: fields the form must have, or it is not sent
    ViewMode view = ViewMode::FormView;
    int milliseconds = 0;

    static BrowserAction navigate(int browser, const QString& address);
    static BrowserAction setField(int browser, const QString& origin, const QString& field,
                                  const QString& value);
    static BrowserAction click(int browser, const QString& origin, const QString& field);
    static BrowserAction submit(int browser, const QString& origin, const QStringList& required = {});
    static BrowserAction showView(ViewMode view);
    static BrowserAction wait(int milliseconds);
    static BrowserAction adoptPopup(int browser);
    static BrowserAction appendLog(const QString& line);
    static BrowserAction loginRefused();
    static BrowserAction openingFailed(const QString& message, const QString& details = {});
    static BrowserAction startTimer(int milliseconds);
    static BrowserAction stopTimer();
    static BrowserAction openOutside();
    static BrowserAction releaseOutside();
    static BrowserAction close();
    bool operator==(const BrowserAction&) const = default;
};
using BrowserActions = QList<BrowserAction>;
