#include "launcher/Strova.h"

#include "launcher/LauncherDialogs.h"
#include "launcher/SetUp.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

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
