// Orva.ini read and written by the program's own reader: every value whole, as written;
// values written back read back identical; comments, unknown keys and line ends kept; and
// every setting checked against its form when it is read.
#include "logic/core/files/IniFile.h"
#include "logic/core/files/IniSettings.h"
#include "shell/SettingsJoin.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Printable texts that a naive INI reader cuts, splits or unquotes.
const QStringList Awkward = {
    QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8"),
    QStringLiteral("a,b,c"),
    QStringLiteral("say \"hi\""),
    QStringLiteral("\"quoted\""),
    QStringLiteral("# not a comment"),
    QStringLiteral("; not a comment"),
    QStringLiteral("C:\\Program Files\\Tool\\"),
    QStringLiteral("\\\""),
    QStringLiteral("  leading and trailing  "),
    QStringLiteral(" "),
    QStringLiteral("Ελληνικά: «κωδικός», ΤΑΞΙΣ;ΙΚΑ"),
    QStringLiteral("=;,#\"\\ "),
    QStringLiteral("%USERPROFILE% @ $HOME ! ~ [x] {y}"),
    QString(),
};

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { JoinOrvaSettings(); }

    void valuesAreReadWholeAsTheUserWroteThem() {
        const IniFile file = IniFile::fromText(QStringLiteral("; comment = not a key\n"
                                                              "# another comment\n"
                                                              "[News]\n"
                                                              "Options=TDS_Version=7.4;ClientCharset=UTF-8\n"
                                                              "Password=se,cret;1\n"
                                                              "  Server =  news.example.gr  \n"
                                                              "Database=\"Tavrinex \\\"Sa\\\"\"\n"
                                                              "User=\"half\"quoted\"\n"
                                                              "Driver=C:\\odbc\\tds.dll\n"
                                                              "[links]\n"
                                                              "LINK3=https://example.gr/a?b=1#c\n"
                                                              "Link3=https://example.gr/last\n"));
        QCOMPARE(file.value(u"News"_s, u"Options"_s), u"TDS_Version=7.4;ClientCharset=UTF-8"_s);
        QCOMPARE(file.value(u"News"_s, u"Password"_s), u"se,cret;1"_s);
        QCOMPARE(file.value(u"news"_s, u"server"_s), u"news.example.gr"_s);
        QCOMPARE(file.value(u"News"_s, u"Database"_s), u"Tavrinex \"Sa\""_s);
        // Not one quoted value: taken as written.
        QCOMPARE(file.value(u"News"_s, u"User"_s), u"\"half\"quoted\""_s);
        QCOMPARE(file.value(u"News"_s, u"Driver"_s), u"C:\\odbc\\tds.dll"_s);
        QCOMPARE(file.value(u"Links"_s, u"Link3"_s), u"https://example.gr/last"_s);
        QVERIFY(!file.value(u"News"_s, u"Port"_s));
        QVERIFY(!file.value(QString(), u"; comment"_s));
    }

    void everySettingRoundTripsAnyPrintableText() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Orva.ini"));
        QVERIFY(WriteDefaultSettingsFile(path));
        for (const QString& text : Awkward) {
            std::optional<IniFile> file = IniFile::load(path);
            QVERIFY(file);
            for (const SettingDefinition& setting : KnownSettings())
                file->setValue(setting.key.section(u'/', 0, 0), setting.key.section(u'/', 1), text);
            QVERIFY(file->save(path));
            const IniSettings settings(path);
            for (const SettingDefinition& setting : KnownSettings()) {
                QCOMPARE(settings.stored(setting.key), std::optional<QString>(text));
                if (setting.form.kind == SettingForm::Kind::Text && !setting.form.required)
                    QCOMPARE(settings.value(setting.key), text);
            }
        }
    }

    void writingAValueKeepsEveryOtherLineAsItWas() {
        const QString original = QStringLiteral("\xFEFF; my notes\r\n"
                                                "[Update]\r\n"
                                                "; the office's server\r\n"
                                                "PrimaryHost = http://old.example\r\n"
                                                "MyOwnKey=keep;me,too\r\n"
                                                "\r\n"
                                                "[Custom]\r\n"
                                                "x=1\r\n");
        IniFile file = IniFile::fromText(original);
        QCOMPARE(file.text(), original);
        file.setValue(u"update"_s, u"primaryhost"_s, u"https://new.example"_s);
        file.setValue(u"Update"_s, u"TimeoutSeconds"_s, u"30"_s, {u"Πόσα δευτερόλεπτα."_s});
        file.setValue(u"News"_s, u"Server"_s, u"news;1"_s);
        QCOMPARE(file.text(), QStringLiteral("\xFEFF; my notes\r\n"
                                             "[Update]\r\n"
                                             "; the office's server\r\n"
                                             "PrimaryHost =\"https://new.example\"\r\n"
                                             "MyOwnKey=keep;me,too\r\n"
                                             "; Πόσα δευτερόλεπτα.\r\n"
                                             "TimeoutSeconds=\"30\"\r\n"
                                             "\r\n"
                                             "[Custom]\r\n"
                                             "x=1\r\n"
                                             "\r\n"
                                             "[News]\r\n"
                                             "Server=\"news;1\"\r\n"));
    }

    void theDefaultFileReadsBackAsTheDefaults() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Orva.ini"));
        QVERIFY(WriteDefaultSettingsFile(path));
        const QByteArray written = readAll(path);
        const IniSettings settings(path);
        for (const SettingDefinition& setting : KnownSettings()) {
            QCOMPARE(settings.stored(setting.key), std::optional<QString>(setting.defaultValue));
            QVERIFY2(SettingValueProblem(setting.key, setting.defaultValue).isEmpty(),
                     qPrintable(setting.key));
        }
        // Loading and saving without a change leaves the file byte for byte.
        const std::optional<IniFile> file = IniFile::load(path);
        QVERIFY(file);
        QVERIFY(file->save(path));
        QCOMPARE(readAll(path), written);
    }

    void aValueOutsideItsFormGivesTheDefaultAndSaysWhy() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Orva.ini"));
        writeFile(path, "[Update]\n"
                        "TimeoutSeconds=3000000\n"
                        "PrimaryHost=http://updates.example/?x=\n"
                        "FallbackHost=http://updates.example#top\n"
                        "[News]\n"
                        "TimeoutSeconds=0\n"
                        "Port=65536\n"
                        "Server=news.example\n"
                        "[Mail]\n"
                        "SmtpSecurity=STARTTLS\n"
                        "SmtpPort=\n"
                        "[Internet]\n"
                        "EservicesBase=\n"
                        "[Portals]\n"
                        "TaxisSsoHost=ftp://login.example\n"
                        "IkaAppsHost=http://apps.example:8080\n"
                        "[Links]\n"
                        "Link4=not an address\n"
                        "Link5=/own/page\n"
                        "[Support]\n"
                        "StopCommand=pkill \"-f x\n");
        const IniSettings settings(path);
        const auto refused = [&](const char* key, const char* problemWord) {
            const QString name = QString::fromLatin1(key);
            QCOMPARE(settings.value(name), DefaultSettingValue(name));
            QVERIFY2(settings.problem(name).contains(QString::fromUtf8(problemWord)),
                     qPrintable(name + u": "_s + settings.problem(name)));
        };
        refused("Update/TimeoutSeconds", "από 1 έως 300 δευτερόλεπτα");
        refused("Update/PrimaryHost", "«?» ή «#»");
        refused("Update/FallbackHost", "«?» ή «#»");
        refused("News/TimeoutSeconds", "από 1 έως 300");
        refused("News/Port", "από 1 έως 65535");
        refused("Internet/EservicesBase", "κενή");
        refused("Portals/TaxisSsoHost", "http:// ή https://");
        refused("Links/Link4", "δεν είναι διεύθυνση");
        refused("Support/StopCommand", "εισαγωγικά");

        const auto kept = [&](const char* key, const QString& value) {
            const QString name = QString::fromLatin1(key);
            QCOMPARE(settings.value(name), value);
            QCOMPARE(settings.problem(name), QString());
        };
        kept("News/Server", u"news.example"_s);
        kept("Mail/SmtpSecurity", u"STARTTLS"_s);
        kept("Mail/SmtpPort", QString());
        kept("Portals/IkaAppsHost", u"http://apps.example:8080"_s);
        kept("Links/Link5", u"/own/page"_s);
        // A key that is not in the file has no problem and gives its default.
        kept("Update/UpdaterProgram", DefaultSettingValue(u"Update/UpdaterProgram"_s));
    }

    void aPlainHttpSiteThatReceivesCredentialsIsNoticed() {
        const SettingForm& login = FindSetting(u"Portals/TaxisSsoHost"_s)->form;
        QVERIFY(SendsCredentialsUnencrypted(login, u"http://login.example"_s));
        QVERIFY(SendsCredentialsUnencrypted(login, u" HTTP://login.example "_s));
        QVERIFY(!SendsCredentialsUnencrypted(login, u"https://login.example"_s));
        QVERIFY(
            !SendsCredentialsUnencrypted(FindSetting(u"Update/PrimaryHost"_s)->form, u"http://u.example"_s));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
