#include "logic/core/text/FailureText.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Missing, Denied, Folder, NotFolder, Full, ReadOnlyDisk, Busy, LongName, Other };

struct Reason {
    const char16_t* technical; // part of the system's text, or of the Greek translation of Qt's
    const char16_t* greek;
    Kind kind;
};

// The system's texts (strerror, as Qt passes them on) and Qt's own, in English and as the
// shipped translation writes them.
const Reason Reasons[] = {
    {u"No such file or directory", u"το αρχείο ή ο φάκελος δεν υπάρχει", Kind::Missing},
    {u"Permission denied", u"δεν έχετε δικαίωμα πρόσβασης", Kind::Denied},
    {u"Operation not permitted", u"η ενέργεια δεν επιτρέπεται", Kind::Denied},
    {u"is not writable", u"το αρχείο δεν επιτρέπει εγγραφή", Kind::Denied},
    {u"δεν επιτρέπει εγγραφή", u"το αρχείο δεν επιτρέπει εγγραφή", Kind::Denied},
    {u"refers to a directory", u"το όνομα ανήκει σε φάκελο, όχι σε αρχείο", Kind::Folder},
    {u"is a directory", u"το όνομα ανήκει σε φάκελο, όχι σε αρχείο", Kind::Folder},
    {u"είναι φάκελος", u"το όνομα ανήκει σε φάκελο, όχι σε αρχείο", Kind::Folder},
    {u"Not a directory", u"μέρος της διαδρομής δεν είναι φάκελος", Kind::NotFolder},
    {u"No space left on device", u"ο δίσκος γέμισε", Kind::Full},
    {u"Partition full", u"ο δίσκος γέμισε", Kind::Full},
    {u"Disk quota exceeded", u"εξαντλήθηκε ο χώρος που σας αναλογεί στον δίσκο", Kind::Full},
    {u"File too large", u"το αρχείο ξεπερνά το μέγεθος που δέχεται ο δίσκος", Kind::Full},
    {u"Read-only file system", u"ο δίσκος δέχεται μόνο ανάγνωση", Kind::ReadOnlyDisk},
    {u"Device or resource busy", u"το αρχείο χρησιμοποιείται από άλλο πρόγραμμα", Kind::Busy},
    {u"Text file busy", u"το αρχείο χρησιμοποιείται από άλλο πρόγραμμα", Kind::Busy},
    {u"File name too long", u"το όνομα είναι πολύ μεγάλο", Kind::LongName},
    {u"Too many open files", u"είναι ανοιχτά πάρα πολλά αρχεία", Kind::Other},
    {u"Input/output error", u"ο δίσκος δεν διαβάζεται ή δεν γράφεται σωστά", Kind::Other},
    {u"Exec format error", u"δεν είναι πρόγραμμα που μπορεί να εκτελεστεί", Kind::Other},
    {u"Writing canceled", u"η εγγραφή διακόπηκε", Kind::Other},
};

const Reason* KnownReason(const QString& technical) {
    for (const Reason& reason : Reasons) {
        if (technical.contains(QString::fromUtf16(reason.technical), Qt::CaseInsensitive))
            return &reason;
    }
    return nullptr;
}

