#include "AscLines.h"
#include "OrvaCommand.h"
#include "RunningMain.h"
#include "logic/core/commandline/CommandLine.h"
#include "windows/core/ChildWindow.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowModules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The libraries of the browser engine and of what it stands on, of Qt PDF, and the program's
// own window libraries that link them.
const QRegularExpression
    HeavyLibrary(u"^lib(Qt6(WebEngine\\w*|Quick\\w*|Qml\\w*|Pdf\\w*)|orva_browser|orva_pdfview)\\.so"_s);

// The libraries this process has mapped, by file name.
QSet<QString> mappedLibraries() {
    QFile maps(u"/proc/self/maps"_s);
    QSet<QString> names;
    if (!maps.open(QIODevice::ReadOnly))
        return names;
    const QString text = QString::fromUtf8(maps.readAll());
    for (const QString& line : text.split(u'\n')) {
        const qsizetype slash = line.lastIndexOf(u'/');
        if (slash >= 0 && line.contains(u".so"_s))
            names.insert(line.mid(slash + 1));
    }
    return names;
}

// The graphics and the libraries opened on first use (the mail's, the office server's, the
// news'), none of which a command that writes no report calls.
const QRegularExpression GraphicsOrLateLibrary(
    u"^lib(Qt6(Gui|Widgets|PrintSupport|OpenGL)|curl|pq|odbc|archive|X11|xcb|fontconfig|freetype)\\.so"_s);

const QRegularExpression Widgets(u"^libQt6(Widgets|PrintSupport)\\.so"_s);

QStringList matching(const QSet<QString>& names, const QRegularExpression& pattern) {
    QStringList found;
    for (const QString& name : names) {
        if (pattern.match(name).hasMatch())
            found << name;
    }
    found.sort();
    return found;
}

QStringList heavyLibraries(const QSet<QString>& names) {
    return matching(names, HeavyLibrary);
}

// The libraries the dynamic loader loaded for a run of the program, as it tells them with
// LD_DEBUG=files: those the program links and those it opens on the way (plugins).
QSet<QString> loadedBy(const QStringList& arguments, int expectedExit, CommandRun* run) {
    qputenv("LD_DEBUG", "files");
    *run = RunOrva(arguments);
    qunsetenv("LD_DEBUG");
    QSet<QString> names;
    static const QRegularExpression file(
        u"\\bfile=(\\S+)\\s+\\[\\d+\\];\\s+(needed|dynamically loaded) by"_s);
    for (auto it = file.globalMatch(run->err); it.hasNext();)
        names.insert(it.next().captured(1).section(u'/', -1));
    if (!run->finished || run->exitCode != expectedExit)
        names.clear();
    return names;
}

QString messages;
QtMessageHandler previousHandler = nullptr;
void keepMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    messages += text + u'\n';
    if (previousHandler)
        previousHandler(type, context, text);
}

bool hostsBrowser(const QWidget* window) {
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (QByteArray(child->metaObject()->className()) == "QWebEngineView")
            return true;
    }
    return false;
}

} // namespace

