#include "shell/Main.h"

#include "logic/core/database/Database.h"
#include "logic/core/files/ApplicationRecord.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/LoadSettings.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/internet/InternetSettings.h"
#include "logic/internet/PortalFlow.h"
#include "logic/print/AccountantMail.h"
#include "logic/records/LbPopUp.h"
#include "shell/MainCommands.h"
#include "windows/core/InternetSwitch.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/core/WindowModules.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/News.h"
#include "windows/maintenance/BmpFrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShowEvent>
#include <QStatusBar>

const QString Main::BaseCaption = QStringLiteral("Ηλεκτρονική Αποστολή Συμπληρωματικού Ωραρίου ");

namespace {
Main* g_main = nullptr;
constexpr int UpdateCheckDelayMs = 45000;
} // namespace

Main::Main(QWidget* parent) : QMainWindow(parent) {
    g_main = this;
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(BaseCaption);
    m_mdi = new MdiHost(this);
    setCentralWidget(m_mdi);
    m_intTmr.setObjectName(QStringLiteral("IntTmr"));
    m_intTmr.setParent(this);
    connect(&m_intTmr, &QTimer::timeout, this, [this] {
        // The check itself stops the timer first, so it fires once per start.
        setUpdateTimerInterval(0);
        emit updateTimerFired();
        MainCommands::run(QStringLiteral("UpdateTimer"));
    });
    SetUpdateSwitchHandler([this](bool on) { setUpdateTimerInterval(on ? UpdateCheckDelayMs : 0); });
    BuildMainMenus(*this);
    BuildMainToolbar(*this);
    m_panels = BuildMainStatusBar(*this);
    load();
}

Main::~Main() {
    if (!m_unloaded)
        unload();
    if (g_main == this) {
        g_main = nullptr;
        SetUpdateSwitchHandler({});
    }
}

Main* Main::instance() {
    return g_main;
}

void Main::load() {
    Program.WorkDate = Services::clock().now().date();
    LoadSettings();
    LoadEservicesBase();
    // A base address changed in the settings window is the next submission's.
    Services::listenToSettings(this, [] { LoadEservicesBase(); });
    m_mdi->setBackground(ToQColor(Program.Colours.MainBack));
    m_background = new BmpFrm(m_mdi->viewport());
    m_startupSucceeded = true;
    m_firstActivationDone = false;
    if (!AccessApplicationRecord(RecordAccess::Read))
        m_startupSucceeded = false;
    m_recordRead = m_startupSucceeded;
    if (!OpenDatabase())
        m_startupSucceeded = false;
    // The news strip stays loaded along the bottom for the whole run.
    auto* news = new News(this);
    addDockWidget(Qt::BottomDockWidgetArea, news);
    addBackgroundWindow(news);
}

void Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_firstActivationQueued) {
        m_firstActivationQueued = true;
        QMetaObject::invokeMethod(this, &Main::firstActivation, Qt::QueuedConnection);
    }
}

void Main::firstActivation() {
    if (m_ended || m_firstActivationDone)
        return;
    if (!m_startupSucceeded) {
        endProgram(1);
        return;
    }
    m_panels.at(4)->setText(DatabasePanelText());
    m_panels.at(5)->setText(Program.AppPath);
    if (!TakeUserLock()) {
        endProgram(1);
        return;
    }
    m_mdi->showModal(WindowName::Lbenter);
    if (m_ended)
        return;
    if (!Program.WorkDate.isValid()) {
        endProgram(0);
        return;
    }
    if (!versionStep())
        return;
    m_firstActivationDone = true;
    setTitle();
}

bool Main::versionStep() {
    setUpdateTimerInterval(0);
    if (Program.DataVersion == QLatin1String("1.00"))
        Program.DataVersion = QStringLiteral("1.01");
    setTitle();
    if (!AccessApplicationRecord(RecordAccess::Write)) {
        m_recordWriteFailed = true;
        endProgram(1);
        return false;
    }
    if (Program.DataVersion != QLatin1String("1.01")) {
        ShowMsg(51);
        endProgram(1);
        return false;
    }
    if (Program.InternetEnabled == 1)
        setUpdateTimerInterval(UpdateCheckDelayMs);
    // The news follow the switch too, once the work date is chosen.
    ApplyNewsSwitch(Program.InternetEnabled == 1);
    return true;
}

void Main::setTitle() {
    setWindowTitle(windowTitle().left(44) + QStringLiteral(" | Ver. ") + Program.DataVersion +
                   QStringLiteral(" | ") + DayName(Program.WorkDate).left(3) + QLatin1Char(' ') +
                   ScreenDate(Program.WorkDate));
}

void Main::setUpdateTimerInterval(int milliseconds) {
    m_intTmr.stop();
    if (milliseconds > 0) {
        m_intTmr.setInterval(milliseconds);
        m_intTmr.start();
    }
}