QString Advice(Kind kind, FileAction action) {
    const bool write = action == FileAction::Write;
    switch (kind) {
    case Kind::Missing:
        return write ? u"Διαλέξτε έναν φάκελο που υπάρχει."_s
                     : u"Ελέγξτε το όνομα και τον φάκελο του αρχείου."_s;
    case Kind::Denied:
        return write ? u"Διαλέξτε άλλο φάκελο (για παράδειγμα τα Έγγραφά σας) ή ζητήστε από τον διαχειριστή "
                       u"του υπολογιστή δικαίωμα εγγραφής."_s
                     : u"Ζητήστε από τον διαχειριστή του υπολογιστή δικαίωμα ανάγνωσης."_s;
    case Kind::Folder:
        return write ? u"Δώστε ένα όνομα αρχείου μέσα στον φάκελο."_s
                     : u"Διαλέξτε ένα αρχείο μέσα στον φάκελο."_s;
    case Kind::NotFolder:
        return u"Ελέγξτε τη διαδρομή του αρχείου."_s;
    case Kind::Full:
        return u"Ελευθερώστε χώρο στον δίσκο ή διαλέξτε άλλο δίσκο."_s;
    case Kind::ReadOnlyDisk:
        return u"Διαλέξτε άλλο δίσκο ή φάκελο."_s;
    case Kind::Busy:
        return u"Κλείστε το πρόγραμμα που το χρησιμοποιεί και δοκιμάστε ξανά."_s;
    case Kind::LongName:
        return u"Διαλέξτε μικρότερο όνομα."_s;
    case Kind::Other:
        break;
    }
    return write ? u"Δοκιμάστε άλλο όνομα ή άλλο φάκελο."_s
                 : u"Ελέγξτε ότι το αρχείο είναι εκεί και ότι μπορείτε να το ανοίξετε."_s;
}

struct Diagnosis {
    QString reason;
    Kind kind = Kind::Other;
};

// What the file system itself shows about the file and its folder.
Diagnosis Look(FileAction action, const QFileInfo& file) {
    const bool write = action == FileAction::Write;
    if (file.isDir())
        return {u"είναι φάκελος, όχι αρχείο"_s, Kind::Folder};
    const QFileInfo folder(file.absolutePath());
    if (!file.exists() && !folder.exists())
        return {u"ο φάκελος «%1» δεν υπάρχει"_s.arg(QDir::toNativeSeparators(folder.filePath())),
                Kind::Missing};
    if (!file.exists() && !folder.isDir())
        return {u"το «%1» δεν είναι φάκελος"_s.arg(QDir::toNativeSeparators(folder.filePath())),
                Kind::NotFolder};
    if (!write && !file.exists())
        return {u"δεν υπάρχει"_s, Kind::Missing};
    return {};
}

// What the file's permissions and disk show, when the system's reason said nothing we know.
Diagnosis LookCloser(FileAction action, const QFileInfo& file) {
    const QFileInfo folder(file.absolutePath());
    if (action == FileAction::Read)
        return file.isReadable() ? Diagnosis{} : Diagnosis{u"δεν έχετε δικαίωμα ανάγνωσης"_s, Kind::Denied};
    if (file.exists() && !file.isWritable())
        return {u"το αρχείο είναι μόνο για ανάγνωση"_s, Kind::Denied};
    if (!file.exists() && !folder.isWritable())
        return {u"δεν έχετε δικαίωμα να γράψετε στον φάκελο «%1»"_s.arg(
                    QDir::toNativeSeparators(folder.filePath())),
                Kind::Denied};
    const QStorageInfo disk(folder.filePath());
    if (disk.isValid() && disk.isReadOnly())
        return {u"ο δίσκος δέχεται μόνο ανάγνωση"_s, Kind::ReadOnlyDisk};
    if (disk.isValid() && disk.bytesAvailable() == 0)
        return {u"ο δίσκος γέμισε"_s, Kind::Full};
    return {};
}

} // namespace

QString GreekSystemReason(const QString& technical) {
    const Reason* reason = KnownReason(technical);
    return reason ? QString::fromUtf16(reason->greek) : QString();
}

