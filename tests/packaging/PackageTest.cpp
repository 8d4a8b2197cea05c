#include "DesktopRoot.h"
#include "VirtualDisplay.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

struct Run {
    int exitCode = -1;
    QString output; // standard output and error together
};

// Runs a program to its end (at most four minutes) with the environment given on top of ours.
Run run(const QString& program, const QStringList& arguments, const QMap<QString, QString>& environment = {},
        const QString& workingFolder = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    Run result;
    if (!process.waitForStarted(10000) || !process.waitForFinished(240000)) {
        result.output = program + QStringLiteral(": ") + process.errorString();
        process.kill();
        return result;
    }
    result.output = QString::fromUtf8(process.readAll());
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

QStringList entries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort(Qt::CaseInsensitive);
    return names;
}

// The control file's field, its continuation lines joined.
QString field(const QString& control, const QString& name) {
    const QRegularExpression line(QStringLiteral("^%1: (.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(control).captured(1);
}

// A run of screen rows holding red text (light red on white: the launcher's items), with the
// columns it spans.
struct TextBand {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    int width() const { return right - left + 1; }
};

QList<TextBand> RedTextBands(const QImage& screen) {
    QList<TextBand> bands;
    int lastRow = -10;
    for (int y = 0; y < screen.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        int left = -1;
        int right = -1;
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb pixel = pixels[x];
            if (qRed(pixel) >= 160 && qRed(pixel) - std::max(qGreen(pixel), qBlue(pixel)) >= 80) {
                left = left < 0 ? x : left;
                right = x;
            }
        }
        if (left < 0)
            continue;
        // Rows a few apart belong to one line of text (accents stand above the letters).
        if (y - lastRow > 3)
            bands << TextBand{y, y, left, right};
        TextBand& band = bands.last();
        band.bottom = y;
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
        lastRow = y;
    }
    return bands;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeScript(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

} // namespace

// The Debian package as CPack builds it from this build tree, checked with Debian's own tools,
// unpacked and started; and the installation media laid out from it.
class PackageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_work.isValid());
        const Run cpack = run(QStringLiteral(ORVA_CPACK),
                              {"-G", "DEB", "--config", QStringLiteral(ORVA_BUILD_DIR "/CPackConfig.cmake"),
                               "-B", work(QStringLiteral("package"))});
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
        m_package = work(QStringLiteral("package/" ORVA_DEB_FILE));
        QVERIFY2(QFile::exists(m_package), qPrintable(cpack.output));
        const Run unpack = run(QStringLiteral("dpkg-deb"), {"-x", m_package, work(QStringLiteral("root"))});
        QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));
    }

    void thePackageHoldsTheProgramTheShippedFilesAndWhatTheDesktopShows() {
        QVERIFY(QFileInfo(root(QStringLiteral("usr/bin/orva"))).isExecutable());
        // Every shipped file of the build, byte for byte.
        const QString built = QStringLiteral(ORVA_BUILD_DIR "/share/orva");
        QDirIterator it(built, QDir::Files, QDirIterator::Subdirectories);
        int shipped = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = QDir(built).relativeFilePath(file);
            QCOMPARE(readFile(root(QStringLiteral("usr/share/orva/") + relative)), readFile(file));
            ++shipped;
        }
        QVERIFY(shipped >= 2);
        for (const char* file :
             {"usr/share/applications/gr.orva.Orva.desktop", "usr/share/metainfo/gr.orva.Orva.metainfo.xml",
              "usr/share/doc/orva/copyright", "usr/share/doc/orva/changelog.gz",
              "usr/share/man/man1/orva.1.gz"})
            QVERIFY2(QFile::exists(root(QString::fromLatin1(file))), file);
        QVERIFY(readFile(root("usr/share/icons/hicolor/scalable/apps/orva.svg")).contains("<svg"));
        for (const int size : {48, 256}) {
            const QImage image(root(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/orva.png").arg(size)));
            QCOMPARE(image.size(), QSize(size, size));
        }
        const QString desktop =
            QString::fromUtf8(readFile(root("usr/share/applications/gr.orva.Orva.desktop")));
        QVERIFY(desktop.contains(QStringLiteral("\nName[el]=")));
        QVERIFY(desktop.contains(QStringLiteral("\nComment[el]=")));
        QVERIFY(desktop.contains(QStringLiteral("\nCategories=Office;")));
        QVERIFY(desktop.contains(QStringLiteral("\nExec=orva\n")));
    }

    // orva links nothing of Qt: it starts orva-gui or loads the commands' library of
    // usr/lib/orva, which links no graphics; a report with lines loads the report library
    // beside it, which links Qt's GUI library and no widget. orva-gui, which shows the windows,
    // links neither the browser engine nor Qt PDF: the windows that need them are in the
    // libraries of usr/lib/orva, which find each other there and take the engine along.
    void theProgramLoadsTheBrowserAndPdfWindowsFromItsLibraries() {
        const QRegularExpression heavy(QStringLiteral("Qt6(WebEngine|Quick|Qml|Pdf)"));
        const Run chooser = run(QStringLiteral("readelf"), {"-d", root("usr/bin/orva")});
        QCOMPARE(chooser.exitCode, 0);
        QVERIFY2(!chooser.output.contains(QStringLiteral("Qt6")), qPrintable(chooser.output));
        const Run commands = run(QStringLiteral("readelf"), {"-d", root("usr/lib/orva/liborva_commands.so")});
        QCOMPARE(commands.exitCode, 0);
        QVERIFY2(commands.output.contains(QStringLiteral("[libQt6Core.so.6]")), qPrintable(commands.output));
        QVERIFY2(!commands.output.contains(QRegularExpression(QStringLiteral("Qt6(Gui|Widgets)|curl|libpq"))),
                 qPrintable(commands.output));
        const Run reports =
            run(QStringLiteral("readelf"), {"-d", root("usr/lib/orva/liborva_report_commands.so")});
        QCOMPARE(reports.exitCode, 0);
        QVERIFY2(reports.output.contains(QStringLiteral("[libQt6Gui.so.6]")), qPrintable(reports.output));
        QVERIFY2(!reports.output.contains(
                     QRegularExpression(QStringLiteral("Qt6(Widgets|PrintSupport)|curl|libpq"))),
                 qPrintable(reports.output));
        QVERIFY2(!reports.output.contains(heavy), qPrintable(reports.output));
        // Installed, orva finds the commands' library in usr/lib/orva.
        const Run version = run(root("usr/bin/orva"), {"--version"});
        QVERIFY2(version.exitCode == 0 && version.output == QStringLiteral("Orva " ORVA_VERSION "\n"),
                 qPrintable(version.output));
        const Run program = run(QStringLiteral("readelf"), {"-d", root("usr/bin/orva-gui")});
        QCOMPARE(program.exitCode, 0);
        QVERIFY2(program.output.contains(QStringLiteral("libQt6Widgets.so.6")), qPrintable(program.output));
        QVERIFY2(!program.output.contains(heavy), qPrintable(program.output));
        const Run browser = run(QStringLiteral("readelf"), {"-d", root("usr/lib/orva/liborva_browser.so")});
        QCOMPARE(browser.exitCode, 0);
        for (const char* needed : {"[liborva_pdfview.so]", "[libQt6WebEngineWidgets.so.6]", "[$ORIGIN]"})
            QVERIFY2(browser.output.contains(QString::fromLatin1(needed)), needed);
        const Run pdf = run(QStringLiteral("readelf"), {"-d", root("usr/lib/orva/liborva_pdfview.so")});
        QVERIFY2(pdf.output.contains(QStringLiteral("[libQt6PdfWidgets.so.6]")), qPrintable(pdf.output));
    }

    // The launcher starts the installers beside it on the media; installed, it would answer
    // every item with "cannot run". The installed system gets no trace of it.
    void theInstalledSystemGetsNoLauncher() {
        QStringList found;
        QDirIterator it(work(QStringLiteral("root")), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const bool desktopEntry = path.endsWith(QStringLiteral(".desktop"));
            if (it.fileName().contains(QStringLiteral("strova"), Qt::CaseInsensitive) ||
                (desktopEntry && readFile(path).contains("strova")))
                found << QDir(work(QStringLiteral("root"))).relativeFilePath(path);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u' ')));
    }

    void theControlFileNamesTheLibrariesThePluginsTheFontsAndTheNewsDrivers() {
        const Run fields = run(QStringLiteral("dpkg-deb"), {"-f", m_package, "Package", "Version",
                                                            "Architecture", "Depends", "Recommends"});
        QCOMPARE(fields.exitCode, 0);
        QVERIFY2(fields.output.contains(QStringLiteral("Package: orva\n")), qPrintable(fields.output));
        QVERIFY(fields.output.contains(QStringLiteral("Version: " ORVA_VERSION "\n")));
        const QString depends = field(fields.output, QStringLiteral("Depends"));
        // From dpkg-shlibdeps, and what the program loads rather than links: the news strip
        // reads through Qt's ODBC driver whatever ODBC driver is set; libcurl (the mail) and
        // libpq (the office server) are opened when first needed.
        for (const char* dependency :
             {"libc6", "libqt6core6", "libqt6widgets6", "libqt6webenginecore6", "libqt6sql6-sqlite",
              "libqt6sql6-odbc", "qt6-qpa-plugins", "fonts-liberation2", "libcurl4", "libpq5", "libodbc2"})
            QVERIFY2(depends.contains(QString::fromLatin1(dependency)), dependency);
        // The driver of the maker's SQL Server, named FreeTDS in the shipped settings.
        QVERIFY2(field(fields.output, QStringLiteral("Recommends")).contains(QStringLiteral("tdsodbc")),
                 qPrintable(fields.output));
    }

    void lintianFindsNoErrors() {
        const Run lintian = run(QStringLiteral("lintian"), {"--tag-display-limit", "0", m_package});
        QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.output));
        QVERIFY2(!lintian.output.contains(
                     QRegularExpression(QStringLiteral("^E: "), QRegularExpression::MultilineOption)),
                 qPrintable(lintian.output));
    }

    void theDesktopEntryAndTheMetainfoValidate() {
        const Run validate = run(QStringLiteral("desktop-file-validate"),
                                 {root("usr/share/applications/gr.orva.Orva.desktop")});
        QVERIFY2(validate.exitCode == 0 && validate.output.trimmed().isEmpty(), qPrintable(validate.output));
        const Run metainfo =
            run(QStringLiteral("appstreamcli"),
                {"validate", "--no-net", root("usr/share/metainfo/gr.orva.Orva.metainfo.xml")});
        QVERIFY2(metainfo.exitCode == 0, qPrintable(metainfo.output));
    }

    void theUnpackedOrvaPreparesANewDataFolderFromItsOwnShare() {
        // A file only the unpacked share holds shows where the copies come from.
        QVERIFY(QDir().mkpath(root("usr/share/orva/News")));
        writeScript(root("usr/share/orva/News/Unpacked.txt"), "from the unpacked package\n");
        QVERIFY(QDir().mkpath(work("home")));
        QProcess orva;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), work("home"));
        env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--no-sandbox"));
        orva.setProcessEnvironment(env);
        orva.setProcessChannelMode(QProcess::ForwardedChannels);
        orva.start(root("usr/bin/orva"), {"--data-dir", work("data")});
        QVERIFY(orva.waitForStarted(10000));
        // Orva.ini is written last; the program then waits at its work-date window.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(work("data/Orva.ini")), 60000);
        QTest::qWait(500);
        const bool stillRunning = orva.state() == QProcess::Running;
        orva.kill();
        orva.waitForFinished(10000);
        QVERIFY2(stillRunning, "orva ended instead of waiting at its window");
        for (const char* file : {"Appl.Bt", "IntTvx.db", "Int.Bmp", "Orva.png", "News/Unpacked.txt"})
            QVERIFY2(QFile::exists(work("data/") + QString::fromLatin1(file)), file);
        QCOMPARE(readFile(work("data/Int.Bmp")), readFile(root("usr/share/orva/Int.Bmp")));
        QCOMPARE(readFile(work("data/News/Unpacked.txt")), QByteArray("from the unpacked package\n"));
    }

    // The database of that folder in the standard sqlite3 tool, with the Greek collation the
    // package ships, loaded by the line the README gives.
    void theShippedCollationLetsTheSqliteToolWriteAndCheckTheDatabase() {
        const QString database = work(QStringLiteral("data/IntTvx.db"));
        QVERIFY2(QFile::exists(database), "the database is made by the test before");
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(QStringLiteral("sqlite3"), {"-cmd", ".load " + root("usr/lib/orva/greek"), database});
        QVERIFY(tool.waitForStarted(10000));
        tool.write("Insert Into Ergaz Values ('123456789','Άννα','0');\nPragma integrity_check;\n");
        tool.closeWriteChannel();
        QVERIFY(tool.waitForFinished(60000));
        const QString output = QString::fromUtf8(tool.readAll());
        QVERIFY2(tool.exitCode() == 0 && output.trimmed() == QStringLiteral("ok"), qPrintable(output));
    }

    // The installed orva writes a report of that database: the report library is found in
    // usr/lib/orva too.
    void theInstalledCommandLineWritesAReport() {
        const QString out = work(QStringLiteral("employees.txt"));
        const Run report =
            run(root("usr/bin/orva"), {"report", "employees", "--out", out, "--data-dir", work("data")},
                {{QStringLiteral("HOME"), work("home")}});
        QVERIFY2(report.exitCode == 0, qPrintable(report.output));
        QVERIFY2(readFile(out).contains("123456789"), readFile(out).constData());
    }

    void theMediaHoldsTheLauncherWithItsLibrariesTheInstallerThePackageAndTheRecord() {
        const Run media = run(
            QStringLiteral(ORVA_CMAKE),
            {"-DPACKAGE=" + m_package, "-DMEDIA=" + work("media"), QStringLiteral("-DSTROVA=" ORVA_STROVA),
             QStringLiteral("-DPLUGINS=" ORVA_MEDIA_PLUGINS), QStringLiteral("-DSTRIP=" ORVA_STRIP),
             QStringLiteral("-DSETUP=" ORVA_SETUP_SCRIPT), QStringLiteral("-DRECORD_TOOL=" ORVA_MEDIA_RECORD),
             QStringLiteral("-DVERSION=" ORVA_VERSION), "-P", QStringLiteral(ORVA_MEDIA_SCRIPT)});
        QVERIFY2(media.exitCode == 0, qPrintable(media.output));
        QCOMPARE(entries(work("media")), (QStringList{"Appl.Bt", "Launcher", "Orva", "strova"}));
        QCOMPARE(entries(work("media/Orva")), (QStringList{"orva_" ORVA_VERSION ".deb", "SetUp"}));
        QVERIFY(QFileInfo(work("media/strova")).isExecutable());
        QCOMPARE(readFile(work("media/Orva/orva_" ORVA_VERSION ".deb")), readFile(m_package));
        const QByteArray record = readFile(work("media/Appl.Bt"));
        QCOMPARE(record.size(), 256);
        QCOMPARE(record.left(4), QByteArray("1.01"));
        QCOMPARE(record.mid(4, 4), QByteArray(4, '\0')); // internet off, no database server
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Z2-9]{5}$"))
                    .match(QString::fromLatin1(record.mid(8, 5)))
                    .hasMatch());
        // A stick formatted FAT keeps no links and no two names of a folder that differ in
        // case only.
        QDirIterator it(work("media"), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                        QDirIterator::Subdirectories);
        QMap<QString, QString> seen;
        while (it.hasNext()) {
            const QString path = it.next();
            QVERIFY2(!it.fileInfo().isSymLink(), qPrintable(path));
            const QString folded = path.toLower();
            QVERIFY2(!seen.contains(folded), qPrintable(path + QStringLiteral(" and ") + seen.value(folded)));
            seen.insert(folded, path);
        }
    }

    // The launcher on a desktop that has X and none of Qt: a root holding only the files of
    // the packages every Debian 12 desktop has for X (the C and C++ runtime, the X and OpenGL
    // client libraries, the fonts' configuration and DejaVu) and the launcher's part of the
    // media. There it starts on the desktop's X, here a virtual one, and draws its four items.
    void theMediasLauncherStartsOnADesktopThatHasNoQt() {
        QVERIFY2(QFileInfo(work("media/strova")).isExecutable(), "the media is laid out by the test before");
        const QString desktop = work(QStringLiteral("desktop"));
        const QString error = MakeDesktopRoot(
            desktop, {"libc6", "libgcc-s1", "libstdc++6", "libx11-6", "libx11-data", "libx11-xcb1", "libxcb1",
                      "libxau6", "libxdmcp6", "libbsd0", "libmd0", "libglvnd0", "libglx0", "libopengl0",
                      "libegl1", "fontconfig-config", "fonts-dejavu-core"});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(QDir(desktop).mkpath(QStringLiteral("media/orva")));
        const Run copy = run(QStringLiteral("cp"), {"-a", work("media/strova"), work("media/Launcher"),
                                                    work("media/Appl.Bt"), desktop + "/media/orva"});
        QVERIFY2(copy.exitCode == 0, qPrintable(copy.output));
        // Nothing of Qt but what the media brought.
        QDirIterator qt(desktop, {"libQt6*"}, QDir::Files, QDirIterator::Subdirectories);
        while (qt.hasNext())
            QVERIFY2(qt.next().startsWith(desktop + "/media/orva/Launcher/lib/"), qPrintable(qt.filePath()));

        VirtualDisplay display;
        const QString started = display.start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
        QProcess strova;
        QProcessEnvironment env;
        env.insert(QStringLiteral("DISPLAY"), display.name());
        env.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        strova.setProcessEnvironment(env);
        strova.setProcessChannelMode(QProcess::MergedChannels);
        const QStringList command = CommandInRoot(desktop, QStringLiteral("/media/orva/strova"));
        strova.start(command.constFirst(), command.mid(1));
        QVERIFY2(strova.waitForStarted(10000), qPrintable(strova.errorString()));

        QList<TextBand> items;
        QTRY_VERIFY_WITH_TIMEOUT((items = RedTextBands(display.grab())).size() == 4 ||
                                     strova.state() == QProcess::NotRunning,
                                 90000);
        const QString output = QString::fromLocal8Bit(strova.readAll());
        strova.terminate();
        strova.waitForFinished(10000);
        QVERIFY2(
            items.size() == 4,
            qPrintable(
                QStringLiteral("%1 rows of red text; the launcher said:\n%2").arg(items.size()).arg(output)));
        // Courier New's letters are all as wide: each item as long as its caption, the
        // database server's (48 letters) twice the program's (24), the exit's (6) the shortest.
        const double ratio = double(items.at(1).width()) / items.at(0).width();
        QVERIFY2(ratio > 1.8 && ratio < 2.2, qPrintable(QString::number(ratio)));
        for (int i : {0, 1, 2})
            QVERIFY(items.at(3).width() < items.at(i).width() / 3);
    }

    void theInstallerUsesAptAsRootAndPkexecOtherwiseInATerminal_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<int>("aptStatus");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("told");
        const QString install = QStringLiteral("install -y %1/Orva/orva_" ORVA_VERSION ".deb");
        QTest::newRow("root") << "0" << 0 << QStringList{"apt-get " + install} << "Το Orva εγκαταστάθηκε";
        QTest::newRow("a user") << "1000" << 0
                                << QStringList{"pkexec apt-get " + install, "apt-get " + install}
                                << "Το Orva εγκαταστάθηκε";
        QTest::newRow("a failure") << "0" << 100 << QStringList{"apt-get " + install}
                                   << "Η εγκατάσταση του Orva δεν ολοκληρώθηκε (κωδικός 100).";
    }
    void theInstallerUsesAptAsRootAndPkexecOtherwiseInATerminal() {
        QFETCH(QString, user);
        QFETCH(int, aptStatus);
        QFETCH(QStringList, calls);
        QFETCH(QString, told);
        QTemporaryDir media;
        const QString script = mediaWithInstaller(media.path());
        const QString tools = fakeTools(media.path(), user, aptStatus);
        // As the launcher starts it: read by the shell, from a stick that keeps no execute bit.
        const Run setUp = run(QStringLiteral("/bin/sh"), {script}, {{"PATH", tools}});
        QCOMPARE(setUp.exitCode, aptStatus);
        QVERIFY2(setUp.output.contains(told), qPrintable(setUp.output));
        QStringList expected{"x-terminal-emulator -e /bin/sh " + script + " --in-terminal"};
        for (const QString& call : calls)
            expected << call.arg(media.path());
        QCOMPARE(QString::fromUtf8(readFile(media.filePath(QStringLiteral("calls.log"))))
                     .split('\n', Qt::SkipEmptyParts),
                 expected);
    }

    void withoutPkexecAUserIsToldWhatToRun() {
        QTemporaryDir media;
        const QString script = mediaWithInstaller(media.path());
        const QString tools = fakeTools(media.path(), QStringLiteral("1000"), 0);
        QVERIFY(QFile::remove(QDir(tools).filePath(QStringLiteral("pkexec"))));
        const Run setUp = run(QStringLiteral("/bin/sh"), {script}, {{"PATH", tools}});
        QCOMPARE(setUp.exitCode, 1);
        QVERIFY2(setUp.output.contains(QStringLiteral("Χρειάζεται ο κωδικός του διαχειριστή")),
                 qPrintable(setUp.output));
        QVERIFY(!readFile(media.filePath(QStringLiteral("calls.log"))).contains("apt-get"));
    }

