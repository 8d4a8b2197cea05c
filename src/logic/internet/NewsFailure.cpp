#include "logic/internet/NewsFailure.h"

#include "logic/core/files/IniSettings.h"

namespace {

bool Says(const QString& technical, std::initializer_list<const char*> phrases) {
    for (const char* phrase : phrases) {
        if (technical.contains(QLatin1String(phrase), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString Fix(const char* key) {
    return QStringLiteral("Διορθώστε τη %1.").arg(WhereToChangeSetting(QString::fromLatin1(key)));
}

} // namespace

Failure NewsServerFailure(const NewsServer& server, const QString& technical) {
    if (Says(technical, {"QODBC) δεν είναι εγκατεστημένος", "Driver not loaded"}))
        return {QStringLiteral(
                    "Λείπει από τον υπολογιστή η σύνδεση της Qt με το ODBC (πακέτο libqt6sql6-odbc).\r\n"
                    "Ζητήστε από τον διαχειριστή του υπολογιστή να την εγκαταστήσει."),
                technical};
    if (Says(technical, {"Can't open lib", "Data source name not found", "IM002", "file not found"}))
        return {QStringLiteral("Ο οδηγός ODBC «%1» του διακομιστή ειδήσεων δεν είναι εγκατεστημένος.\r\n"
                               "Εγκαταστήστε τον (για τον SQL Server το πακέτο tdsodbc) ή διορθώστε το όνομά "
                               "του %2.")
                    .arg(server.driver, WhereToChangeSetting(QStringLiteral("News/Driver"))),
                technical};
    if (Says(technical, {"Login failed", "password authentication failed", "28000", "28P01"}))
        return {QStringLiteral("Ο διακομιστής ειδήσεων δεν δέχτηκε τον χρήστη ή τον κωδικό.\r\n"
                               "Ελέγξτε τις ρυθμίσεις «News/User» και «News/Password» στις %1.")
                    .arg(SettingsWindowPath()),
                technical};
    // A table or view that is missing says "does not exist" as well: only the database's own
    // words count here.
    if (Says(technical, {"Cannot open database", "3D000", "4060"}) ||
        (Says(technical, {"database \""}) && Says(technical, {"does not exist"})))
        return {QStringLiteral("Η βάση «%1» δεν υπάρχει στον διακομιστή ειδήσεων.\r\n%2")
                    .arg(server.database, Fix("News/Database")),
                technical};
    if (Says(technical, {"timed out", "timeout", "HYT00", "HYT01"}))
        return {QStringLiteral("Ο διακομιστής ειδήσεων «%1» δεν απάντησε εγκαίρως.\r\n"
                               "Ελέγξτε τη σύνδεσή σας στο Internet και δοκιμάστε ξανά αργότερα.")
                    .arg(server.server),
                technical};
    if (Says(technical, {"Unable to connect", "could not connect", "Connection refused", "unavailable",
                         "08001", "08S01", "could not translate host name", "Name or service not known"}))
        return {QStringLiteral("Ο διακομιστής ειδήσεων «%1» δεν απαντά.\r\n"
                               "Ελέγξτε τη σύνδεσή σας στο Internet και τη ρύθμιση «News/Server» στις %2.")
                    .arg(server.server, SettingsWindowPath()),
                technical};
    return {QStringLiteral("Ο διακομιστής ειδήσεων «%1» απάντησε με σφάλμα.\r\nΔοκιμάστε ξανά αργότερα.")
                .arg(server.server),
            technical};
}
