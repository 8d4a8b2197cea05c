#include "logic/records/EntrySending.h"

#include "logic/core/services/Dialogs.h"
#include "logic/core/services/Services.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

SendWay DefaultSendWay() {
    const QString way = Services::settings().value(QString::fromLatin1(SendWaySetting)).trimmed();
    return way.compare(u"api"_s, Qt::CaseInsensitive) == 0 ? SendWay::Api : SendWay::Page;
}

QString SendWayCaption(SendWay way) {
    return way == SendWay::Api ? u"Web Services (API)"_s : u"Σελίδα e-υπηρεσιών"_s;
}

bool ApiAccountReady() {
    DbStatus status;
    const ApiAccount account = SelectApiAccount(&status);
    if (!status.ok()) {
        ShowDatabaseError(status);
        return false;
    }
    if (!account.user.trimmed().isEmpty() && !account.password.isEmpty())
        return true;
    ShowBox(u"ΠΡΟΣΟΧΗ"_s,
            u"Ανύπαρκτα στοιχεία αποστολής μέσω API (Χρήστης API, Κωδικός API).\r\nΣυμπληρώστε τα στις "
            u"«Παράμετροι Σύνδεσης»: είναι ο χρήστης της υπηρεσίας Web Services, όχι των e-υπηρεσιών."_s,
            MsgIcon::Information);
    return false;
}

QString SubmissionSummary(const SubmissionRow& row) {
    const QDateTime sent = QDateTime::fromString(row.Ssent, SubmissionTimeForm);
    const QString when = sent.isValid() ? sent.toString(u"dd/MM/yyyy HH:mm"_s) : row.Ssent;
    if (row.Sway == SubmissionWay::Page)
        return u"%1 από τη σελίδα των e-υπηρεσιών, με αποδεικτικό"_s.arg(when);
    if (row.Sstate == SubmissionState::Unknown)
        return u"%1 μέσω API, αβέβαιη: στάλθηκε χωρίς απάντηση"_s.arg(when);
    return u"%1 μέσω API, πρωτόκολλο %2 (υποβολή %3)"_s.arg(when, row.Sprotocol, row.Ssubmit);
}
