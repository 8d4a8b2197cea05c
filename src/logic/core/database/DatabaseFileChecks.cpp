#include "logic/core/database/DatabaseFileChecks.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Every SQLite 3 database file begins with these 16 bytes.
const QByteArray SqliteHeader("SQLite format 3\0", 16);

const QString RestoreAdvice =
    QStringLiteral("Το αρχείο δεν άλλαξε. Κλείστε το πρόγραμμα, αντιγράψτε στη θέση του το τελευταίο "
                   "αντίγραφο ασφαλείας (IntTvx.db) και ξεκινήστε ξανά το πρόγραμμα.");

QString refusal(const QString& path, const QString& problem, const QString& advice, const QString& reason) {
    QString text =
        QStringLiteral("Το αρχείο της βάσης δεδομένων\r\n%1\r\n%2\r\n\r\n%3").arg(path, problem, advice);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n\r\nΑιτία: %1").arg(reason);
    return text;
}

} // namespace

QString CheckDatabaseFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return refusal(path, QStringLiteral("δεν είναι αρχείο βάσης δεδομένων."), RestoreAdvice, QString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refusal(path, QStringLiteral("δεν μπορεί να διαβαστεί."),
                       QStringLiteral("Ελέγξτε ότι ο χρήστης έχει δικαίωμα ανάγνωσης και εγγραφής στο "
                                      "αρχείο, ή αντιγράψτε στη θέση του το τελευταίο αντίγραφο "
                                      "ασφαλείας (IntTvx.db), και ξεκινήστε ξανά το πρόγραμμα."),
                       file.errorString());
    }
    if (file.read(SqliteHeader.size()) != SqliteHeader)
        return refusal(path, QStringLiteral("δεν είναι αρχείο βάσης δεδομένων."), RestoreAdvice, QString());
    return QString();
}

QString DamagedDatabaseText(const QString& path, const QString& driverText) {
    return refusal(path, QStringLiteral("είναι κατεστραμμένο ή δεν είναι βάση δεδομένων του προγράμματος."),
                   RestoreAdvice, driverText.trimmed());
}
