#include "launcher/Strova.h"

#include "launcher/LauncherDialogs.h"
#include "launcher/SetUp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace {

// On the installation media the launcher brings its own Qt, for machines that have none: the
// libraries in Launcher/lib, found through the executable's RPATH, and the platform plugins in
// Launcher/plugins, put first here. Qt looks for its platform plugin while the application
// is made, so this comes before it.
void UseThePluginsOfTheMedia() {
    const QFileInfo executable(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    const QString plugins = executable.dir().filePath(QStringLiteral("Launcher/plugins"));
    if (QFileInfo(plugins).isDir())
        QCoreApplication::addLibraryPath(plugins);
}

} // namespace

bool UseGreekQtTexts() {
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/launcher/qtbase_el.qm")) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

int RunStrova(int argc, char** argv) {
    UseThePluginsOfTheMedia();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strova"));
    UseGreekQtTexts();
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("strova"), QIcon(QPixmap(QStringLiteral(":/launcher/strova.png")))));
    WidgetLauncherDialogs dialogs;
    SetUp window(QApplication::applicationDirPath(), dialogs);
    dialogs.setParentWindow(&window);
    window.centre();
    window.show();
    window.load();
    return app.exec();
}
