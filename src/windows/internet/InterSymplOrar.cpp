#include "windows/internet/InterSymplOrar.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/internet/EservicesSite.h"
#include "logic/internet/SubmissionRecords.h"
#include "windows/core/MdiHost.h"
#include "windows/core/PdfPrinting.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/FlowPage.h"
#include "windows/internet/StackedBrowsers.h"

#include <QDir>
#include <QFileInfo>
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

SubmissionRequest RequestFromProgram() {
    return {Program.SendEafm, Program.SendKorario, Program.SendKparat, Program.SendEypo};
}

} // namespace

InterSymplOrar::InterSymplOrar(QWidget* parent)
    : QDialog(parent),
      m_flow(Program.EservicesBase, RequestFromProgram(), Program.Params.IkaCode, Program.Params.IkaPass) {
    setObjectName(WindowName::InterSymplOrar);
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
                if (i == 1 && info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                    keepProof();
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
    // A proof still on its way is dropped with the window: nothing is told about it then.
    m_closing = true;
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

void InterSymplOrar::keepProof() {
    // The site opened the proof: the submission is recorded at once, and the proof kept in
    // the data folder under the name the record gives, once for each proof the site opens.
    const QUrl url = m_browsers->page(1)->url();
    if (!proofShown() || url == m_keptFor || Program.AppPath.isEmpty() || Program.SendKdate.isEmpty() ||
        !DbConnection().isOpen())
        return;
    m_keptFor = url;
    const QString folder = AppFile(QStringLiteral("Proofs"));
    QString name = ProofFileName(Program.SendEafm, Program.SendKdate, Services::clock().now());
    for (int n = 2; QFileInfo::exists(folder + QLatin1Char('/') + name); ++n)
        name = ProofFileName(Program.SendEafm, Program.SendKdate, Services::clock().now(), n);
    const QString relative = QStringLiteral("Proofs/") + name;
    const DbStatus status = RecordPageSubmission(Program.SendEafm, Program.SendKdate, Program.SendKorario,
                                                 relative, Services::clock().now());
    if (!status.ok())
        ShowDatabaseError(status);
    m_keepPath = folder + QLatin1Char('/') + name;
    m_proofToKeep = url;
    m_browsers->page(1)->download(url, name);
}

void InterSymplOrar::printProof() {
    if (!m_proofWanted.isEmpty() || !proofShown())
        return;
    const QUrl url = m_browsers->page(1)->url();
    // The proof kept in the data folder is the one on screen: it is printed from there.
    if (url == m_keptFor && !m_keptProof.isEmpty()) {
        printProofFile(m_keptProof);
        return;
    }
    m_proofWanted = url;
    m_browsers->page(1)->download(url, QStringLiteral("proof.pdf"));
}

void InterSymplOrar::onDownloadRequested(QWebEngineDownloadRequest* download) {
    if (!m_proofToKeep.isEmpty() && download->url() == m_proofToKeep) {
        m_proofToKeep.clear();
        acceptProofToKeep(download);
        return;
    }
    // Only the proofs asked for by keepProof and printProof are fetched; nothing else is saved.
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
    emit proofPrinted(PrintPdfFile(path));
}

void InterSymplOrar::acceptProofToKeep(QWebEngineDownloadRequest* download) {
    const QFileInfo target(m_keepPath);
    if (!QDir().mkpath(target.path())) {
        download->cancel();
        proofNotKept(QStringLiteral("ο φάκελος %1 δεν μπορεί να δημιουργηθεί").arg(target.path()));
        return;
    }
    download->setDownloadDirectory(target.path());
    download->setDownloadFileName(target.fileName());
    QPointer<QWebEngineDownloadRequest> request(download);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, request] {
        if (!request || !request->isFinished())
            return;
        const QString path = request->downloadDirectory() + QLatin1Char('/') + request->downloadFileName();
        if (request->state() == QWebEngineDownloadRequest::DownloadCompleted) {
            m_keptProof = path;
            emit proofKept(QDir(Program.AppPath).relativeFilePath(path));
        } else {
            proofNotKept(request->interruptReasonString());
        }
    });
    download->accept();
}

void InterSymplOrar::proofNotKept(const QString& reason) {
    if (m_closing)
        return;
    ShowBox(
        QStringLiteral("ΠΡΟΣΟΧΗ"),
        QStringLiteral("Η υποβολή καταχωρήθηκε στο «Ιστορικό Υποβολών», αλλά το αποδεικτικό δεν φυλάχτηκε "
                       "στον φάκελο του προγράμματος (%1). Τυπώστε το από εδώ.")
            .arg(reason),
        MsgIcon::Warning);
}
