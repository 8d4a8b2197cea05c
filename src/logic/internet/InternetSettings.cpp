#include "logic/internet/InternetSettings.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/internet/ApiSettings.h"
#include "logic/internet/EservicesSite.h"

#include <QStringList>
#include <array>

namespace {

struct Link {
    const char16_t* caption;
    const char16_t* address;
};

// A leading "/" is a page of the maker's site.
const std::array<Link, LinkCount> Links = {{
    {u"Σύνδεση με Tavrinex", u"/"},
    {u"Σύνδεση με ΙΚΑ", u"https://www.efka.gov.gr"},
    {u"Σύνδεση με TaxisNet", u"https://www.gsis.gr"},
    {u"Συλ.Συμβάσεις Εργασίας", u"/symvaseis"},
    {u"Φορολογική Βάση", u"/forologiki-vasi"},
    {u"Αναζήτηση ΟΣΥΚ ΙΚΑ", u"/osyk"},
    {u"Εργατικά Θέματα", u"/arthra/ergatika"},
    {u"Ασφαλιστικά Θέματα", u"/arthra/asfalistika"},
    {u"Ερωτήσεις-Απαντήσεις Solvane", u"/solvane/erotiseis"},
    {u"Ηλεκτρ.Παραγγελία Προιόντων Tavrinex", u"/prosfores"},
    {u"Ελάτε στο γραφείο μας", u"https://www.openstreetmap.org/directions"},
    {u"Demo πακέτων Tavrinex", u"/demo"},
    {u"Τιμοκατάλογος πακέτων Tavrinex", u"/timokatalogos"},
    {u"Ενδεικτικοί πελάτες Tavrinex", u"/pelates"},
    {u"Ευρετήριο Συλογικών Συμβάσεων", u"/symvaseis/evretirio"},
    {u"Επικοινωνία με Tavrinex", u"/epikoinonia"},
    {u"Tavrinex Business", u"/business"},
    {u"Online συμπληρωση δήλωσης Ν.105", u"/n105"},
    {u"Ερωτήσεις-Απαντήσεις Pelmora", u"/pelmora/erotiseis"},
}};

QString LinkKey(int index) {
    return QStringLiteral("Links/Link%1").arg(index);
}

QString Setting(const char* key) {
    return Services::settings().value(QString::fromLatin1(key)).trimmed();
}

// The page at a path of a host setting; "" when the host is not set.
QString PageOf(const char* hostKey, const char* path) {
    const QString host = Eservices::NormaliseBase(Setting(hostKey));
    return host.isEmpty() ? QString() : host + QLatin1String(path);
}

// A value as an ODBC connection string writes it.
QString OdbcValue(const QString& value) {
    if (!value.contains(u';') && !value.contains(u'{') && !value.contains(u'}') && value.trimmed() == value)
        return value;
    QString braced = value;
    braced.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return u'{' + braced + u'}';
}

} // namespace

const std::vector<SettingDefinition>& EservicesSettingDefinitions() {
    static const std::vector<SettingDefinition> settings = {
        {QStringLiteral("Internet/EservicesBase"), QStringLiteral("https://eservices.yeka.gr"),
         QStringLiteral("Ο ιστότοπος των e-υπηρεσιών του Υπουργείου Εργασίας όπου αποστέλλονται οι κινήσεις: "
                        "πρωτόκολλο και όνομα, χωρίς διαδρομή."),
         SettingForm::webSite(true, true)},
    };
    return settings;
}