// The program and its commands start without the browser engine and Qt PDF; the window that
// first needs them loads them, from the libraries beside the program. A command that writes
// no report, or a report with nothing to show, loads no graphics at all; a report with lines
// loads Qt's GUI library with the print engine, and no widget.
class BrowserLoadingTest : public QObject {
    Q_OBJECT
private slots:
    void commandsNeverLoadTheEngine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("report"); // one with lines to draw
        QTest::newRow("version") << QStringList{u"--version"_s} << 0 << false;
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << false;
        QTest::newRow("a command's help")
            << QStringList{u"report"_s, u"entries"_s, u"--help"_s} << 0 << false;
        QTest::newRow("import") << QStringList{u"import"_s} << 0 << false;
        QTest::newRow("pdf report") << QStringList{u"report"_s, u"employees"_s, u"--out"_s, u"e.pdf"_s} << 0
                                    << true;
        QTest::newRow("xlsx report") << QStringList{u"report"_s, u"employees"_s, u"--out"_s, u"e.xlsx"_s} << 0
                                     << true;
        QTest::newRow("report with nothing to show")
            << QStringList{u"history"_s, u"--out"_s, u"h.pdf"_s} << int(NothingFound) << false;
        QTest::newRow("backup") << QStringList{u"backup"_s} << 0 << false;
        QTest::newRow("check") << QStringList{u"check"_s} << 0 << false;
    }
    void commandsNeverLoadTheEngine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, report);
        TestDataFolder folder;
        // One employee, so that the reports have a line to draw.
        const QString asc = folder.file(u"employees.asc"_s);
        QFile file(asc);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            AscFileBytes({AscHeadingLine(), AscEmployeeLine(1, u"ΑΛΕΞΙΟΥ"_s, u"ΜΑΡΙΑ"_s, u"090000045"_s),
                          AscTotalsLine(1)}));
        file.close();
        if (arguments.first() == u"import")
            arguments << asc;
        else if (arguments.first() == u"backup") {
            QVERIFY(QDir().mkpath(folder.file(u"copies"_s)));
            arguments << folder.file(u"copies"_s);
        } else if (report)
            QCOMPARE(RunOrva({u"import"_s, asc, u"--data-dir"_s, folder.path()}).exitCode, 0);
        if (arguments.contains(u"--out"_s))
            arguments.last() = folder.file(arguments.last());
        arguments << u"--data-dir"_s << folder.path();
        CommandRun run;
        const QSet<QString> loaded = loadedBy(arguments, exitCode, &run);
        QVERIFY2(run.finished && run.exitCode == exitCode, qPrintable(run.out + run.err.right(2000)));
        QVERIFY2(loaded.contains(u"libQt6Core.so.6"_s), "the loader did not tell what it loaded");
        QCOMPARE(heavyLibraries(loaded), QStringList());
        if (report) {
            QVERIFY(loaded.contains(u"libQt6Gui.so.6"_s));
            QCOMPARE(matching(loaded, Widgets), QStringList());
            QVERIFY(QFileInfo(arguments.at(arguments.indexOf(u"--out"_s) + 1)).size() > 0);
        } else
            QCOMPARE(matching(loaded, GraphicsOrLateLibrary), QStringList());
    }

    void theWindowLoadsTheEngineWhenABrowserFirstOpens() {
        messages.clear();
        previousHandler = qInstallMessageHandler(keepMessages);
        {
            RunningMain running;
            // The main window and the work-date window are up, without the engine or Qt PDF.
            QCOMPARE(heavyLibraries(mappedLibraries()), QStringList());
            QVERIFY(!WindowModules::isLoaded(WindowModules::Browser));

            // The manual's PDF viewer loads Qt PDF, not the engine.
            ChildWindow* manual = running.main->mdi()->openChild(u"EnhXrh"_s);
            QVERIFY(manual);
            QCOMPARE(manual->objectName(), u"EnhXrh"_s);
            QStringList loaded = heavyLibraries(mappedLibraries());
            QVERIFY2(loaded.contains(u"liborva_pdfview.so"_s), qPrintable(loaded.join(u' ')));
            QVERIFY2(loaded.filter(u"libQt6WebEngineCore.so"_s).isEmpty(), qPrintable(loaded.join(u' ')));

            ChildWindow* links = running.main->mdi()->openChild(u"InterLinks"_s);
            QVERIFY(links);
            QCOMPARE(links->objectName(), u"InterLinks"_s);
            QVERIFY(WindowModules::isLoaded(WindowModules::Browser));
            loaded = heavyLibraries(mappedLibraries());
            QVERIFY2(loaded.contains(u"liborva_browser.so"_s), qPrintable(loaded.join(u' ')));
            QVERIFY2(!loaded.filter(u"libQt6WebEngineCore.so"_s).isEmpty(), qPrintable(loaded.join(u' ')));
            // The links window shows its page in a browser of the engine.
            QVERIFY(hostsBrowser(links));
            for (const MessageBox& box : running.dialogs.boxes)
                QVERIFY2(!box.text.contains(u"δεν μπορεί να ανοίξει"_s), qPrintable(box.text));
        }
        qInstallMessageHandler(previousHandler);
        // The engine found the OpenGL context it shares with the windows made for it (whether
        // the platform can make it is the platform's: offscreen cannot).
        QVERIFY(QOpenGLContext::globalShareContext());
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
        QVERIFY2(!messages.contains(u"initialized from a plugin"_s), qPrintable(messages));
    }
};

QTEST_MAIN(BrowserLoadingTest)
#include "BrowserLoadingTest.moc"
