#include "windows/internet/InterMyLog.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/BrowserWindow.h"
#include "windows/internet/FlowPage.h"
#include "windows/internet/StackedBrowsers.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QUrl>
#include <QWebEngineView>

namespace {

Portal ChosenPortal() {
    return PortalFromChoice(Program.PopUpChoice).value_or(Portal::Taxis);
}

PortalFlow FlowFromProgram() {
    const Portal portal = ChosenPortal();
    const PortalCredentials credentials = CredentialsOf(portal, Program.Params);
    return PortalFlow(portal, PortalAddressesFromSettings(), credentials.userName, credentials.password);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    // Enter belongs to the portal's pages, never to a button of the window.
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

InterMyLog::InterMyLog(QWidget* parent) : QDialog(parent), m_flow(FlowFromProgram()) {
    setObjectName(WindowName::InterMyLog);
    setWindowTitle(m_flow.portal() == Portal::Eservices ? QStringLiteral("Συνδεση με Υ.Ε.Κ.Α.")
                                                        : QStringLiteral("Ο λογαριασμός μου"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    // Modal to the main window only: the portal's windows of their own stay usable.
    setWindowModality(Qt::WindowModal);

    m_browsers = new StackedBrowsers(this, PortalProfile(), BrowserMenuKind::Browsing);
    m_browsers->ownActions = [this](const BrowserAction& action, QWebEnginePage*& adopted) {
        ownAction(action, adopted);
    };
    connect(m_browsers, &StackedBrowsers::documentComplete, this,
            [this](int i, const QString& address) { run(m_flow.documentComplete(i, address)); });
    connect(m_browsers, &StackedBrowsers::loadFailed, this,
            [this](int i, const QString& message, const QString& details) {
                run(m_flow.loadFailed(i, message, details));
            });
    connect(m_browsers, &StackedBrowsers::navigationRequested, this, [this](int i, const QString& address) {
        m_browsers->runAllLater(m_flow.beforeNavigate(i, address));
    });
    m_browsers->newWindowHandler = [this](int i) -> QWebEnginePage* {
        // The second browser cannot take in a window that it opens itself.
        if (i == 1 && m_flow.portal() != Portal::Taxis)
            return nullptr;
        return run(m_flow.newWindow());
    };

    m_prevBut = Button(this, "PrevBut", QStringLiteral("Αρχικό"), QStringLiteral("Καταγγελία Σύμβασης"));
    m_nextBut =
        Button(this, "NextBut", QStringLiteral("Εκτυπωση"), QStringLiteral("Εκτύπωση καταγγελίας σύμβασης"));
    m_exitBut = Button(this, "ExitBut", QStringLiteral("Εξοδος"), QString());
    connect(m_prevBut, &QPushButton::clicked, this, [this] { run(m_flow.showFirst()); });
    connect(m_nextBut, &QPushButton::clicked, this, [this] { run(m_flow.showSecond()); });
    connect(m_exitBut, &QPushButton::clicked, this, &QDialog::reject);
    if (m_flow.portal() == Portal::Taxis) {
        m_prevBut->hide();
        m_nextBut->hide();
    }

    m_tmr.setObjectName(QStringLiteral("Tmr"));
    m_tmr.setParent(this);
    connect(&m_tmr, &QTimer::timeout, this, [this] { run(m_flow.timerTick(outsideAddress())); });

    // Escape closes the window even while a page has the keyboard.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QDialog::reject);

    placeWindow();
    // Nothing opens without both credentials (the opener has told the user already).
    if (m_flow.credentialsComplete())
        run(m_flow.start());
}

InterMyLog::~InterMyLog() {
    m_tmr.stop();
    // The IKA portal's window stays open for the user.
    releaseOutside();
    delete m_browsers;
}

QWebEngineView* InterMyLog::browser(int index) const {
    return m_browsers->view(index);
}

void InterMyLog::placeWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (m_flow.portal() == Portal::Ika) {
        // The IKA portal is shown in its own window: this one stays out of sight.
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        resize(TwipsSizeToPixels(10, 10).expandedTo(QSize(1, 1)));
    } else {
        resize(area.width() * 4 / 5,
               area.height() * 4 / 5 + m_exitBut->sizeHint().height() + TwipsToPixels(40));
    }
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void InterMyLog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void InterMyLog::layOut() {
    if (isMinimized() || m_flow.portal() == Portal::Ika)
        return;
    const int buttonHeight = m_exitBut->sizeHint().height();
    m_browsers->setGeometry(QRect(0, 0, width(), qMax(0, height() - buttonHeight - TwipsToPixels(40))));
    PlaceButtonRow({m_prevBut, m_nextBut, m_exitBut}, height() - buttonHeight - TwipsToPixels(10));
}

QWebEnginePage* InterMyLog::run(const BrowserActions& actions) {
    return m_browsers->runAll(actions);
}

void InterMyLog::ownAction(const BrowserAction& action, QWebEnginePage*& adopted) {
    if (runOutside(action))
        return;
    switch (action.kind) {
    case BrowserAction::Kind::AdoptPopup: {
        auto* window = new BrowserWindow;
        window->show();
        adopted = window->page();
        break;
    }
    case BrowserAction::Kind::LoginRefused:
        ShowLoginRefusedLater(this);
        break;
    case BrowserAction::Kind::OpeningFailed:
        ShowOpeningFailedLater(this, action.value, action.details);
        break;
    case BrowserAction::Kind::StartTimer:
        m_tmr.start(action.milliseconds);
        break;
    case BrowserAction::Kind::StopTimer:
        m_tmr.stop();
        break;
    case BrowserAction::Kind::OpenOutside:
        openOutside();
        break;
    case BrowserAction::Kind::ReleaseOutside:
        releaseOutside();
        break;
    case BrowserAction::Kind::Close:
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        break;
    default:
        break;
    }
}

bool InterMyLog::runOutside(const BrowserAction& action) {
    if (action.browser != OutsideBrowser)
        return false;
    switch (action.kind) {
    case BrowserAction::Kind::Navigate:
        if (m_outside)
            m_outside->page()->load(QUrl(action.address));
        return true;
    case BrowserAction::Kind::SetField:
    case BrowserAction::Kind::Click:
    case BrowserAction::Kind::Submit:
        if (m_outside)
            RunPageAction(m_outside->page(), action);
        return true;
    default:
        return false;
    }
}

void InterMyLog::openOutside() {
    if (m_outside)
        return;
    m_outside = new BrowserWindow;
    m_outside->setWindowTitle(QStringLiteral("Ι.Κ.Α."));
    connect(m_outside, &BrowserWindow::documentComplete, this,
            [this](const QString& address) { run(m_flow.documentComplete(OutsideBrowser, address)); });
    connect(m_outside, &BrowserWindow::loadFailed, this,
            [this](const QString& message, const QString& details) {
                run(m_flow.loadFailed(OutsideBrowser, message, details));
            });
    // The user closing that window ends the login.
    connect(m_outside, &QObject::destroyed, this, [this] {
        if (m_tmr.isActive()) {
            m_tmr.stop();
            reject();
        }
    });
    m_outside->show();
    m_outside->raise();
    m_outside->activateWindow();
}

void InterMyLog::releaseOutside() {
    if (m_outside)
        disconnect(m_outside, nullptr, this, nullptr);
    m_outside = nullptr;
}

QString InterMyLog::outsideAddress() const {
    return m_outside ? AddressText(m_outside->page()->url()) : QString();
}
