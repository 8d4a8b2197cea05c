#include "logic/internet/WebEngineSetup.h"

#include <QCoreApplication>
#include <unistd.h>

void PrepareBrowserFlags() {
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
}

void PrepareWebEngine() {
    PrepareBrowserFlags();
    if (!QCoreApplication::instance())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
