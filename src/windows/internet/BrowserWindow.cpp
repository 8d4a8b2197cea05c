#include "windows/internet/BrowserWindow.h"

#include "windows/core/ToolbarPictures.h"
#include "windows/internet/BrowserMenu.h"
#include "windows/internet/FlowPage.h"

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

QList<QPointer<BrowserWindow>>& windows() {
    static QList<QPointer<BrowserWindow>> open;
    return open;
}

QWebEngineProfile*& profile() {
    static QWebEngineProfile* shared = nullptr;
    return shared;
}

} // namespace

QWebEngineProfile* PortalProfile() {
    if (!profile()) {
        profile() = new QWebEngineProfile();
        profile()->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
        profile()->settings()->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
        profile()->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    }
    return profile();
}

BrowserWindow::BrowserWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("BrowserWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    windows() << this;

    m_page = new FlowPage(PortalProfile());
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("WebBr"));
    m_view->setPage(m_page);
    UseGreekBrowserMenu(m_view, BrowserMenuKind::Browsing);
    // A page it opens in a new window gets a window of its own.
    m_page->newWindowHandler = [] {
        auto* window = new BrowserWindow;
        window->show();
        return static_cast<QWebEnginePage*>(window->page());
    };
    connect(m_page, &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
    connect(m_page, &QWebEnginePage::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
            emit documentComplete(AddressText(info.url()));
        else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && !LoadWasAborted(info)) {
            const Failure failure = LoadFailureText(info);
            emit loadFailed(failure.text, failure.details);
        }
    });

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("Tools"));
    // The browser's own actions, with the program's words and pictures.
    const struct {
        QWebEnginePage::WebAction action;
        const char16_t* text;
        const char16_t* file;
        const char16_t* theme;
        QStyle::StandardPixmap standard;
    } actions[] = {
        {QWebEnginePage::Back, u"Πίσω", u"Back.Gif", u"go-previous", QStyle::SP_ArrowBack},
        {QWebEnginePage::Forward, u"Εμπρός", u"Forward.Gif", u"go-next", QStyle::SP_ArrowForward},
        {QWebEnginePage::Reload, u"Ανανέωση", u"Refresh.Gif", u"view-refresh", QStyle::SP_BrowserReload},
    };
    for (const auto& entry : actions) {
        QAction* action = m_view->pageAction(entry.action);
        action->setText(QString::fromUtf16(entry.text));
        action->setToolTip(QString::fromUtf16(entry.text));
        action->setIcon(
            ToolbarPicture(QString::fromUtf16(entry.file), QString::fromUtf16(entry.theme), entry.standard));
        tools->addAction(action);
    }
    // The address is shown, so the user always sees whose page this is.
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("Address"));
    m_address->setReadOnly(true);
    m_address->setFocusPolicy(Qt::ClickFocus);
    tools->addWidget(m_address);
    connect(m_page, &QWebEnginePage::urlChanged, this,
            [this](const QUrl& url) { m_address->setText(url.toDisplayString()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_view, 1);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.size() * 4 / 5);
        move(area.center() - rect().center());
    }
}

BrowserWindow::~BrowserWindow() {
    windows().removeAll(this);
    // The view, then its page; the shared profile stays.
    delete m_view;
    m_view = nullptr;
    delete m_page;
    m_page = nullptr;
}

QList<BrowserWindow*> BrowserWindow::openWindows() {
    QList<BrowserWindow*> open;
    for (const QPointer<BrowserWindow>& window : windows())
        if (window)
            open << window.data();
    return open;
}

void BrowserWindow::closeAll() {
    for (BrowserWindow* window : openWindows())
        delete window;
    windows().clear();
    delete profile();
    profile() = nullptr;
}
