#include "logic/core/files/IniSettings.h"

#include "logic/internet/InternetSettings.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {
// The settings of the core, the mail and the e-services site.
const std::vector<SettingDefinition>& CoreSettings() {
    static const std::vector<SettingDefinition> settings = {
        {QStringLiteral("Mail/SmtpMailProgram"), QStringLiteral("SmtpMail"),
         QStringLiteral("Το εργαλείο αλληλογραφίας που ξεκινά στην έξοδο για να ενημερώσει τον λογιστή για "
                        "τις αποστολές της ημέρας· ένα σκέτο όνομα αναζητείται στον φάκελο δεδομένων."),
         SettingForm::program()},
        {QStringLiteral("Mail/SmtpMailLicense"), QString(),
         QStringLiteral("Η άδεια του εγκατεστημένου εργαλείου αλληλογραφίας, που του δίνεται ως License=."),
         SettingForm::text()},
        {QStringLiteral("Mail/SmtpServer"), QString(),
         QStringLiteral("Ο διακομιστής αλληλογραφίας (όνομα ή διεύθυνση) για το e-mail των εκτυπώσεων, και "
                        "για το e-mail στον λογιστή όταν δεν υπάρχει το εργαλείο αλληλογραφίας· κενό: ο Smtp "
                        "Server των Παραμέτρων Σύνδεσης."),
         SettingForm::hostName()},
        {QStringLiteral("Mail/SmtpPort"), QString(),
         QStringLiteral("Η θύρα του διακομιστή αλληλογραφίας· κενό: 25 χωρίς κρυπτογράφηση, 587 με starttls "
                        "και 465 με tls."),
         SettingForm::port()},
        {QStringLiteral("Mail/SmtpSecurity"), QStringLiteral("none"),
         QStringLiteral(
             "Η κρυπτογράφηση της σύνδεσης με τον διακομιστή αλληλογραφίας: none (καμία), starttls (απλή "
             "σύνδεση που κρυπτογραφείται πριν σταλεί οτιδήποτε) ή tls (κρυπτογραφημένη από την αρχή)."),
         SettingForm::choice({QStringLiteral("none"), QStringLiteral("starttls"), QStringLiteral("tls")})},
        {QStringLiteral("Mail/SmtpUser"), QString(),
         QStringLiteral(
             "Ο χρήστης για τη σύνδεση στον διακομιστή αλληλογραφίας· κενό: αποστολή χωρίς σύνδεση χρήστη."),
         SettingForm::text()},
        {QStringLiteral("Mail/SmtpPassword"), QString(),
         QStringLiteral("Ο κωδικός για τη σύνδεση στον διακομιστή αλληλογραφίας."), SettingForm::password()},
        {QStringLiteral("Internet/EservicesBase"), QStringLiteral("https://eservices.yeka.gr"),
         QStringLiteral("Ο ιστότοπος των e-υπηρεσιών του Υπουργείου Εργασίας όπου αποστέλλονται οι κινήσεις: "
                        "πρωτόκολλο και όνομα, χωρίς διαδρομή."),
         SettingForm::webSite(true, true)},
        {QStringLiteral("Update/PrimaryHost"), QString(),
         QStringLiteral("Ο διακομιστής της Tavrinex που δημοσιεύει την έκδοση του προγράμματος: πρωτόκολλο "
                        "και όνομα (http://... ή https://...), χωρίς διαδρομή· η έκδοση διαβάζεται από το "
                        "/sse/orva/int.ver. Κενό: το πρόγραμμα δεν ελέγχει για νέα έκδοση."),
         SettingForm::webSite()},
        {QStringLiteral("Update/FallbackHost"), QString(),
         QStringLiteral("Ο δεύτερος διακομιστής, που ρωτιέται όταν ο πρώτος δεν δίνει έγκυρο αρχείο έκδοσης· "
                        "κενό: μόνο ο πρώτος."),
         SettingForm::webSite()},
        {QStringLiteral("Update/TimeoutSeconds"), QStringLiteral("15"),
         QStringLiteral("Πόσα δευτερόλεπτα περιμένει το πρόγραμμα την απάντηση κάθε διακομιστή."),
         SettingForm::number(1, 300, QStringLiteral("δευτερόλεπτα"))},
        {QStringLiteral("Update/UpdaterProgram"), QStringLiteral("LiveUpd"),
         QStringLiteral("Το πρόγραμμα της ενημέρωσης, που ξεκινά όταν δεχτείτε νέα έκδοση· ένα σκέτο όνομα "
                        "αναζητείται στον φάκελο δεδομένων και μετά στα προγράμματα του συστήματος."),
         SettingForm::program()},
        {QStringLiteral("Support/RemoteSupport2Program"), QStringLiteral("A_Remote"),
         QStringLiteral(
             "Το εργαλείο απομακρυσμένης υποστήριξης του «Live Support 2» της γραμμής εργαλείων· ένα σκέτο "
             "όνομα αναζητείται στον φάκελο δεδομένων και μετά στα προγράμματα του συστήματος."),
         SettingForm::program()},
        {QStringLiteral("Support/RemoteSupport8Program"), QStringLiteral("B_Remote"),
         QStringLiteral(
             "Το εργαλείο απομακρυσμένης υποστήριξης του «Live Support 8» της γραμμής εργαλείων· ένα σκέτο "
             "όνομα αναζητείται στον φάκελο δεδομένων και μετά στα προγράμματα του συστήματος."),
         SettingForm::program()},
        {QStringLiteral("Support/StopCommand"), QString(),
         QStringLiteral("Εντολή που τρέχει, και την περιμένει το πρόγραμμα, πριν ξεκινήσει κάποιο από τα "
                        "εργαλεία απομακρυσμένης υποστήριξης, για να τερματίσει μια σύνδεση που τρέχει "
                        "ακόμη: το πρόγραμμα και τα ορίσματά του χωρισμένα με κενά (τα εισαγωγικά κρατούν τα "
                        "κενά μέσα σε όρισμα)· δεν τρέχει ποτέ μέσω κελύφους. Κενό: καμία εντολή."),
         SettingForm::command()},
    };
    return settings;
}

} // namespace