int Main::updateTimerInterval() const {
    return m_intTmr.isActive() ? m_intTmr.interval() : 0;
}

int Main::loadedWindowCount() const {
    // The main window and its background picture, then every open child window.
    int background = 0;
    for (const QPointer<QWidget>& window : m_backgroundWindows)
        background += window ? 1 : 0;
    return 2 + background + int(m_mdi->subWindowList().size());
}

void Main::openByName(const QString& name) {
    const WindowEntry* entry = WindowCatalogue::find(name);
    if (entry && entry->createModal)
        m_mdi->showModal(name);
    else
        m_mdi->openChild(name);
}

void Main::addBackgroundWindow(QWidget* window) {
    m_backgroundWindows << window;
}

void Main::openBackupRestore() {
    if (loadedWindowCount() > 4) {
        ShowMsg(24);
        return;
    }
    const MsgAnswer answer =
        ShowBox(QStringLiteral("Φύλαξη-Φόρτωση Αρχείων"),
                QStringLiteral(
                    "ΠΡΟΣΟΧΗ!!!\r\nΒεβαιωθείται οτι ΔΕΝ υπάρχει άλλος χρήστης συνδεδεμένος στο πρόγραμμα."),
                MsgIcon::Critical, MsgButtons::OkCancel, MsgAnswer::Cancel);
    if (answer != MsgAnswer::Ok)
        return;
    m_mdi->showModal(WindowName::BackRest);
    // The window opens the database again as it closes; without it the program cannot go on.
    if (!DbConnection().isOpen())
        endProgram(1);
}

void Main::openPortalLogins() {
    const std::optional<Portal> portal =
        PortalFromChoice(AskPopUp(QStringLiteral("Ο Λογαριασμός μου(ΤΑΞΙΣ)|Υ.Ε.Κ.Α.|Ι.Κ.Α.|")));
    if (!portal)
        return;
    // Without the credentials the account window would open only to close again.
    if (!CredentialsOf(*portal, Program.Params).complete()) {
        ShowMsg(108);
        return;
    }
    // The portal login reads the choice (PopUpChoice) when it opens.
    m_mdi->showModal(WindowName::InterMyLog);
}

void Main::exitFromToolbar() {
    offerMailToAccountant();
    if (confirmExit())
        endProgram(0);
}

void Main::exitFromMenu() {
    if (confirmExit())
        endProgram(0);
}

void Main::offerMailToAccountant() {
    const ParamValues& p = Program.Params;
    if (p.SmtpServer.isEmpty() || p.Cemail.isEmpty() || p.Lemail.isEmpty() || Program.SubmissionLog.isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("Email Ενημέρωση"),
                  QStringLiteral(
                      "Θέλετε να ενημερώσετε τον λογιστή σας, με τις σημερινές ηλεκτρονικές σας αποστολές;"),
                  MsgIcon::Information))
        return;
    if (!MailToolInstalled()) {
        // Without the mail tool the program sends the mail itself.
        Failure failure;
        if (SendAccountantMail(&failure)) {
            ShowBox(QStringLiteral("Email Ενημέρωση"), QStringLiteral("Το email στάλθηκε στον λογιστή σας."),
                    MsgIcon::Information);
        } else {
            failure.text.prepend(QStringLiteral("Το email δεν στάλθηκε.\r\n"));
            ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), failure);
        }
        return;
    }
    const MailToolCommand command = AccountantMailCommand();
    Failure failure;
    if (!Services::processes().startDetached(command.program, command.arguments, Program.AppPath, &failure)) {
        failure.text.prepend(QStringLiteral("Το email στον λογιστή δεν στάλθηκε.\r\n"));
        ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), failure);
    }
}

bool Main::confirmExit() {
    return AskYesNo(QStringLiteral("Επιβεβαίωση εξόδου"), QStringLiteral("Τέλος λειτουργίας προγράμματος"));
}

void Main::closeEvent(QCloseEvent* event) {
    if (!m_ended) {
        m_ended = true;
        m_exitCode = 0;
        unload();
        emit ended(0);
    }
    event->accept();
}

void Main::endProgram(int exitCode) {
    if (m_ended)
        return;
    m_ended = true;
    m_exitCode = exitCode;
    unload();
    hide();
    emit ended(exitCode);
}

void Main::unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_intTmr.stop();
    m_mdi->closeAllSubWindows();
    // The portal windows of their own (the IKA portal's browser) end with the program.
    WindowModules::end();
    for (const QPointer<QWidget>& window : m_backgroundWindows)
        delete window.data();
    m_backgroundWindows.clear();
    CloseDatabase();
    // A record that could not be read is not written back, nor one whose writing has just
    // failed (its box was shown), and a copy that did not get the lock leaves the folder to
    // the copy that holds it.
    if (m_recordRead && !m_recordWriteFailed && UserLockHeld())
        AccessApplicationRecord(RecordAccess::Write);
    ReleaseUserLock();
}
