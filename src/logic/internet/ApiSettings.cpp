#include "logic/internet/ApiSettings.h"

#include "logic/core/services/Services.h"
#include "logic/internet/ApiSubmission.h"
#include "logic/records/EntrySending.h"

#include <QHostAddress>

using namespace Qt::StringLiterals;

namespace {
constexpr int DefaultTimeoutSeconds = 120;
const QString BaseKey = u"Api/Base"_s;
const QString TimeoutKey = u"Api/TimeoutSeconds"_s;
const QString RetryKey = u"Api/RetryWaitSeconds"_s;
constexpr int DefaultRetryWaitSeconds = 2;

bool IsLoopback(const QString& host) {
    if (host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}
} // namespace

const std::vector<SettingDefinition>& ApiSettingDefinitions() {
    static const std::vector<SettingDefinition> settings = {
        {BaseKey, u"https://eservices.yeka.gr/WebServicesAPI/api"_s,
         u"Η διεύθυνση της υπηρεσίας Web Services (API) του Υπουργείου Εργασίας, όπου αποστέλλονται οι "
         u"κινήσεις όταν επιλέγετε αποστολή μέσω API: πρωτόκολλο και διαδρομή, π.χ. η δοκιμαστική "
         u"https://trialeservices.yeka.gr/WebServicesAPI/api. Μόνο https· http μόνο προς τον ίδιο τον "
         u"υπολογιστή (127.0.0.1)."_s,
         SettingForm::webAddress()},
        {QString::fromLatin1(SendWaySetting), u"page"_s,
         u"Ο τρόπος αποστολής που προτείνουν τα παράθυρα: page (η σελίδα των e-υπηρεσιών) ή api (η υπηρεσία "
         u"Web Services)· αλλάζει και σε κάθε αποστολή."_s,
         SettingForm::choice({u"page"_s, u"api"_s})},
        {TimeoutKey, QString::number(DefaultTimeoutSeconds),
         u"Πόσα δευτερόλεπτα περιμένει το πρόγραμμα την απάντηση της υπηρεσίας Web Services σε κάθε κλήση· "
         u"χωρίς απάντηση μετά την αποστολή, οι κινήσεις σημειώνονται «αβέβαιη»."_s,
         SettingForm::number(1, 600, u"δευτερόλεπτα"_s)},
        {RetryKey, QString::number(DefaultRetryWaitSeconds),
         u"Όταν η υπηρεσία Web Services δεν είναι διαθέσιμη ή η σύνδεση αποτυγχάνει πριν σταλεί κάτι, το "
         u"πρόγραμμα ξαναδοκιμάζει δύο φορές: μετά από τόσα δευτερόλεπτα και μετά από τριπλάσια."_s,
         SettingForm::number(0, 600, u"δευτερόλεπτα"_s)},
    };
    return settings;
}

ApiBase CheckApiBase(const QString& setting) {
    QString text = setting.trimmed();
    while (text.endsWith(u'/'))
        text.chop(1);
    ApiBase base;
    base.url = QUrl(text, QUrl::StrictMode);
    const QString scheme = base.url.scheme().toLower();
    if (text.isEmpty())
        base.refusal = u"Δεν έχει οριστεί η διεύθυνση της υπηρεσίας Web Services (ρύθμιση Api/Base του "
                       u"Orva.ini)."_s;
    else if (!base.url.isValid() || base.url.host().isEmpty() ||
             (scheme != u"https"_s && scheme != u"http"_s))
        base.refusal = u"Η διεύθυνση «%1» της υπηρεσίας Web Services (ρύθμιση Api/Base του Orva.ini) δεν "
                       u"είναι διεύθυνση https://."_s.arg(text);
    else if (scheme == u"http"_s && !IsLoopback(base.url.host()))
        base.refusal =
            u"Η διεύθυνση «%1» της υπηρεσίας Web Services (ρύθμιση Api/Base του Orva.ini) δεν "
            u"είναι ασφαλής: τα στοιχεία σύνδεσης και οι κινήσεις στέλνονται μόνο με https://."_s.arg(text);
    else if (!base.url.userInfo().isEmpty() || base.url.hasQuery() || base.url.hasFragment())
        base.refusal = u"Η διεύθυνση «%1» της υπηρεσίας Web Services (ρύθμιση Api/Base του Orva.ini) "
                       u"πρέπει να έχει μόνο πρωτόκολλο, όνομα και διαδρομή."_s.arg(text);
    return base;
}

ApiBase ApiBaseFromSettings() {
    return CheckApiBase(Services::settings().value(BaseKey));
}

ApiTiming ApiTimingFromSettings() {
    bool ok = false;
    const int seconds = Services::settings().value(TimeoutKey).trimmed().toInt(&ok);
    const int timeoutMs = (ok && seconds > 0 ? seconds : DefaultTimeoutSeconds) * 1000;
    const int wait = Services::settings().value(RetryKey).trimmed().toInt(&ok);
    const int waitMs = (ok && wait >= 0 && wait <= 600 ? wait : DefaultRetryWaitSeconds) * 1000;
    return ApiTiming{timeoutMs, {waitMs, 3 * waitMs}};
}
