#include "logic/core/IniSettings.h"

#include "logic/internet/InternetSettings.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {
// The settings of the core, the mail and the e-services site.
const std::vector<SettingDefinition>& CoreSettings() {
    static const std::vector<SettingDefinition> settings = {
        {QStringLiteral("Mail/SmtpMailProgram"), QStringLiteral("SmtpMail"),
         QStringLiteral("The mail tool started at exit to tell the accountant of the day's "
                        "submissions; a bare name is looked up in the data folder.")},
        {QStringLiteral("Mail/SmtpMailLicense"), QString(),
         QStringLiteral("The licence value of the installed mail tool, passed to it as License=.")},
        {QStringLiteral("Mail/SmtpServer"), QString(),
         QStringLiteral("The mail server (host name or address) of report mail, and of the mail to the "
                        "accountant when the mail tool is not installed; empty uses the SMTP server of "
                        "the connection parameters.")},
        {QStringLiteral("Mail/SmtpPort"), QString(),
         QStringLiteral("Port of the mail server; empty uses 25 without security, 587 with starttls and "
                        "465 with tls.")},
        {QStringLiteral("Mail/SmtpSecurity"), QStringLiteral("none"),
         QStringLiteral("Connection security of the mail server: none, starttls (plain connection turned "
                        "encrypted before anything is sent) or tls (encrypted from the start).")},
        {QStringLiteral("Mail/SmtpUser"), QString(),
         QStringLiteral("User name for logging in to the mail server; empty sends without logging in.")},
        {QStringLiteral("Mail/SmtpPassword"), QString(),
         QStringLiteral("Password for logging in to the mail server.")},
        {QStringLiteral("Internet/EservicesBase"), QStringLiteral("https://eservices.yeka.gr"),
         QStringLiteral("The labour ministry's e-services site where schedule entries are submitted: "
                        "scheme and host, no path.")},
        {QStringLiteral("Update/PrimaryHost"), QString(),
         QStringLiteral("The maker's web server publishing the program's version: scheme and host "
                        "(http://... or https://...), no path; the version is read from /sse/orva/int.ver. "
                        "Empty: the program does not look for a newer version.")},
        {QStringLiteral("Update/FallbackHost"), QString(),
         QStringLiteral("The second web server, asked when the first gives no valid version file; "
                        "empty asks only the first.")},
        {QStringLiteral("Update/TimeoutSeconds"), QStringLiteral("15"),
         QStringLiteral("How long the program waits for each web server's answer, in seconds.")},
        {QStringLiteral("Update/UpdaterProgram"), QStringLiteral("LiveUpd"),
         QStringLiteral("The updater started when a newer version is accepted; a bare name is looked up "
                        "in the data folder, then in the system's programs.")},
        {QStringLiteral("Support/RemoteSupport2Program"), QStringLiteral("A_Remote"),
         QStringLiteral("The remote-support tool of the toolbar's Live Support 2; a bare name is looked up "
                        "in the data folder, then in the system's programs.")},
        {QStringLiteral("Support/RemoteSupport8Program"), QStringLiteral("B_Remote"),
         QStringLiteral("The remote-support tool of the toolbar's Live Support 8; a bare name is looked up "
                        "in the data folder, then in the system's programs.")},
        {QStringLiteral("Support/StopCommand"), QString(),
         QStringLiteral("A command run, and waited for, before either remote-support tool starts, to end "
                        "a session still running: the program and its arguments, separated by blanks "
                        "(quotes keep blanks in an argument), never run through a shell. Empty runs "
                        "nothing.")},
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

QString DefaultSettings::value(const QString& key) const {
    return m_overrides.value(key, DefaultSettingValue(key));
}

IniSettings::IniSettings(const QString& path) : m_ini(path, QSettings::IniFormat) {}

QString IniSettings::value(const QString& key) const {
    return m_ini.value(key, DefaultSettingValue(key)).toString();
}

bool WriteDefaultSettingsFile(const QString& path) {
    QStringList lines;
    lines << QStringLiteral("; Orva settings. Lines starting with ; are comments; a setting left out")
          << QStringLiteral("; takes the default shown here.");
    QString group;
    for (const SettingDefinition& setting : KnownSettings()) {
        const QString settingGroup = setting.key.section(QLatin1Char('/'), 0, 0);
        const QString name = setting.key.section(QLatin1Char('/'), 1);
        if (settingGroup != group) {
            group = settingGroup;
            lines << QString() << QStringLiteral("[%1]").arg(group);
        }
        lines << QStringLiteral("; %1").arg(setting.comment);
        // Quoted, so that a comma stays part of the value instead of making a list.
        QString quoted = setting.defaultValue;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('"'), QStringLiteral("\\\""));
        lines << QStringLiteral("%1=\"%2\"").arg(name, quoted);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    return file.commit();
}
