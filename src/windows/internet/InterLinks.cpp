#include "windows/internet/InterLinks.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/internet/InternetSettings.h"
#include "logic/internet/SiteFailure.h"
#include "windows/core/FormKeys.h"
#include "windows/core/MdiHost.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/BrowserMenu.h"
#include "windows/internet/FlowPage.h"

#include <QAction>
#include <QComboBox>
#include <QPrinter>
#include <QResizeEvent>
#include <QToolBar>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

struct Tool {
    const char16_t* tip;
    const char16_t* file;
    const char16_t* theme;
    QStyle::StandardPixmap standard;
};

// The same pictures as the other windows' toolbars where there is one.
const Tool Tools[] = {
    {u"Πίσω", u"Back.Gif", u"go-previous", QStyle::SP_ArrowBack},
    {u"Εμπρός", u"Forward.Gif", u"go-next", QStyle::SP_ArrowForward},
    {u"Ανανέωση", u"Refresh.Gif", u"view-refresh", QStyle::SP_BrowserReload},
    {u"Εκτύπωση", u"Print.Gif", u"document-print", QStyle::SP_FileDialogDetailedView},
    {u"Εξοδος", u"Exit.Gif", u"application-exit", QStyle::SP_DialogCloseButton},
};

} // namespace

InterLinks::InterLinks(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::InterLinks);
    setWindowTitle(QStringLiteral("Συνδεση με χρήσιμα internet links"));

    // Off the record: nothing of the sites visited outlives the window.
    m_profile = new QWebEngineProfile();
    m_page = new FlowPage(m_profile);
    // A page that opens a new window shows it here.
    m_page->newWindowHandler = [this] { return static_cast<QWebEnginePage*>(m_page); };
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("WebBr"));
    m_view->setPage(m_page);
    UseGreekBrowserMenu(m_view, BrowserMenuKind::Browsing);
    connect(m_page, &QWebEnginePage::loadingChanged, this, &InterLinks::onLoadingChanged);

    m_tools = new QToolBar(this);
    m_tools->setObjectName(QStringLiteral("Tools"));
    m_tools->setIconSize(QSize(24, 24));
    for (int i = 0; i < 5; ++i) {
        const Tool& tool = Tools[i];
        QAction* action = m_tools->addAction(
            ToolbarPicture(QString::fromUtf16(tool.file), QString::fromUtf16(tool.theme), tool.standard),
            QString::fromUtf16(tool.tip));
        action->setObjectName(QStringLiteral("Tools_%1").arg(i + 1));
        action->setToolTip(QString::fromUtf16(tool.tip));
    }
    const QList<QAction*> actions = m_tools->actions();
    connect(actions.at(0), &QAction::triggered, m_view, &QWebEngineView::back);
    connect(actions.at(1), &QAction::triggered, m_view, &QWebEngineView::forward);
    connect(actions.at(2), &QAction::triggered, m_view, &QWebEngineView::reload);
    connect(actions.at(3), &QAction::triggered, this, &InterLinks::print);
    connect(actions.at(4), &QAction::triggered, this, &ChildWindow::closeWindow);

    m_entEpil = new QComboBox(this);
    m_entEpil->setObjectName(QStringLiteral("EntEpil"));
    for (int i = 0; i < LinkCount; ++i)
        m_entEpil->addItem(LinkCaption(i));
    m_entEpil->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_tools->addSeparator();
    m_listAction = m_tools->addWidget(m_entEpil);
    connect(m_entEpil, &QComboBox::activated, this, &InterLinks::chooseLink);

    // Escape leaves; Enter and the arrows belong to the page and the list.
    m_keys = new FormKeys(this, nullptr, nullptr);
    m_keys->setExitAction([this] { closeWindow(); });
    m_keys->keepKeys(m_view, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Down});
    m_keys->keepKeys(m_entEpil, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Down});

    // 4/5 of the main window, at 350, 150 twips.
    if (MdiHost* host = MdiHost::instance())
        resize(host->window()->size() * 4 / 5);
    else
        resize(800, 600);
    move(TwipsToPixels(350, 150));

    const QString link = Program.LinkToOpen.trimmed();
    if (!link.isEmpty()) {
        // A link of a news article: that page alone.
        m_listAction->setVisible(false);
        m_view->load(QUrl::fromUserInput(link));
    } else {
        m_entEpil->setCurrentIndex(0);
        chooseLink(0);
    }
}

InterLinks::~InterLinks() {
    // The view, then its page, then their profile.
    delete m_view;
    m_view = nullptr;
    delete m_page;
    m_page = nullptr;
    delete m_profile;
}

void InterLinks::chooseLink(int index) {
    const QString address = LinkAddress(index);
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty()) {
        ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), SiteFailureMessage(address, SiteFailure::InvalidAddress, {}));
        closeWindow();
        return;
    }
    m_chosen = url;
    m_view->load(url);
}

void InterLinks::onLoadingChanged(const QWebEngineLoadingInfo& info) {
    // The page's parts come with its first load: Escape must be seen there too.
    m_keys->watch(m_view);
    // Only the opening of a chosen link is reported; the end of a load that came before
    // it, or of a page the user went on to, is not.
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        m_choiceLoading = !m_chosen.isEmpty() && info.url() == m_chosen;
        m_chosen.clear();
        return;
    }
    const bool chosen = m_choiceLoading;
    m_choiceLoading = false;
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || LoadWasAborted(info) || !chosen)
        return;
    const Failure failure = LoadFailureText(info);
    // After the browser's own event.
    QMetaObject::invokeMethod(
        this,
        [this, failure] {
            ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), failure);
            closeWindow();
        },
        Qt::QueuedConnection);
}

void InterLinks::print() {
    if (m_printer)
        return;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrintDialogRequest request;
    request.printer = m_printer.get();
    if (!Services::dialogs().printerSetup(request)) {
        m_printer.reset();
        return;
    }
    connect(
        m_view, &QWebEngineView::printFinished, this,
        [this](bool success) {
            m_printer.reset();
            emit printed(success);
        },
        Qt::SingleShotConnection);
    m_view->print(m_printer.get());
}

void InterLinks::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    layOut();
}

void InterLinks::layOut() {
    if (isMinimizedChild())
        return;
    const int toolbarHeight = m_tools->sizeHint().height();
    m_tools->setGeometry(0, 0, width(), toolbarHeight);
    const int top = toolbarHeight + TwipsToPixels(50);
    m_view->setGeometry(0, top, width(), qMax(0, height() - top));
}
