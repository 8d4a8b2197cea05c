#include "logic/internet/SiteFailure.h"

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

QString SiteFailureMessage(const QString& address, SiteFailure failure, const QString& reason,
                           int httpStatus) {
    const QString site = SiteName(address);
    QString sentence;
    switch (failure) {
    case SiteFailure::NoAnswer:
        sentence = QStringLiteral("Ο δικτυακός τόπος %1 δεν απαντά.\nΕλέγξτε τη σύνδεσή σας στο Internet "
                                  "και δοκιμάστε ξανά σε λίγο.")
                       .arg(site);
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
                                  "Διορθώστε τη στο αρχείο ρυθμίσεων Orva.ini.")
                       .arg(address);
        break;
    case SiteFailure::Other:
        sentence = QStringLiteral("Η σελίδα του δικτυακού τόπου %1 δεν άνοιξε.").arg(site);
        break;
    }
    QString technical = reason.trimmed();
    if (failure != SiteFailure::InvalidAddress && !address.isEmpty())
        technical += (technical.isEmpty() ? QString() : QStringLiteral("\n")) + address;
    if (technical.isEmpty())
        return sentence;
    return sentence + QStringLiteral("\n\nΤεχνική αιτία: ") + technical;
}
