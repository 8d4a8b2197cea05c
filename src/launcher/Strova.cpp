#include "launcher/Strova.h"

#include "launcher/LauncherDialogs.h"
#include "launcher/SetUp.h"

#include <QApplication>
#include <QIcon>

int RunStrova(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strova"));
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