const std::vector<SettingDefinition>& InternetSettingDefinitions() {
    static const std::vector<SettingDefinition> settings = [] {
        std::vector<SettingDefinition> list = {
            {QStringLiteral("Portals/TaxisAccountHost"), QStringLiteral("https://www1.gsis.gr"),
             QStringLiteral("Η πύλη του λογαριασμού ΤΑΞΙΣ (πρωτόκολλο και όνομα): το «Ο Λογαριασμός "
                            "μου(ΤΑΞΙΣ)» ανοίγει τη σελίδα της /taxisnet/mytaxisnet."),
             SettingForm::webSite(false, true)},
            {QStringLiteral("Portals/TaxisSsoHost"), QStringLiteral("https://login.gsis.gr"),
             QStringLiteral("Ο διακομιστής εισόδου της πύλης ΤΑΞΙΣ, που η σελίδα του /sso/pages/login.jsp "
                            "παίρνει τον χρήστη και τον κωδικό ΤΑΞΙΣ."),
             SettingForm::webSite(true, true)},
            {QStringLiteral("Portals/IkaAppsHost"), QStringLiteral("https://apps.ika.gr"),
             QStringLiteral("Ο διακομιστής των εφαρμογών του ΙΚΑ, που η σελίδα του /eAPD/faces/login.xhtml "
                            "παίρνει τον χρήστη και τον κωδικό ΙΚΑ (πύλη «Ι.Κ.Α.»)."),
             SettingForm::webSite(true, true)},
            {QStringLiteral("Links/MakerSite"), QStringLiteral("https://www.tavrinex.gr"),
             QStringLiteral("Ο ιστότοπος της Tavrinex· ένα link παρακάτω που αρχίζει με / είναι σελίδα του."),
             SettingForm::webSite(false, true)},
        };
        for (int i = 0; i < LinkCount; ++i)
            list.push_back(
                {LinkKey(i), QString::fromUtf16(Links.at(i).address),
                 QStringLiteral("«%1» στα «Χρήσιμα Links».").arg(QString::fromUtf16(Links.at(i).caption)),
                 SettingForm::link()});
        const std::vector<SettingDefinition> news = {
            {QStringLiteral("News/Server"), QString(),
             QStringLiteral(
                 "Ο διακομιστής της βάσης των ειδήσεων της Tavrinex (όνομα ή διεύθυνση)· κενό: η λωρίδα των "
                 "ειδήσεων λέει ότι δεν έχει οριστεί διακομιστής και δεν συνδέεται ποτέ."),
             SettingForm::hostName()},
            {QStringLiteral("News/Port"), QStringLiteral("1433"),
             QStringLiteral("Η θύρα του διακομιστή των ειδήσεων."), SettingForm::port()},
            {QStringLiteral("News/Driver"), QStringLiteral("FreeTDS"),
             QStringLiteral("Ο οδηγός ODBC του διακομιστή των ειδήσεων, όπως ονομάζεται στο odbcinst.ini."),
             SettingForm::requiredText()},
            {QStringLiteral("News/Database"), QStringLiteral("Tavrinex_Sa"),
             QStringLiteral("Η βάση των ειδήσεων σε αυτόν τον διακομιστή."), SettingForm::text()},
            {QStringLiteral("News/User"), QString(),
             QStringLiteral("Ο χρήστης στον διακομιστή των ειδήσεων."), SettingForm::text()},
            {QStringLiteral("News/Password"), QString(), QStringLiteral("Ο κωδικός αυτού του χρήστη."),
             SettingForm::password()},
            {QStringLiteral("News/Options"), QStringLiteral("TDS_Version=7.4"),
             QStringLiteral("Επιπλέον ζεύγη Λέξη=τιμή για τον οδηγό ODBC, χωρισμένα με ;."),
             SettingForm::text()},
            {QStringLiteral("News/TimeoutSeconds"), QStringLiteral("15"),
             QStringLiteral(
                 "Πόσα δευτερόλεπτα περιμένει το πρόγραμμα την απάντηση του διακομιστή των ειδήσεων."),
             SettingForm::number(1, 300, QStringLiteral("δευτερόλεπτα"))},
        };
        list.insert(list.end(), news.begin(), news.end());
        const std::vector<SettingDefinition>& api = ApiSettingDefinitions();
        list.insert(list.end(), api.begin(), api.end());
        return list;
    }();
    return settings;
}

void LoadEservicesBase() {
    Program.EservicesBase = Eservices::NormaliseBase(Setting("Internet/EservicesBase"));
}

PortalAddresses PortalAddressesFromSettings() {
    return {PageOf("Portals/TaxisAccountHost", "/taxisnet/mytaxisnet"),
            PageOf("Portals/TaxisSsoHost", "/sso/pages/login.jsp"),
            Eservices::NormaliseBase(Setting("Internet/EservicesBase")),
            PageOf("Portals/IkaAppsHost", "/eAPD/faces/login.xhtml")};
}

QString LinkCaption(int index) {
    if (index < 0 || index >= LinkCount)
        return {};
    return QString::fromUtf16(Links.at(index).caption);
}

QString LinkAddress(int index) {
    if (index < 0 || index >= LinkCount)
        return {};
    const QString address = Services::settings().value(LinkKey(index)).trimmed();
    if (!address.startsWith(u'/'))
        return address;
    QString site = Setting("Links/MakerSite");
    while (site.endsWith(u'/'))
        site.chop(1);
    return site + address;
}

NewsServer NewsServerFromSettings() {
    NewsServer news;
    news.driver = Setting("News/Driver");
    news.server = Setting("News/Server");
    news.port = Setting("News/Port");
    news.database = Setting("News/Database");
    news.user = Setting("News/User");
    news.password = Services::settings().value(QStringLiteral("News/Password"));
    news.options = Setting("News/Options");
    bool ok = false;
    const int seconds = Setting("News/TimeoutSeconds").toInt(&ok);
    news.timeoutSeconds = ok && seconds > 0 ? seconds : 15;
    return news;
}

QString NewsServer::connectionString() const {
    QStringList parts;
    parts << QStringLiteral("Driver={%1}")
                 .arg(QString(driver).replace(QStringLiteral("}"), QStringLiteral("}}")));
    parts << QStringLiteral("Server=") + OdbcValue(server);
    if (!port.isEmpty())
        parts << QStringLiteral("Port=") + OdbcValue(port);
    if (!database.isEmpty())
        parts << QStringLiteral("Database=") + OdbcValue(database);
    if (!user.isEmpty())
        parts << QStringLiteral("Uid=") + OdbcValue(user);
    if (!password.isEmpty())
        parts << QStringLiteral("Pwd=") + OdbcValue(password);
    for (const QString& option : options.split(u';', Qt::SkipEmptyParts))
        if (!option.trimmed().isEmpty())
            parts << option.trimmed();
    return parts.join(u';') + u';';
}