const std::vector<SettingDefinition>& KnownSettings() {
    static const std::vector<SettingDefinition> settings = [] {
        std::vector<SettingDefinition> all = CoreSettings();
        const std::vector<SettingDefinition>& internet = InternetSettingDefinitions();
        all.insert(all.end(), internet.begin(), internet.end());
        return all;
    }();
    return settings;
}

QString DefaultSettingValue(const QString& key) {
    for (const SettingDefinition& setting : KnownSettings()) {
        if (setting.key == key)
            return setting.defaultValue;
    }
    return {};
}

const SettingDefinition* FindSetting(const QString& key) {
    for (const SettingDefinition& setting : KnownSettings()) {
        if (setting.key.compare(key, Qt::CaseInsensitive) == 0)
            return &setting;
    }
    return nullptr;
}

QString SettingValueProblem(const QString& key, const QString& value) {
    const SettingDefinition* setting = FindSetting(key);
    return setting ? SettingFormProblem(setting->form, value) : QString();
}

QString SettingsWindowPath() {
    return QStringLiteral("«Βοηθητικές → Ρυθμίσεις Εγκατάστασης»");
}

QString WhereToChangeSetting(const QString& key) {
    return QStringLiteral("στις %1, στη ρύθμιση «%2»").arg(SettingsWindowPath(), key);
}

std::optional<QString> DefaultSettings::stored(const QString& key) const {
    const auto it = m_overrides.constFind(key);
    if (it == m_overrides.constEnd())
        return std::nullopt;
    return *it;
}

IniSettings::IniSettings(const QString& path) {
    if (std::optional<IniFile> file = IniFile::load(path, &m_readError))
        m_file = std::move(*file);
}

std::optional<QString> IniSettings::stored(const QString& key) const {
    return m_file.value(key.section(u'/', 0, 0), key.section(u'/', 1));
}

QString DefaultSettingsText() {
    QStringList lines;
    lines << QStringLiteral("; Ρυθμίσεις του Orva. Αλλάζουν από τις «Βοηθητικές → Ρυθμίσεις Εγκατάστασης».")
          << QStringLiteral("; Οι γραμμές που αρχίζουν με ; είναι σχόλια· μια ρύθμιση που λείπει παίρνει την")
          << QStringLiteral(
                 "; προεπιλογή που φαίνεται εδώ. Η τιμή είναι ό,τι ακολουθεί το =, όπως είναι γραμμένη,")
          << QStringLiteral("; ή ό,τι είναι μέσα σε \"\" (εκεί το \\\" γράφει \" και το \\\\ γράφει \\).");
    QString group;
    for (const SettingDefinition& setting : KnownSettings()) {
        const QString settingGroup = setting.key.section(QLatin1Char('/'), 0, 0);
        const QString name = setting.key.section(QLatin1Char('/'), 1);
        if (settingGroup != group) {
            group = settingGroup;
            lines << QString() << QStringLiteral("[%1]").arg(group);
        }
        lines << QStringLiteral("; %1").arg(setting.comment);
        lines << name + u'=' + QuotedIniValue(setting.defaultValue);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool WriteDefaultSettingsFile(const QString& path) {
    return IniFile::fromText(DefaultSettingsText()).save(path);
}
