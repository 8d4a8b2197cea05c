#include "logic/core/database/DatabaseFileChecks.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Every SQLite 3 database file begins with these 16 bytes.
const QByteArray SqliteHeader("SQLite format 3\0", 16);

const QString RestoreAdvice =
    QStringLiteral("Το αρχείο δεν άλλαξε. Κλείστε το πρόγραμμα, αντιγράψτε στη θέση του το τελευταίο "
                   "αντίγραφο ασφαλείας (IntTvx.db) και ξεκινήστε ξανά το πρόγραμμα.");

QString refusal(const QString& path, const QString& problem, const QString& advice) {
    return QStringLiteral("Το αρχείο της βάσης δεδομένων\r\n%1\r\n%2\r\n\r\n%3").arg(path, problem, advice);
}

} // namespace

QString CheckDatabaseFile(const QString& path, QString* reason) {
    if (!QFileInfo(path).isFile())
        return refusal(path, QStringLiteral("δεν είναι αρχείο βάσης δεδομένων."), RestoreAdvice);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return refusal(path, QStringLiteral("δεν μπορεί να διαβαστεί."),
                       QStringLiteral("Ελέγξτε ότι ο χρήστης έχει δικαίωμα ανάγνωσης και εγγραφής στο "
                                      "αρχείο, ή αντιγράψτε στη θέση του το τελευταίο αντίγραφο "
                                      "ασφαλείας (IntTvx.db), και ξεκινήστε ξανά το πρόγραμμα."));
    }
    if (file.read(SqliteHeader.size()) != SqliteHeader)
        return refusal(path, QStringLiteral("δεν είναι αρχείο βάσης δεδομένων."), RestoreAdvice);
    return QString();
}

QString DamagedDatabaseText(const QString& path) {
    return refusal(path, QStringLiteral("είναι κατεστραμμένο ή δεν είναι βάση δεδομένων του προγράμματος."),
                   RestoreAdvice);
}
