#include "logic/internet/SiteFailure.h"

#include "logic/core/files/IniSettings.h"

#include <QUrl>

namespace {
// The site as the user knows it: its host (and port, when there is one), else the address.
QString SiteName(const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || url.host().isEmpty())
        return address;
    return url.port() == -1 ? url.host() : url.host() + u':' + QString::number(url.port());
}
} // namespace

SiteFailure SiteFailureOfNetError(int code) {
    switch (code) {
    case -105: // ERR_NAME_NOT_RESOLVED
    case -137: // ERR_NAME_RESOLUTION_FAILED
        return SiteFailure::NameNotFound;
    case -106: // ERR_INTERNET_DISCONNECTED
    case -109: // ERR_ADDRESS_UNREACHABLE
    case -21:  // ERR_NETWORK_CHANGED
        return SiteFailure::Offline;
    case -102: // ERR_CONNECTION_REFUSED
        return SiteFailure::Refused;
    case -108: // ERR_ADDRESS_INVALID
    case -300: // ERR_INVALID_URL
    case -301: // ERR_DISALLOWED_URL_SCHEME
    case -302: // ERR_UNKNOWN_URL_SCHEME
        return SiteFailure::InvalidAddress;
    default:
        return SiteFailure::NoAnswer;
    }
}

Failure SiteFailureMessage(const QString& address, SiteFailure failure, const QString& reason,
                           int httpStatus) {
    const QString site = SiteName(address);
    const QString tryAgain =
        QStringLiteral("Ελέγξτε τη σύνδεσή σας στο Internet και δοκιμάστε ξανά σε λίγο.");
    QString sentence;
    switch (failure) {
    case SiteFailure::NameNotFound:
        sentence = QStringLiteral("Ο δικτυακός τόπος %1 δεν βρέθηκε: το όνομά του δεν αντιστοιχεί σε κανέναν "
                                  "διακομιστή.\nΕλέγξτε τη σύνδεσή σας στο Internet και τη διεύθυνση.")
                       .arg(site);
        break;
    case SiteFailure::Offline:
        sentence =
            QStringLiteral("Ο υπολογιστής δεν έχει σύνδεση με το Internet, γι' αυτό ο δικτυακός τόπος %1 "
                           "δεν άνοιξε.\nΕλέγξτε τη σύνδεσή σας και δοκιμάστε ξανά.")
                .arg(site);
        break;
    case SiteFailure::Refused:
        sentence = QStringLiteral("Ο δικτυακός τόπος %1 αρνήθηκε τη σύνδεση.\n").arg(site) + tryAgain;
        break;
    case SiteFailure::NoAnswer:
        sentence = QStringLiteral("Ο δικτυακός τόπος %1 δεν απαντά.\n").arg(site) + tryAgain;
        break;
    case SiteFailure::Certificate:
        sentence = QStringLiteral("Ο δικτυακός τόπος %1 δεν απέδειξε ότι είναι αυτός που δηλώνει "
                                  "(το πιστοποιητικό ασφαλείας του δεν έγινε δεκτό).\nΗ σύνδεση διακόπηκε "
                                  "και δεν στάλθηκε κανένα στοιχείο.")
                       .arg(site);
        break;
    case SiteFailure::HttpError:
        sentence = QStringLiteral("Ο δικτυακός τόπος %1 απάντησε με σφάλμα %2.\nΔοκιμάστε ξανά αργότερα.")
                       .arg(site)
                       .arg(httpStatus);
        break;
    case SiteFailure::InvalidAddress:
        sentence = QStringLiteral("Η διεύθυνση \"%1\" δεν είναι έγκυρη διεύθυνση δικτυακού τόπου.\n"
                                  "Διορθώστε τη στις %2.")
                       .arg(address, SettingsWindowPath());
        break;
    case SiteFailure::Other:
        sentence = QStringLiteral("Η σελίδα του δικτυακού τόπου %1 δεν άνοιξε.").arg(site);
        break;
    }
    QString technical = reason.trimmed();
    if (failure != SiteFailure::InvalidAddress && !address.isEmpty())
        technical += (technical.isEmpty() ? QString() : QStringLiteral("\n")) + address;
    return {sentence, technical};
}
