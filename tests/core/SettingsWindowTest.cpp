// «Ρυθμίσεις Εγκατάστασης»: the settings of Orva.ini shown by section with their help, what
// is typed checked and written so that it reads back identical, the user's own lines kept,
// and a saved setting used at once by the running program.
#include "LatinSentences.h"
#include "ModalDriver.h"
#include "RunningMain.h"
#include "logic/core/files/IniFile.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "windows/core/RythmEgk.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Types over the field's text as a user does: everything selected, the new text put in.
void Type(RythmEgk& window, const QString& key, const QString& text) {
    QLineEdit* edit = window.field(key);
    QVERIFY2(edit, qPrintable(key));
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

QLabel* Problem(const RythmEgk& window, const QString& key) {
    return window.findChild<QLabel*>(key + u"/Problem"_s);
}

void Save(RythmEgk& window) {
    QTest::mouseClick(window.findChild<QPushButton*>(u"SaveBut"_s), Qt::LeftButton);
}

} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        m_ini = m_folder->file(u"Orva.ini"_s);
    }
    void cleanup() { m_folder.reset(); }

    void everySettingIsShownInItsSectionWithItsHelpAndWhatTheFileHolds() {
        std::optional<IniFile> file = IniFile::load(m_ini);
        file->setValue(u"News"_s, u"Options"_s, u"TDS_Version=7.4;ClientCharset=UTF-8"_s);
        file->setValue(u"Update"_s, u"TimeoutSeconds"_s, u"3000000"_s);
        QVERIFY(file->save(m_ini));
        RythmEgk window;
        window.show();
        QCOMPARE(window.windowTitle(), u"Ρυθμίσεις Εγκατάστασης"_s);
        auto* sections = window.findChild<QListWidget*>(u"Sections"_s);
        QStringList captions;
        for (int i = 0; i < sections->count(); ++i)
            captions << sections->item(i)->text();
        QVERIFY2(captions.contains(u"Ενημέρωση προγράμματος [Update]"_s), qPrintable(captions.join(u'|')));
        QVERIFY(captions.contains(u"Ειδήσεις της Tavrinex [News]"_s));
        for (const SettingDefinition& setting : KnownSettings()) {
            QLineEdit* edit = window.field(setting.key);
            QVERIFY2(edit, qPrintable(setting.key));
            const auto* help = window.findChild<QLabel*>(setting.key + u"/Help"_s);
            QVERIFY(help->text().startsWith(setting.comment));
        }
        QCOMPARE(window.field(u"News/Options"_s)->text(), u"TDS_Version=7.4;ClientCharset=UTF-8"_s);
        QCOMPARE(window.field(u"Update/TimeoutSeconds"_s)->text(), u"3000000"_s);
        QVERIFY(
            window.findChild<QLabel*>(u"Update/TimeoutSeconds/Help"_s)->text().endsWith(u"Προεπιλογή: 15"_s));
        QVERIFY(window.field(u"News/Password"_s)->echoMode() != QLineEdit::Normal);
        // The value the file holds is outside its range: the window says so and what is used.
        QVERIFY(!Problem(window, u"Update/TimeoutSeconds"_s)->isHidden());
        QVERIFY(Problem(window, u"Update/TimeoutSeconds"_s)->text().contains(u"από 1 έως 300"_s));
        QVERIFY(Problem(window, u"Update/TimeoutSeconds"_s)->text().contains(u"ισχύει η προεπιλογή"_s));
        QVERIFY(Problem(window, u"News/Options"_s)->isHidden());
    }

    void typedValuesAreWrittenSoThatTheyReadBackIdenticalAndTheUsersLinesStay() {
        const QByteArray own = "; Δικές μου σημειώσεις για την εγκατάσταση.\n[Office]\nPrinter=HP;2\n\n";
        WriteAll(m_ini, own + ReadAll(m_ini));
        const QMap<QString, QString> typed = {
            {u"News/Options"_s, u"TDS_Version=7.4;ClientCharset=UTF-8"_s},
            {u"News/Password"_s, u"  p,a;s\"s=#\\ "_s},
            {u"News/User"_s, u"Χρήστης «γραφείου»"_s},
            {u"News/Database"_s, u"\"Tavrinex\""_s},
            {u"Mail/SmtpMailLicense"_s, u"\\\\server\\share; ,"_s},
            {u"Update/TimeoutSeconds"_s, u"120"_s},
            {u"Links/Link3"_s, u"https://example.gr/a?b=1,2;c#d"_s},
        };
        RythmEgk window;
        window.show();
        for (auto it = typed.constBegin(); it != typed.constEnd(); ++it)
            Type(window, it.key(), it.value());
        Save(window);
        QVERIFY(m_dialogs->boxes.isEmpty());
        QVERIFY(!window.isVisible());

        const QByteArray written = ReadAll(m_ini);
        QVERIFY(written.startsWith(own));
        const IniSettings settings(m_ini);
        for (auto it = typed.constBegin(); it != typed.constEnd(); ++it) {
            QCOMPARE(settings.stored(it.key()), std::optional<QString>(it.value()));
            QCOMPARE(settings.value(it.key()), it.value());
        }
        // What was not typed is as it was, comment lines included.
        QCOMPARE(settings.value(u"News/Driver"_s), u"FreeTDS"_s);
        QVERIFY(written.contains(("; " + FindSetting(u"News/Options"_s)->comment + "\n").toUtf8()));
        // The program reads the new values without a restart.
        QCOMPARE(Services::settings().value(u"Update/TimeoutSeconds"_s), u"120"_s);
    }

    void aValueOutsideItsFormIsRefusedWithItsReasonAndNothingIsWritten() {
        const QByteArray before = ReadAll(m_ini);
        RythmEgk window;
        window.show();
        Type(window, u"Update/PrimaryHost"_s, u"http://updates.example/?v=1"_s);
        QVERIFY(Problem(window, u"Update/PrimaryHost"_s)->text().contains(u"«?» ή «#»"_s));
        Type(window, u"News/Port"_s, u"70000"_s);
        window.findChild<QListWidget*>(u"Sections"_s)->setCurrentRow(0);
        Save(window);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        const MessageBox box = m_dialogs->boxes.first();
        QCOMPARE(box.icon, MsgIcon::Warning);
        QVERIFY(box.text.contains(u"«Update/PrimaryHost»"_s));
        QVERIFY(
            box.text.contains(u"«News/Port»: Η τιμή «70000» δεν είναι ακέραιος αριθμός από 1 έως 65535."_s));
        QVERIFY2(LatinSentences(box.text).isEmpty(), qPrintable(LatinSentences(box.text).join(u'|')));
        QCOMPARE(ReadAll(m_ini), before);
        QVERIFY(window.isVisible());
        // The first wrong setting is brought into view for the user to mend.
        QCOMPARE(window.focusWidget(), window.field(u"Update/PrimaryHost"_s));

        QTest::mouseClick(window.findChild<QToolButton*>(u"News/Port/Default"_s), Qt::LeftButton);
        Type(window, u"Update/PrimaryHost"_s, u"https://updates.example"_s);
        Save(window);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(IniSettings(m_ini).value(u"Update/PrimaryHost"_s), u"https://updates.example"_s);
        QCOMPARE(IniSettings(m_ini).value(u"News/Port"_s), u"1433"_s);
    }

    void aLoginSiteOnPlainHttpIsKeptOnlyWhenTheUserConfirmsIt() {
        const QByteArray before = ReadAll(m_ini);
        RythmEgk window;
        window.show();
        Type(window, u"Portals/TaxisSsoHost"_s, u"http://login.example"_s);
        m_dialogs->answers = {MsgAnswer::No};
        Save(window);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().buttons, MsgButtons::YesNo);
        QCOMPARE(m_dialogs->boxes.first().defaultAnswer, MsgAnswer::No);
        QVERIFY(m_dialogs->boxes.first().text.contains(u"«http://login.example»"_s));
        QCOMPARE(ReadAll(m_ini), before);
        QVERIFY(window.isVisible());

        // A site that is told no credentials may be plain http without a question.
        Type(window, u"Update/PrimaryHost"_s, u"http://updates.example"_s);
        m_dialogs->answers = {MsgAnswer::Yes};
        Save(window);
        QCOMPARE(m_dialogs->boxes.size(), 2);
        QCOMPARE(IniSettings(m_ini).value(u"Portals/TaxisSsoHost"_s), u"http://login.example"_s);
        QCOMPARE(IniSettings(m_ini).value(u"Update/PrimaryHost"_s), u"http://updates.example"_s);
    }

    void leavingWithChangesAsksAndCanKeepThem() {
        RythmEgk window;
        window.show();
        Type(window, u"Mail/SmtpServer"_s, u"mail.example.gr"_s);
        m_dialogs->answers = {MsgAnswer::Cancel};
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        m_dialogs->answers = {MsgAnswer::Yes};
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(IniSettings(m_ini).value(u"Mail/SmtpServer"_s), u"mail.example.gr"_s);
    }

    void theAuxiliaryMenuOpensItAndASavedSettingIsUsedAtOnce() {
        m_folder.reset();
        RunningMain run;
        const QString ini = run.file(u"Orva.ini"_s);
        Services::install(std::make_unique<IniSettings>(ini));
        // The messages send the user to the window by the menu's own captions.
        const QString path = u"«%1 → %2»"_s.arg(run.main->findChild<QAction*>(u"Mnu1_2"_s)->text(),
                                                run.main->findChild<QAction*>(u"Mnu3_8"_s)->text());
        QCOMPARE(SettingsWindowPath(), path);
        auto* note = run.main->findChild<QLabel*>(u"NewsNote"_s);
        QVERIFY(note->text().contains(SettingsWindowPath()));

        ModalDriver driver;
        driver.run(
            [](QDialog* dialog) {
                auto* window = qobject_cast<RythmEgk*>(dialog);
                QVERIFY(window);
                Type(*window, u"Internet/EservicesBase"_s, u"https://EServices.example:443/"_s);
                Type(*window, u"News/Server"_s, u"news.example.gr"_s);
                Save(*window);
            },
            [&run] { run.main->findChild<QAction*>(u"Mnu3_8"_s)->trigger(); });
        QVERIFY(driver.drove());
        QCOMPARE(Program.EservicesBase, u"https://eservices.example"_s);
        QVERIFY(!note->text().contains(SettingsWindowPath()));
        QCOMPARE(IniSettings(ini).value(u"News/Server"_s), u"news.example.gr"_s);
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    QString m_ini;
};

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"
