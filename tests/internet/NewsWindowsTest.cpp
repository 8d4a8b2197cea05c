#include "BrowserProbe.h"
#include "LatinSentences.h"
#include "LoopbackServer.h"
#include "MainTestSupport.h"
#include "NewsTables.h"
#include "PostgresCluster.h"
#include "PrinterScript.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/files/ApplicationRecord.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/internet/WebEngineSetup.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/InternetSwitch.h"
#include "windows/core/Lbenter.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/internet/InterLinks.h"
#include "windows/internet/News.h"
#include "windows/internet/NewsKeim.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPdfDocument>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QWebEngineView>

namespace {

constexpr int Patience = 30000;
const QString Code = QStringLiteral("AB123");

QString Quoted(const QString& text) {
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

QString Item(int record, const QString& title, int priority, const QString& text = QStringLiteral("Κείμενο"),
             const QString& start = QStringLiteral("2024-03-01")) {
    return QStringLiteral("Insert Into Vnews Values (%1,%2,%3,'%4','2030-01-01','',%5,1)")
        .arg(record)
        .arg(Quoted(title), Quoted(text), start)
        .arg(priority);
}

// Clicks the character of the text box at the position, as the user would.
void ClickCharacter(QTextEdit* edit, int position) {
    QTextCursor cursor(edit->document());
    cursor.setPosition(position);
    const QRect caret = edit->cursorRect(cursor);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, caret.center() + QPoint(3, 0));
}

} // namespace