Failure FileFailure(FileAction action, const QString& path, const QString& technical) {
    const bool write = action == FileAction::Write;
    const QString shown = QDir::toNativeSeparators(path);
    QString what = write ? u"Το αρχείο «%1» δεν μπορεί να γραφτεί"_s.arg(shown)
                         : u"Το αρχείο «%1» δεν μπορεί να διαβαστεί"_s.arg(shown);
    if (path.trimmed().isEmpty())
        return {u"Δεν δόθηκε όνομα αρχείου."_s, technical};
    const QFileInfo file(path);
    Diagnosis found = Look(action, file);
    if (found.reason.isEmpty()) {
        if (const Reason* known = KnownReason(technical))
            found = {QString::fromUtf16(known->greek), known->kind};
    }
    if (found.reason.isEmpty())
        found = LookCloser(action, file);
    QString text = found.reason.isEmpty() ? what + u'.' : what + u": "_s + found.reason + u'.';
    text += u"\r\n"_s + Advice(found.kind, action);
    return {text, technical};
}

Failure ProgramFailure(const QString& program, const QString& technical) {
    const QString shown = QDir::toNativeSeparators(program);
    if (program.trimmed().isEmpty())
        return {u"Δεν έχει οριστεί πρόγραμμα."_s, technical};
    const QFileInfo file(program);
    if (file.isAbsolute() && !file.exists())
        return {
            u"Το πρόγραμμα «%1» δεν βρέθηκε.\r\nΕλέγξτε ότι είναι εγκατεστημένο σε αυτόν τον φάκελο."_s.arg(
                shown),
            technical};
    if (file.isDir())
        return {u"Το «%1» είναι φάκελος, όχι πρόγραμμα."_s.arg(shown), technical};
    if (file.exists() && !file.isExecutable())
        return {
            u"Το πρόγραμμα «%1» δεν έχει δικαίωμα εκτέλεσης.\r\nΖητήστε από τον διαχειριστή του υπολογιστή "
            u"να του δώσει δικαίωμα εκτέλεσης."_s.arg(shown),
            technical};
    const QString reason = GreekSystemReason(technical);
    if (!reason.isEmpty())
        return {u"Το πρόγραμμα «%1» δεν ξεκίνησε: %2."_s.arg(shown, reason), technical};
    return {u"Το πρόγραμμα «%1» δεν ξεκίνησε."_s.arg(shown), technical};
}

QString GreekNetworkReason(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::NoError:
        return {};
    case QNetworkReply::ConnectionRefusedError:
        return u"ο διακομιστής αρνήθηκε τη σύνδεση"_s;
    case QNetworkReply::RemoteHostClosedError:
        return u"ο διακομιστής έκλεισε τη σύνδεση πριν απαντήσει"_s;
    case QNetworkReply::HostNotFoundError:
        return u"το όνομα του διακομιστή δεν βρέθηκε"_s;
    case QNetworkReply::TimeoutError:
        return u"ο διακομιστής δεν απάντησε εγκαίρως"_s;
    case QNetworkReply::OperationCanceledError:
        return u"η σύνδεση διακόπηκε"_s;
    case QNetworkReply::SslHandshakeFailedError:
        return u"η ασφαλής σύνδεση δεν έγινε (το πιστοποιητικό του διακομιστή δεν έγινε δεκτό)"_s;
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
        return u"δεν υπάρχει σύνδεση με το δίκτυο"_s;
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return u"ο διακομιστής παρέπεμψε σε άλλη σελίδα που δεν μπορεί να ανοίξει"_s;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
        return u"ο διακομιστής μεσολάβησης (proxy) του δικτύου σας δεν εξυπηρέτησε τη σύνδεση"_s;
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::AuthenticationRequiredError:
        return u"ο διακομιστής δεν επιτρέπει την πρόσβαση"_s;
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentGoneError:
        return u"το αρχείο δεν βρέθηκε στον διακομιστή"_s;
    case QNetworkReply::ServiceUnavailableError:
        return u"η υπηρεσία του διακομιστή δεν είναι διαθέσιμη αυτή τη στιγμή"_s;
    case QNetworkReply::ProtocolUnknownError:
        return u"η διεύθυνση δεν αρχίζει με http:// ή https://"_s;
    default:
        break;
    }
    return u"ο διακομιστής δεν απάντησε όπως έπρεπε"_s;
}
