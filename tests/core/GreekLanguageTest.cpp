// Orva speaks Greek on a machine whose locale is not Greek (the tests run under
// LANG=C.UTF-8): the start-up's preparation of the application sets the Greek locale and
// loads the Greek translation of Qt's own texts, which the real boxes and dialogs show.
#include "logic/core/text/GreekLanguage.h"
#include "LatinSentences.h"
#include "ModalDriver.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "shell/Commands.h"
#include "windows/core/WidgetDialogs.h"
#include "windows/records/Lbcalendar.h"

#include <QCalendarWidget>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

// What a modal dialog said to the user: its kind, the captions of its visible buttons
// (sorted, mnemonic marks removed), its labels and the titles of its groups.
struct SeenDialog {
    bool shown = false;
    QString className;
    QStringList buttons;
    QStringList labels;
    QStringList groups;
};

SeenDialog readAndClose(const std::function<void()>& show, const std::function<void(QDialog*)>& close) {
    SeenDialog seen;
    ModalDriver driver;
    driver.run(
        [&](QDialog* dialog) {
            seen.className = QString::fromLatin1(dialog->metaObject()->className());
            for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->isVisible())
                    seen.buttons << button->text().remove(QLatin1Char('&'));
            }
            std::sort(seen.buttons.begin(), seen.buttons.end());
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                seen.labels << label->text().remove(QLatin1Char('&'));
            for (const QGroupBox* group : dialog->findChildren<QGroupBox*>())
                seen.groups << group->title();
            close(dialog);
        },
        show);
    seen.shown = driver.drove();
    return seen;
}

void rejectIt(QDialog* dialog) {
    dialog->reject();
}

const char* joined(const QStringList& texts) {
    static QByteArray text;
    text = texts.join(QLatin1Char('|')).toUtf8();
    return text.constData();
}

} // namespace

class GreekLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The machine's own locale is not Greek; the program's must be regardless.
        QVERIFY(QLocale::system().language() != QLocale::Greek);
        PrepareApplication();
    }

    void localeIsGreek() {
        const QLocale locale;
        QCOMPARE(locale.language(), QLocale::Greek);
        QCOMPARE(locale.territory(), QLocale::Greece);
        QCOMPARE(locale.toString(1234.5, 'f', 2), QStringLiteral("1.234,50"));
        QCOMPARE(locale.standaloneMonthName(12), QStringLiteral("Δεκέμβριος"));
        QCOMPARE(locale.dayName(1), QStringLiteral("Δευτέρα"));
        QVERIFY(UseGreekLanguage()); // a second call keeps the one translator
    }

    void messageBoxButtonsReadGreek() {
        WidgetDialogs dialogs;
        MsgAnswer answer = MsgAnswer::Yes;
        SeenDialog seen = readAndClose(
            [&] {
                answer = dialogs.message({0,
                                          QStringLiteral("Επιβεβαίωση εξόδου"),
                                          QStringLiteral("Τέλος λειτουργίας προγράμματος"),
                                          MsgIcon::Question,
                                          MsgButtons::YesNo,
                                          MsgAnswer::No,
                                          {}});
            },
            [](QDialog* dialog) { static_cast<QMessageBox*>(dialog)->button(QMessageBox::No)->click(); });
        QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
        QCOMPARE(seen.buttons, (QStringList{QStringLiteral("Όχι"), QStringLiteral("Ναι")}));
        QCOMPARE(answer, MsgAnswer::No);

        seen = readAndClose(
            [&] {
                answer = dialogs.message({0,
                                          QStringLiteral("ΠΡΟΣΟΧΗ !!!"),
                                          QStringLiteral("Κείμενο"),
                                          MsgIcon::Critical,
                                          MsgButtons::YesNoCancel,
                                          MsgAnswer::Cancel,
                                          {}});
            },
            rejectIt);
        QCOMPARE(seen.buttons,
                 (QStringList{QStringLiteral("Άκυρο"), QStringLiteral("Όχι"), QStringLiteral("Ναι")}));
        QCOMPARE(answer, MsgAnswer::Cancel);

        seen = readAndClose(
            [&] {
                dialogs.message({0,
                                 QStringLiteral("ΠΡΟΣΟΧΗ"),
                                 QStringLiteral("Κείμενο"),
                                 MsgIcon::None,
                                 MsgButtons::Ok,
                                 MsgAnswer::Ok,
                                 {}});
            },
            rejectIt);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("Εντάξει")});
    }

    void aFailuresTechnicalTextWaitsUnderDetails() {
        // ShowFailure reaches the boxes through the service, as the program does.
        Services::install(std::make_unique<WidgetDialogs>());
        QString shownText;
        QString detailedText;
        const SeenDialog seen = readAndClose(
            [&] {
                ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"),
                            FileFailure(FileAction::Write, QStringLiteral("/no/such/folder/Prt.pdf"),
                                        QStringLiteral("No such file or directory")));
            },
            [&](QDialog* dialog) {
                auto* box = static_cast<QMessageBox*>(dialog);
                shownText = box->text();
                detailedText = box->detailedText();
                dialog->reject();
            });
        QVERIFY(seen.shown);
        QCOMPARE(seen.buttons, (QStringList{QStringLiteral("Εντάξει"), QStringLiteral("Λεπτομέρειες...")}));
        QVERIFY2(
            shownText.startsWith(QStringLiteral("Το αρχείο «/no/such/folder/Prt.pdf» δεν μπορεί να γραφτεί: "
                                                "ο φάκελος «/no/such/folder» δεν υπάρχει.")),
            qPrintable(shownText));
        QVERIFY2(LatinSentences(shownText).isEmpty(), qPrintable(shownText));
        QCOMPARE(detailedText, QStringLiteral("No such file or directory"));
    }

    void qtsOwnFileNetworkAndProcessTextsReadGreek() {
        QTemporaryDir folder;
        QSaveFile onAFolder(folder.path());
        QVERIFY(!onAFolder.open(QIODevice::WriteOnly));
        QCOMPARE(onAFolder.errorString(), QStringLiteral("Το όνομα είναι φάκελος, όχι αρχείο"));
        QFile folderAsFile(folder.path());
        QVERIFY(!folderAsFile.open(QIODevice::ReadOnly));
        QCOMPARE(folderAsFile.errorString(), QStringLiteral("το αρχείο που ανοίγει είναι φάκελος"));

        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QUrl address(QStringLiteral("http://127.0.0.1:%1/sse/orva/int.ver").arg(closed.serverPort()));
        closed.close();
        QNetworkAccessManager manager;
        std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(address)));
        QTRY_VERIFY(reply->isFinished());
        QCOMPARE(reply->error(), QNetworkReply::ConnectionRefusedError);
        QCOMPARE(reply->errorString(), QStringLiteral("Ο διακομιστής αρνήθηκε τη σύνδεση"));

        QProcess crashing;
        crashing.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("kill -KILL $$")});
        QVERIFY(crashing.waitForFinished(10000));
        QCOMPARE(crashing.error(), QProcess::Crashed);
        QCOMPARE(crashing.errorString(), QStringLiteral("Το πρόγραμμα τερματίστηκε απότομα"));
    }

    void calendarShowsGreekMonthAndDays() {
        Program.WorkDate = QDate(2026, 12, 8);
        Lbcalendar calendar;
        calendar.show();
        const auto* widget = calendar.findChild<QCalendarWidget*>(QStringLiteral("Calendar"));
        QVERIFY(widget);
        const auto* month = widget->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(month);
        QCOMPARE(month->text(), QStringLiteral("Δεκέμβριος"));
        // The week starts on Monday and the day headings are Greek.
        QCOMPARE(widget->firstDayOfWeek(), Qt::Monday);
        const QAbstractItemModel* days = widget->findChild<QTableView*>()->model();
        QStringList headings;
        for (int column = 0; column < days->columnCount(); ++column)
            headings << days->index(0, column).data().toString();
        QVERIFY2(headings.contains(QStringLiteral("Δευ")), qPrintable(headings.join(QLatin1Char(' '))));
        QVERIFY(headings.contains(QStringLiteral("Κυρ")));
    }

    void fileDialogReadsGreek() {
        QTemporaryDir dir;
        WidgetDialogs dialogs;
        const SeenDialog seen = readAndClose(
            [&] {
                dialogs.saveFileName({QStringLiteral("Ονομα αρχείου εκτύπωσης"),
                                      dir.filePath(QStringLiteral("Prt.Asc")),
                                      {QStringLiteral("Κείμενο (*.Asc)")}});
            },
            rejectIt);
        QCOMPARE(seen.className, QStringLiteral("QFileDialog"));
        QVERIFY2(seen.buttons.contains(QStringLiteral("Αποθήκευση")), joined(seen.buttons));
        QVERIFY(seen.buttons.contains(QStringLiteral("Άκυρο")));
        QVERIFY2(seen.labels.contains(QStringLiteral("Όνομα αρχείου:")), joined(seen.labels));
        QVERIFY(seen.labels.contains(QStringLiteral("Αρχεία τύπου:")));
    }

    void printDialogReadsGreek() {
        QPrinter printer;
        WidgetDialogs dialogs;
        const SeenDialog seen = readAndClose(
            [&] {
                dialogs.printerSetup({&printer, 1, 1, false});
            },
            rejectIt);
        QCOMPARE(seen.className, QStringLiteral("QPrintDialog"));
        QVERIFY2(seen.buttons.contains(QStringLiteral("Εκτύπωση")), joined(seen.buttons));
        QVERIFY(seen.buttons.contains(QStringLiteral("Άκυρο")));
        QVERIFY2(seen.groups.contains(QStringLiteral("Εκτυπωτής")), joined(seen.groups));
        QVERIFY(seen.groups.contains(QStringLiteral("Περιοχή εκτύπωσης")));
    }
};

QTEST_MAIN(GreekLanguageTest)
#include "GreekLanguageTest.moc"