// The news strip of the main window and its article windows, against a PostgreSQL server
// of the test's own through the ODBC driver.
class NewsWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(m_cluster.start(QStringLiteral("news"), &error), qPrintable(error));
        QVERIFY2(m_cluster.exec(NewsTableStatements(), &error), qPrintable(error));
    }

    void init() {
        QString error;
        QVERIFY2(
            m_cluster.exec(
                {QStringLiteral("Delete From Vnews"), QStringLiteral("Delete From ReadingTracing")}, &error),
            qPrintable(error));
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        m_settings = &InstallDefaultSettings();
        InstallFixedClock(QDateTime(QDate(2024, 3, 15), QTime(11, 30)));
        const NewsServer server = m_cluster.newsServer();
        m_settings->set(QStringLiteral("News/Server"), server.server);
        m_settings->set(QStringLiteral("News/Port"), server.port);
        m_settings->set(QStringLiteral("News/Driver"), server.driver);
        m_settings->set(QStringLiteral("News/Database"), server.database);
        m_settings->set(QStringLiteral("News/User"), server.user);
        m_settings->set(QStringLiteral("News/Password"), server.password);
        m_settings->set(QStringLiteral("News/Options"), QString());
        m_settings->set(QStringLiteral("News/TimeoutSeconds"), QStringLiteral("5"));
        RegisterWindows();
        WindowCatalogue::addModal(QStringLiteral("Lbenter"),
                                  [](QWidget* parent) { return new AcceptAtOnceDialog(parent); });
    }
    void cleanup() {
        m_main.reset();
        ReleaseUserLock();
        m_folder.reset();
    }

    void withoutANewsServerTheStripSaysSoAndNeverTries() {
        m_settings->set(QStringLiteral("News/Server"), QString());
        News* news = startMain(true);
        QVERIFY(news);
        QCOMPARE(m_main->dockWidgetArea(news), Qt::BottomDockWidgetArea);
        QVERIFY(news->isVisible());
        QCOMPARE(news->windowTitle(), QStringLiteral("Επικοινωνία με την Tavrinex"));
        auto* note = news->findChild<QLabel*>(QStringLiteral("NewsNote"));
        QVERIFY(note->isVisible());
        QVERIFY(note->text().startsWith(QStringLiteral("Δεν έχει οριστεί διακομιστής ειδήσεων")));
        QVERIFY(!news->findChild<QToolButton*>(QStringLiteral("IntImg"))->isEnabled());
        QVERIFY(!news->findChild<QToolButton*>(QStringLiteral("RefImg"))->isEnabled());
        QCOMPARE(news->timerInterval(), 0);
        QSignalSpy refreshed(news, &News::refreshed);
        news->refresh();
        news->tick();
        QVERIFY(refreshed.isEmpty());
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void theWorkDateWindowsSwitchStartsAndStopsTheNewsTimer() {
        News* news = startMain(false);
        QVERIFY(news);
        auto* intImg = news->findChild<QToolButton*>(QStringLiteral("IntImg"));
        auto* refImg = news->findChild<QToolButton*>(QStringLiteral("RefImg"));
        QCOMPARE(news->timerInterval(), 0);
        QVERIFY(!intImg->isEnabled() && !refImg->isEnabled());

        Lbenter window(m_main.get());
        window.show();
        auto* box = window.findChild<QCheckBox*>(QStringLiteral("InterEnable"));
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(news->timerInterval(), 30000);
        QVERIFY(intImg->isEnabled() && refImg->isEnabled());
        QCOMPARE(intImg->toolTip(), QStringLiteral("Παύση Ενημέρωσης"));
        QCOMPARE(refImg->toolTip(), QStringLiteral("Ανανέωση"));
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(news->timerInterval(), 0);
        QVERIFY(!intImg->isEnabled() && !refImg->isEnabled());
        window.reject();
    }

    void anInstallationWithTheInternetOnStartsTheTimerAtStartUp() {
        News* news = startMain(true);
        QVERIFY(news);
        QCOMPARE(news->timerInterval(), 30000);
        QVERIFY(news->updatingOn());
    }

    void theFirstTickListsTheItemsAndPopsUpTheImportantOnes() {
        QString error;
        QVERIFY2(m_cluster.exec(
                     {Item(1, "Συνηθισμένο", 1), Item(2, "Σημαντικό", 6), Item(3, "Επείγον", 7),
                      Item(4, "Δεύτερο σημαντικό", 6, QStringLiteral("x"), QStringLiteral("2024-02-01"))},
                     &error),
                 qPrintable(error));
        News* news = startMain(true);
        QVERIFY(news);
        QSignalSpy refreshed(news, &News::refreshed);
        news->tick();
        QCOMPARE(refreshed.size(), 1);
        QCOMPARE(refreshed.first().first().toBool(), true);
        QCOMPARE(news->timerInterval(), 60000);
        auto* list = news->findChild<QListWidget*>(QStringLiteral("NewsLst"));
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Επείγον 01/03/2024"));
        QCOMPARE(news->listedRecords(), (QList<int>{3, 2, 4, 1}));
        QStringList popped;
        for (ChildWindow* window : m_main->mdi()->childWindows())
            popped << window->findChild<QLabel*>(QStringLiteral("ThemLbl"))->text();
        QCOMPARE(popped, (QStringList{"Θέμα:Επείγον", "Θέμα:Σημαντικό"}));
        QCOMPARE(traceCount(), 2);
        QCOMPARE(news->findChild<QLineEdit*>(QStringLiteral("Recno"))->text(), QStringLiteral("2"));
        QVERIFY(!news->findChild<QLabel*>(QStringLiteral("NewsNote"))->isVisible());
    }

    void theServerStoppingMidRunPausesTheUpdating() {
        QString error;
        QVERIFY(m_cluster.exec({Item(1, "Ένα", 1)}, &error));
        News* news = startMain(true);
        QVERIFY(news);
        news->tick();
        auto* list = news->findChild<QListWidget*>(QStringLiteral("NewsLst"));
        QCOMPARE(list->count(), 1);
        auto* intImg = news->findChild<QToolButton*>(QStringLiteral("IntImg"));

        QVERIFY(m_cluster.stop());
        QSignalSpy refreshed(news, &News::refreshed);
        QTest::mouseClick(news->findChild<QToolButton*>(QStringLiteral("RefImg")), Qt::LeftButton);
        QCOMPARE(refreshed.size(), 1);
        QCOMPARE(refreshed.first().first().toBool(), false);
        QVERIFY(!news->updatingOn());
        QCOMPARE(news->timerInterval(), 0);
        QCOMPARE(intImg->toolTip(), QStringLiteral("Εναρξη Ενημέρωσης"));
        QVERIFY(news->findChild<QLabel*>(QStringLiteral("NewsNote"))->isVisible());
        QCOMPARE(list->count(), 1);
        QVERIFY(m_dialogs->boxes.isEmpty());
        // An article cannot be had either: a box, no window.
        QVERIFY(!NewsKeim::open(1));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        const MessageBox box = m_dialogs->boxes.first();
        QVERIFY(box.text.startsWith(
            QStringLiteral("Το άρθρο δεν μπορεί να ανοίξει.\r\nΟ διακομιστής ειδήσεων «")));
        QVERIFY2(box.text.contains(QStringLiteral("» δεν απαντά.")), qPrintable(box.text));
        // The driver's English is there for support, under «Λεπτομέρειες» alone.
        QVERIFY2(LatinSentences(box.text).isEmpty(), qPrintable(box.text));
        QVERIFY2(!LatinSentences(box.details).isEmpty(), qPrintable(box.details));
        // The strip tells the same cause in Greek.
        const QString note = news->findChild<QLabel*>(QStringLiteral("NewsNote"))->text();
        QVERIFY2(note.contains(QStringLiteral("δεν απαντά")), qPrintable(note));
        QVERIFY2(LatinSentences(note).isEmpty(), qPrintable(note));
        QVERIFY(m_main->mdi()->childWindows().isEmpty());

        QVERIFY2(m_cluster.restart(&error), qPrintable(error));
        QTest::mouseClick(intImg, Qt::LeftButton);
        QVERIFY(news->updatingOn());
        QCOMPARE(news->timerInterval(), 60000);
        QCOMPARE(intImg->toolTip(), QStringLiteral("Παύση Ενημέρωσης"));
        QTest::mouseClick(intImg, Qt::LeftButton);
        QVERIFY(!news->updatingOn());
    }

    void anArticleOpensFromTheListAndItsLinkOpensInTheLinksBrowser() {
        LoopbackServer site;
        site.handler = [](const LoopbackServer::Request&) {
            return LoopbackServer::html(
                LoopbackServer::page(QStringLiteral("Άρθρο"), QStringLiteral("<p>ΦΠΑ</p>")));
        };
        QVERIFY(site.listen());
        const QString link = site.base() + QStringLiteral("/fpa");
        const QString body =
            QStringLiteral(
                "{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f0\\fcharset161 Tahoma;}}"
                "{\\colortbl ;\\red0\\green0\\blue255;}\\f0 \\'c1\\'eb\\'eb\\'e1\\'e3\\'de "
                "\\b \\'d6\\'d0\\'c1\\b0 : \\cf1\\ul %1\\cf0\\ulnone  \\'f4\\'e5\\'eb\\'ef\\'f2.\\par}")
                .arg(link);
        QString error;
        QVERIFY(m_cluster.exec({Item(5, "Αλλαγές ΦΠΑ ", 1, body)}, &error));
        News* news = startMain(true);
        QVERIFY(news);
        news->refresh();
        auto* list = news->findChild<QListWidget*>(QStringLiteral("NewsLst"));
        QCOMPARE(list->count(), 1);
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Return);
        auto* article = qobject_cast<NewsKeim*>(m_main->mdi()->findChildWindow(QStringLiteral("NewsKeim")));
        QVERIFY(article);
        QCOMPARE(article->findChild<QLabel*>(QStringLiteral("ThemLbl"))->text(),
                 QStringLiteral("Θέμα:Αλλαγές ΦΠΑ "));
        QTextEdit* text = article->text();
        QCOMPARE(text->toPlainText(), QStringLiteral("Αλλαγή ΦΠΑ: %1 τελος.\n").arg(link));
        QCOMPARE(traceCount(), 1);

        // A click on plain text opens nothing; a click on the link opens it.
        ClickCharacter(text, 2);
        QVERIFY(!m_main->mdi()->findChildWindow(QStringLiteral("InterLinks")));
        ClickCharacter(text, int(text->toPlainText().indexOf(QStringLiteral("/fpa"))));
        QCOMPARE(Program.LinkToOpen, link);
        auto* links = qobject_cast<InterLinks*>(m_main->mdi()->findChildWindow(QStringLiteral("InterLinks")));
        QVERIFY(links);
        QVERIFY(BrowserProbe::WaitForAddress(links->browser(), link));
        QVERIFY(!text->textCursor().hasSelection());
    }

    void anArticleIsSavedAsTextInTheNewsFolderAndPrinted() {
        QString error;
        QVERIFY(m_cluster.exec(
            {Item(6, "Δώρο Πάσχα 2024/25", 1, QStringLiteral("Πρώτη γραμμή\nΔεύτερη γραμμή"))}, &error));
        QVERIFY(startMain(true));
        NewsKeim* article = NewsKeim::open(6);
        QVERIFY(article);
        const QString proposed = m_folder->file(QStringLiteral("News/Δώρο Πάσχα 2024-25.Txt"));

        const QString chosen = m_folder->file(QStringLiteral("News/δώρο.txt"));
        m_dialogs->fileNames << chosen;
        QTest::mouseClick(article->findChild<QPushButton*>(QStringLiteral("SaveBut")), Qt::LeftButton);
        QCOMPARE(m_dialogs->fileRequests.size(), 1);
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, proposed);
        QFile saved(chosen);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), QStringLiteral("Πρώτη γραμμή\nΔεύτερη γραμμή"));

        // Printing: cancelled prints nothing; F10 prints as the button does.
        QSignalSpy printed(article, &NewsKeim::printed);
        QTest::mouseClick(article->findChild<QPushButton*>(QStringLiteral("PrtBut")), Qt::LeftButton);
        QCOMPARE(m_dialogs->printerSetups, 1);
        QVERIFY(printed.isEmpty());
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("article.pdf"));
        AcceptPrinterIntoPdf(*m_dialogs, pdf);
        article->text()->setFocus();
        QTest::keyClick(article->text(), Qt::Key_F10);
        QCOMPARE(m_dialogs->printerSetups, 2);
        QCOMPARE(printed.size(), 1);
        QPdfDocument document;
        QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
        QCOMPARE(document.pageCount(), 1);
        QVERIFY(document.getAllText(0).text().contains(QStringLiteral("Δεύτερη")));

        QTest::keyClick(article->text(), Qt::Key_Escape);
        QTRY_VERIFY(!m_main->mdi()->findChildWindow(QStringLiteral("NewsKeim")));
    }

    void aBlankArticleIsNeitherSavedNorPrinted() {
        QString error;
        QVERIFY(m_cluster.exec({Item(7, "Κενό", 1, QStringLiteral("  \n "))}, &error));
        QVERIFY(startMain(true));
        NewsKeim* article = NewsKeim::open(7);
        QVERIFY(article);
        article->save();
        article->print();
        QVERIFY(m_dialogs->fileRequests.isEmpty());
        QCOMPARE(m_dialogs->printerSetups, 0);
        QVERIFY(!NewsKeim::open(8));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->boxes.first().text.contains(QStringLiteral("δεν υπάρχει")));
    }

    // Each refresh pops the important item up again: the one window comes to the front, and
    // the reading is traced once.
    void anArticleAlreadyOpenComesToTheFrontAndIsTracedOnce() {
        QString error;
        QVERIFY(m_cluster.exec({Item(1, "Σημαντικό", 6), Item(2, "Άλλο", 1)}, &error));
        News* news = startMain(true);
        QVERIFY(news);
        for (int refresh = 0; refresh < 3; ++refresh)
            news->refresh();
        QCOMPARE(articles().size(), 1);
        QCOMPARE(traceCount(), 1);
        NewsKeim* other = NewsKeim::open(2);
        QVERIFY(other);
        QCOMPARE(m_main->mdi()->activeSubWindow(), other->subWindow());
        NewsKeim* again = NewsKeim::open(1);
        QCOMPARE(again, articles().first());
        QCOMPARE(m_main->mdi()->activeSubWindow(), again->subWindow());
        QCOMPARE(articles().size(), 2);
        QCOMPARE(traceCount(), 2);
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void atMostSixArticlesAreOpen() {
        QString error;
        QStringList items;
        for (int record = 1; record <= 8; ++record)
            items << Item(record, QStringLiteral("Θέμα %1").arg(record), record == 8 ? 6 : 1);
        QVERIFY(m_cluster.exec(items, &error));
        News* news = startMain(true);
        QVERIFY(news);
        for (int record = 1; record <= 6; ++record)
            QVERIFY(NewsKeim::open(record));
        QVERIFY(!NewsKeim::open(7));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->boxes.first().text.contains(QStringLiteral("Κλείστε ένα από αυτά")));
        // A pop-up of the refresh is left out without a word.
        news->refresh();
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(articles().size(), NewsKeim::MostOpen);
        QCOMPARE(traceCount(), 6);
        // One closed makes room again.
        articles().first()->closeWindow();
        QTRY_COMPARE(articles().size(), 5);
        QVERIFY(NewsKeim::open(7));
        QCOMPARE(traceCount(), 7);
    }

    void thePrinterChosenIsKeptForTheRun() {
        QString error;
        QVERIFY(m_cluster.exec({Item(1, "Πρώτο", 1), Item(2, "Δεύτερο", 1)}, &error));
        QVERIFY(startMain(true));
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("articles.pdf"));
        m_dialogs->printerAnswers = {true, true};
        QList<QPageLayout::Orientation> offered;
        QStringList offeredFiles;
        QList<int> offeredCopies;
        m_dialogs->onPrinterAccepted = [&](const PrintDialogRequest& request) {
            // What the dialog opens with, then what the user chooses the first time.
            offered << request.printer->pageLayout().orientation();
            offeredFiles << request.printer->outputFileName();
            offeredCopies << request.printer->copyCount();
            if (offered.size() == 1) {
                request.printer->setOutputFormat(QPrinter::PdfFormat);
                request.printer->setOutputFileName(pdf);
                request.printer->setPageOrientation(QPageLayout::Landscape);
                request.printer->setCopyCount(2);
            }
        };
        NewsKeim* first = NewsKeim::open(1);
        QVERIFY(first);
        first->print();
        first->closeWindow();
        NewsKeim* second = NewsKeim::open(2);
        QVERIFY(second);
        QFile::remove(pdf);
        second->print();
        QCOMPARE(m_dialogs->printerSetups, 2);
        QCOMPARE(offeredFiles.at(1), pdf);
        QCOMPARE(offered.at(1), QPageLayout::Landscape);
        QCOMPARE(offeredCopies.at(1), 2);
        QPdfDocument document;
        QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
        QVERIFY(document.getAllText(0).text().contains(QStringLiteral("Κείμενο")));
        const QSizeF page = document.pagePointSize(0);
        QVERIFY(page.width() > page.height());
    }

