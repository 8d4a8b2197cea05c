#include "logic/core/update/LiveUpdate.h"

#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Dialogs.h"
#include "logic/core/services/OutsideTools.h"
#include "logic/core/services/Services.h"
#include "logic/core/update/VersionFile.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScopedValueRollback>
#include <optional>

namespace {

constexpr int DefaultTimeoutSeconds = 15;
constexpr int StopCommandTimeoutMs = 10000;
bool g_checking = false;
// The toolbar's button was pressed while the timer's check was waiting: that check answers
// the press when it ends, as the toolbar's own check would.
bool g_toolbarWaiting = false;

const QString& title() {
    static const QString text = QStringLiteral("LiveUpdate");
    return text;
}

int timeoutMs() {
    bool ok = false;
    // The setting's range keeps the product inside an int.
    const int seconds = Services::settings().value(QStringLiteral("Update/TimeoutSeconds")).toInt(&ok);
    return (ok && seconds > 0 ? seconds : DefaultTimeoutSeconds) * 1000;
}

// A host setting that is not used, because its value is not an address of a web server.
QString refusedHost(const QString& key) {
    const QString problem = Services::settings().problem(key);
    if (problem.isEmpty())
        return {};
    return QStringLiteral("Η ρύθμιση «%1» δεν χρησιμοποιήθηκε: %2\r\nΔιορθώστε τη %3.")
        .arg(key, problem, WhereToChangeSetting(key));
}

// What the servers said: the text of the last one that answered, and why the others did not.
struct Answer {
    bool answered = false;
    bool interrupted = false;
    QByteArray text;
    QStringList failures;
    QStringList details;
};

Answer askServers(const QStringList& hostKeys) {
    Answer answer;
    for (const QString& key : hostKeys) {
        const QString host = Services::settings().value(key).trimmed();
        const QUrl address = VersionFile::Address(host);
        if (!address.isValid())
            continue;
        const VersionFetch fetch = FetchVersionFile(address, timeoutMs());
        if (fetch.interrupted) {
            answer.interrupted = true;
            return answer;
        }
        if (!fetch.answered) {
            answer.failures << fetch.error;
            if (!fetch.details.isEmpty())
                answer.details << fetch.details;
            continue;
        }
        answer.answered = true;
        answer.text = fetch.text;
        // The fallback is asked only when the primary's text is not a version file.
        if (answer.text.size() == VersionFile::Length)
            break;
    }
    return answer;
}

// The pointer shows the wait the user asked for; the timer's check waits unseen.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

UpdateCheckResult CheckForUpdate(bool prompt) {
    bool toolbar = !prompt;
    UpdateCheckResult result;
    if (g_checking) {
        if (!prompt && !g_toolbarWaiting) {
            g_toolbarWaiting = true;
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
        return result;
    }
    const QScopedValueRollback checking(g_checking, true);

    QStringList hostKeys;
    QStringList refused;
    for (const QString& key : {QStringLiteral("Update/PrimaryHost"), QStringLiteral("Update/FallbackHost")}) {
        if (const QString problem = refusedHost(key); !problem.isEmpty())
            refused << problem;
        else if (!Services::settings().value(key).trimmed().isEmpty())
            hostKeys << key;
    }
    if (hostKeys.isEmpty()) {
        if (!prompt && !refused.isEmpty())
            ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ"),
                    QStringLiteral("Ο έλεγχος για νεώτερη έκδοση δεν έγινε.\r\n") +
                        refused.join(QStringLiteral("\r\n")),
                    MsgIcon::Critical);
        else if (!prompt)
            ShowBox(
                title(),
                QStringLiteral("Δεν έχει οριστεί διακομιστής ενημερώσεων: ο έλεγχος για νεώτερη έκδοση δεν "
                               "έγινε.\r\nΟρίστε τον %1.")
                    .arg(WhereToChangeSetting(QStringLiteral("Update/PrimaryHost"))),
                MsgIcon::Information);
        return result;
    }

    std::optional<WaitCursor> waitCursor;
    if (!prompt)
        waitCursor.emplace();
    const Answer answer = askServers(hostKeys);
    waitCursor.reset();
    if (g_toolbarWaiting) {
        g_toolbarWaiting = false;
        QGuiApplication::restoreOverrideCursor();
        toolbar = true;
    }
    if (answer.interrupted)
        return result;
    if (!answer.answered) {
        if (toolbar)
            ShowFailure(
                QStringLiteral("ΠΡΟΣΟΧΗ"),
                {QStringLiteral("Ο έλεγχος για νεώτερη έκδοση δεν έγινε.\r\n") +
                     answer.failures.join(QStringLiteral("\r\n")) +
                     QStringLiteral("\r\nΕλέγξτε τη σύνδεσή σας στο Internet και δοκιμάστε ξανά σε λίγο."),
                 answer.details.join(u'\n')});
        return result;
    }

    result.newer = VersionFile::IsNewer(answer.text, Program.DataVersion);
    if (result.newer && !toolbar) {
        if (AskYesNo(
                title(),
                QStringLiteral("Yπάρχει νεώτερη έκδοση προγράμματος στο Internet.\r\nΝα γίνει η ενημέρωση;"),
                MsgIcon::Information))
            result.endProgram = StartUpdater();
    } else if (result.newer && prompt) {
        // The timer's check answering the toolbar's press: the updater starts without a question.
        result.endProgram = StartUpdater();
    } else if (!result.newer && toolbar) {
        ShowBox(title(), QStringLiteral("Δεν υπάρχουν νεώτερα στοιχεία στο Internet."), MsgIcon::Information);
    }
    return result;
}

bool StartUpdater() {
    return StartTool(QStringLiteral("Update/UpdaterProgram"));
}

void StartRemoteSupport(int tool) {
    RunToolCommand(QStringLiteral("Support/StopCommand"), StopCommandTimeoutMs);
    StartTool(tool == 8 ? QStringLiteral("Support/RemoteSupport8Program")
                        : QStringLiteral("Support/RemoteSupport2Program"));
}
