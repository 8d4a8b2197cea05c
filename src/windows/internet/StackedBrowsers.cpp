#include "windows/internet/StackedBrowsers.h"

#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/internet/SiteFailure.h"
#include "windows/internet/FlowPage.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineView>

StackedBrowsers::StackedBrowsers(QWidget* host, QWebEngineProfile* profile, BrowserMenuKind menu)
    : QObject(host), m_host(host) {
    for (int i = 0; i < 2; ++i) {
        m_pages[i] = new FlowPage(profile);
        m_views[i] = new QWebEngineView(host);
        m_views[i]->setObjectName(QStringLiteral("WebBr_%1").arg(i));
        m_views[i]->setPage(m_pages[i]);
        UseGreekBrowserMenu(m_views[i], menu);
        FlowPage* page = m_pages[i];
        connect(page, &QWebEnginePage::loadingChanged, this,
                [this, i](const QWebEngineLoadingInfo& info) { onLoadingChanged(i, info); });
        connect(page, &FlowPage::navigationRequested, this,
                [this, i](const QUrl& url) { emit navigationRequested(i, AddressText(url)); });
        connect(page, &QWebEnginePage::windowCloseRequested, this, [this, i] { emit closeRequested(i); });
        page->newWindowHandler = [this, i]() -> QWebEnginePage* {
            return newWindowHandler ? newWindowHandler(i) : nullptr;
        };
    }
    // The site's working pages in front until an automation says otherwise.
    m_views[0]->raise();
}

StackedBrowsers::~StackedBrowsers() {
    // Views, then pages, and only then (by the owner) their profile.
    for (QWebEngineView*& view : m_views) {
        delete view;
        view = nullptr;
    }
    for (FlowPage*& page : m_pages) {
        delete page;
        page = nullptr;
    }
}

void StackedBrowsers::load(int browser, const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty()) {
        const Failure failure = SiteFailureMessage(address, SiteFailure::InvalidAddress, {});
        emit loadFailed(browser, failure.text, failure.details);
        return;
    }
    m_pages[browser]->load(url);
}

void StackedBrowsers::show(ViewMode view) {
    const int front = view == ViewMode::FormView ? 0 : 1;
    m_views[front]->raise();
    m_views[1 - front]->lower();
    emit viewShown(view);
}

void StackedBrowsers::setGeometry(const QRect& rect) {
    for (QWebEngineView* view : m_views)
        view->setGeometry(rect);
}

bool StackedBrowsers::run(const BrowserAction& action) {
    const bool mine = action.browser == 0 || action.browser == 1;
    switch (action.kind) {
    case BrowserAction::Kind::Navigate:
        if (!mine)
            return false;
        load(action.browser, action.address);
        return true;
    case BrowserAction::Kind::SetField:
    case BrowserAction::Kind::Click:
    case BrowserAction::Kind::Submit:
        if (!mine)
            return false;
        RunPageAction(m_pages[action.browser], action);
        return true;
    case BrowserAction::Kind::ShowView:
        show(action.view);
        return true;
    case BrowserAction::Kind::Wait:
        WaitWhileResponsive(action.milliseconds);
        return true;
    default:
        return false;
    }
}

QWebEnginePage* StackedBrowsers::runAll(const BrowserActions& actions) {
    QPointer<QWidget> alive(m_host);
    QWebEnginePage* adopted = nullptr;
    for (const BrowserAction& action : actions) {
        if (!alive)
            return nullptr;
        if (run(action))
            continue;
        if (action.kind == BrowserAction::Kind::AdoptPopup && (action.browser == 0 || action.browser == 1))
            adopted = m_pages[action.browser];
        else if (ownActions)
            ownActions(action, adopted);
    }
    return alive ? adopted : nullptr;
}

void StackedBrowsers::runAllLater(const BrowserActions& actions) {
    if (actions.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this, [this, actions] { runAll(actions); }, Qt::QueuedConnection);
}

void PlaceButtonRow(const QList<QWidget*>& buttons, int top) {
    constexpr int WidthTwips = 1215;
    constexpr int GapTwips = 120;
    int left = TwipsToPixels(GapTwips);
    for (QWidget* button : buttons) {
        if (button->isHidden())
            continue;
        button->setGeometry(left, top, TwipsToPixels(WidthTwips), button->sizeHint().height());
        left += TwipsToPixels(WidthTwips + GapTwips);
    }
}

void StackedBrowsers::onLoadingChanged(int browser, const QWebEngineLoadingInfo& info) {
    emit loadingChanged(browser, info);
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
        emit documentComplete(browser, AddressText(info.url()));
    else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && !LoadWasAborted(info)) {
        const Failure failure = LoadFailureText(info);
        emit loadFailed(browser, failure.text, failure.details);
    }
}

void WaitWhileResponsive(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void ShowLoginRefusedLater(QObject* context) {
    QMetaObject::invokeMethod(
        context,
        [] {
            ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ"),
                    QStringLiteral("Ο δικτυακός τόπος δεν δέχτηκε τα στοιχεία σύνδεσης "
                                   "(UserName,Password).\nΕλέγξτε τα στην εργασία 'Παράμετροι Σύνδεσης' "
                                   "στις βοηθητικές εργασίες."),
                    MsgIcon::Warning);
        },
        Qt::QueuedConnection);
}

void ShowOpeningFailedLater(QObject* context, const QString& message, const QString& details) {
    QMetaObject::invokeMethod(
        context,
        [message, details] {
            ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), {message, details});
        },
        Qt::QueuedConnection);
}