private:
    QList<NewsKeim*> articles() const {
        QList<NewsKeim*> open;
        for (ChildWindow* window : m_main->mdi()->childWindows()) {
            if (auto* article = qobject_cast<NewsKeim*>(window))
                open << article;
        }
        return open;
    }

    // Starts the main window on the test's folder, with the internet switch as given.
    News* startMain(bool internet) {
        QFile record(m_folder->file(QStringLiteral("Appl.Bt")));
        if (record.open(QIODevice::ReadWrite)) {
            record.seek(ApplicationRecord::InternetEnabledOffset);
            record.write(QByteArray(1, internet ? '\1' : '\0'));
            record.close();
        }
        Program.InstallationCode = Code;
        m_main = std::make_unique<Main>();
        m_main->resize(1200, 900);
        m_main->show();
        if (!QTest::qWaitFor([this] { return m_main->firstActivationDone(); }, 10000))
            return nullptr;
        Program.InstallationCode = Code;
        return m_main->findChild<News*>(QStringLiteral("News"));
    }

    int traceCount() const {
        QString error;
        NewsConnection connection(m_cluster.newsServer());
        if (!connection.open(&error))
            return -1;
        QSqlQuery query(connection.database());
        return query.exec(QStringLiteral("Select Count(*) From ReadingTracing")) && query.next()
                   ? query.value(0).toInt()
                   : -1;
    }

    PostgresCluster m_cluster;
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    DefaultSettings* m_settings = nullptr;
    std::unique_ptr<Main> m_main;
};

ORVA_BROWSER_TEST_MAIN(NewsWindowsTest)

#include "NewsWindowsTest.moc"