private:
    QString work(const QString& name) const { return QDir(m_work.path()).filePath(name); }
    QString root(const QString& name) const { return QDir(work(QStringLiteral("root"))).filePath(name); }

    // Orva/SetUp without its execute bit and a package beside it; returns the script's path.
    static QString mediaWithInstaller(const QString& media) {
        const QString script = QDir(media).filePath(QStringLiteral("Orva/SetUp"));
        QDir(media).mkpath(QStringLiteral("Orva"));
        QFile::copy(QStringLiteral(ORVA_SETUP_SCRIPT), script);
        QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        writeScript(QDir(media).filePath(QStringLiteral("Orva/orva_" ORVA_VERSION ".deb")), "package");
        return script;
    }

    // A folder that stands for the whole PATH: id answering user, pkexec and a terminal that
    // log their call and run the rest, apt-get that logs and answers aptStatus, and dirname.
    static QString fakeTools(const QString& media, const QString& user, int aptStatus) {
        const QString tools = QDir(media).filePath(QStringLiteral("tools"));
        QDir().mkpath(tools);
        const QByteArray log = QDir(media).filePath(QStringLiteral("calls.log")).toUtf8();
        writeScript(tools + "/id", "#!/bin/sh\necho " + user.toUtf8() + "\n");
        writeScript(tools + "/pkexec", "#!/bin/sh\necho \"pkexec $*\" >> '" + log + "'\nexec \"$@\"\n");
        writeScript(tools + "/x-terminal-emulator",
                    "#!/bin/sh\necho \"x-terminal-emulator $*\" >> '" + log + "'\nshift\nexec \"$@\"\n");
        writeScript(tools + "/apt-get", "#!/bin/sh\necho \"apt-get $*\" >> '" + log + "'\nexit " +
                                            QByteArray::number(aptStatus) + "\n");
        QFile::link(QStringLiteral("/usr/bin/dirname"), tools + "/dirname");
        return tools;
    }

    QTemporaryDir m_work;
    QString m_package;
};

QTEST_GUILESS_MAIN(PackageTest)
#include "PackageTest.moc"
