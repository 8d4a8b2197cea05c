#include "windows/internet/InterSymplOrar.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/internet/EservicesSite.h"
#include "windows/core/MdiHost.h"
#include "windows/internet/FlowPage.h"
#include "windows/internet/StackedBrowsers.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Pages of the proof go to the printer at this resolution at most.
constexpr double ProofDotsPerInch = 300.0;

SubmissionRequest RequestFromProgram() {
    return {Program.SendEafm, Program.SendKorario, Program.SendKparat, Program.SendEypo};
}

} // namespace

InterSymplOrar::InterSymplOrar(QWidget* parent)
    : QDialog(parent),
      m_flow(Program.EservicesBase, RequestFromProgram(), Program.Params.IkaCode, Program.Params.IkaPass) {
    setObjectName(QStringLiteral("InterSymplOrar"));
    setWindowTitle(QStringLiteral("Συμπληρωματικός Ωραρίου-Ατομικός"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    // Off the record: cookies and cache live only as long as the window.
    m_profile = new QWebEngineProfile();
    m_profile->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    m_profile->settings()->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
    m_profile->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    connect(m_profile, &QWebEngineProfile::downloadRequested, this, &InterSymplOrar::onDownloadRequested);

    // The submission's pages are the program's to move through: the menu only edits.
    m_browsers = new StackedBrowsers(this, m_profile, BrowserMenuKind::Editing);
    m_browsers->ownActions = [this](const BrowserAction& action, QWebEnginePage*&) { ownAction(action); };
    connect(m_browsers, &StackedBrowsers::documentComplete, this,
            [this](int i, const QString& address) { run(m_flow.documentComplete(i, address)); });
    connect(m_browsers, &StackedBrowsers::loadFailed, this,
            [this](int i, const QString& message, const QString& details) {
                run(m_flow.loadFailed(i, message, details));
            });
    connect(m_browsers, &StackedBrowsers::loadingChanged, this,
            [this](int i, const QWebEngineLoadingInfo& info) {
                if (i == 1 && info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                    updatePrintButton();
            });
    // Views switch only after the browser has finished deciding on the navigation.
    connect(m_browsers, &StackedBrowsers::navigationRequested, this, [this](int i, const QString& address) {
        m_browsers->runAllLater(m_flow.beforeNavigate(i, address));
    });
    connect(m_browsers, &StackedBrowsers::closeRequested, this,
            [this] { m_browsers->runAllLater(m_flow.closeRequested()); });
    m_browsers->newWindowHandler = [this](int i) -> QWebEnginePage* {
        // The second browser cannot take in a window that it opens itself.
        if (i == 1)
            return nullptr;
        return run(m_flow.newWindow());
    };
    connect(m_browsers->page(0), &QWebEnginePage::printRequested, this, &InterSymplOrar::printForm);
    connect(m_browsers->page(1), &QWebEnginePage::printRequested, this, &InterSymplOrar::printProof);

    m_symplBut = new QPushButton(QStringLiteral("Συμ.Ωραρ."), this);
    m_symplBut->setObjectName(QStringLiteral("SymplBut"));
    m_symplBut->setToolTip(QStringLiteral("Εκτύπωση αναγγελίας"));
    m_ektBut = new QPushButton(QStringLiteral("Εκτ.Ωραρ."), this);
    m_ektBut->setObjectName(QStringLiteral("EktBut"));
    m_ektBut->setToolTip(QStringLiteral("Εκτύπωση αποδεικτικού αποστολής ΑΠΔ"));
    m_prtBut = new QPushButton(QStringLiteral("Εκτύπωση"), this);
    m_prtBut->setObjectName(QStringLiteral("PrtBut"));
    m_prtBut->setToolTip(QStringLiteral("Εκτύπωση αποδεικτικού αποστολής ΑΠΔ"));
    for (QPushButton* button : {m_symplBut, m_ektBut, m_prtBut}) {
        // Enter belongs to the site's pages, never to a button of the window.
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    connect(m_symplBut, &QPushButton::clicked, this, [this] { run(m_flow.showForm()); });
    connect(m_ektBut, &QPushButton::clicked, this, [this] { run(m_flow.showProof()); });
    // The print button follows the view in front.
    connect(m_browsers, &StackedBrowsers::viewShown, this, &InterSymplOrar::updatePrintButton);
    connect(m_prtBut, &QPushButton::clicked, this, [this] {
        if (m_flow.viewMode() == ViewMode::FormView)
            printForm();
        else
            printProof();
    });

    // Escape closes the window even while a page has the keyboard.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QDialog::reject);

    placeWindow();
}

InterSymplOrar::~InterSymplOrar() {
    // The browsers go before their profile.
    delete m_browsers;
    delete m_profile;
}

QWebEngineView* InterSymplOrar::browser(int index) const {
    return m_browsers->view(index);
}

void InterSymplOrar::placeWindow() {
    // 4/5 of the main window, with the buttons' row below; at 350, 150 twips.
    QRect area;
    if (MdiHost* host = MdiHost::instance())
        area = host->window()->geometry();
    else if (parentWidget())
        area = parentWidget()->window()->geometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    const int buttonHeight = m_prtBut->sizeHint().height();
    resize(area.width() * 4 / 5, area.height() * 4 / 5 + buttonHeight + TwipsToPixels(40));
    QPoint origin;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        origin = screen->availableGeometry().topLeft();
    move(origin + TwipsToPixels(350, 150));
}

void InterSymplOrar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        QMetaObject::invokeMethod(this, &InterSymplOrar::start, Qt::QueuedConnection);
    }
}

void InterSymplOrar::start() {
    run(m_flow.start());
}

void InterSymplOrar::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void InterSymplOrar::layOut() {
    if (isMinimized())
        return;
    const int buttonHeight = m_prtBut->sizeHint().height();
    const int browserHeight = qMax(0, height() - buttonHeight - TwipsToPixels(40));
    m_browsers->setGeometry(QRect(0, 0, width(), browserHeight));
    PlaceButtonRow({m_symplBut, m_ektBut, m_prtBut}, height() - buttonHeight - TwipsToPixels(20));
}

QWebEnginePage* InterSymplOrar::run(const BrowserActions& actions) {
    return m_browsers->runAll(actions);
}

void InterSymplOrar::ownAction(const BrowserAction& action) {
    switch (action.kind) {
    case BrowserAction::Kind::AppendLog:
        Program.SubmissionLog += action.value;
        break;
    case BrowserAction::Kind::LoginRefused:
        ShowLoginRefusedLater(this);
        break;
    case BrowserAction::Kind::OpeningFailed:
        ShowOpeningFailedLater(this, action.value, action.details);
        break;
    case BrowserAction::Kind::Close:
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        break;
    default:
        break;
    }
}

bool InterSymplOrar::proofShown() const {
    return Eservices::IsProofAddress(AddressText(m_browsers->page(1)->url()));
}

void InterSymplOrar::updatePrintButton() {
    // The built-in viewer has no print command of its own: in front of a proof the button
    // prints the proof; in front of a blank second browser there is nothing to print.
    m_prtBut->setEnabled(m_flow.viewMode() == ViewMode::FormView || proofShown());
}

void InterSymplOrar::printForm() {
    if (m_flow.viewMode() != ViewMode::FormView || m_formPrinter)
        return;
    m_formPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrintDialogRequest request;
    request.printer = m_formPrinter.get();
    if (!Services::dialogs().printerSetup(request)) {
        m_formPrinter.reset();
        return;
    }
    QWebEngineView* view = m_browsers->view(0);
    connect(
        view, &QWebEngineView::printFinished, this,
        [this](bool success) {
            m_formPrinter.reset();
            emit formPrinted(success);
        },
        Qt::SingleShotConnection);
    view->print(m_formPrinter.get());
}

void InterSymplOrar::printProof() {
    if (!m_proofWanted.isEmpty() || !proofShown())
        return;
    const QUrl url = m_browsers->page(1)->url();
    m_proofWanted = url;
    m_browsers->page(1)->download(url, QStringLiteral("proof.pdf"));
}

void InterSymplOrar::onDownloadRequested(QWebEngineDownloadRequest* download) {
    // Only the proof asked for by printProof is fetched; nothing else is saved.
    if (m_proofWanted.isEmpty() || download->url() != m_proofWanted || !m_downloads.isValid()) {
        download->cancel();
        return;
    }
    m_proofWanted.clear();
    download->setDownloadDirectory(m_downloads.path());
    download->setDownloadFileName(QStringLiteral("proof.pdf"));
    QPointer<QWebEngineDownloadRequest> request(download);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, request] {
        if (!request || !request->isFinished())
            return;
        if (request->state() == QWebEngineDownloadRequest::DownloadCompleted)
            printProofFile(request->downloadDirectory() + QLatin1Char('/') + request->downloadFileName());
        else
            emit proofPrinted(false);
    });
    download->accept();
}

void InterSymplOrar::printProofFile(const QString& path) {
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() == 0) {
        emit proofPrinted(false);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrintDialogRequest request;
    request.printer = &printer;
    request.minPage = 1;
    request.maxPage = document.pageCount();
    request.allowPageRange = document.pageCount() > 1;
    if (!Services::dialogs().printerSetup(request)) {
        emit proofPrinted(false);
        return;
    }
    int first = 1;
    int last = document.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = qMax(1, printer.fromPage());
        last = qMin(last, qMax(first, printer.toPage()));
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        emit proofPrinted(false);
        return;
    }
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        const QSizeF points = document.pagePointSize(page - 1);
        const QImage image = document.render(page - 1, (points * ProofDotsPerInch / 72.0).toSize());
        const QRectF target = painter.viewport();
        const QSizeF fitted = QSizeF(image.size()).scaled(target.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(target.topLeft(), fitted), image);
    }
    painter.end();
    emit proofPrinted(true);
}
