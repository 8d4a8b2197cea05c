#include "windows/core/WindowModules.h"

#include "logic/core/services/Dialogs.h"
#include "windows/core/ChildWindow.h"
#include "windows/core/WindowCatalogue.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QList>
#include <QOpenGLContext>
#include <dlfcn.h>

// The application's shared OpenGL context is made by QGuiApplication at its start when
// Qt::AA_ShareOpenGLContexts is set; the setter is QtGui's own, as Qt WebEngine uses it.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace {

struct State {
    QHash<QByteArray, bool> tried; // library -> loaded
    QHash<QString, WindowEntry> windows;
    QList<std::function<void()>> atEnd;
};

State& state() {
    static State made;
    return made;
}

// Qt WebEngine draws through an OpenGL context shared with the application's, which the
// application makes at its start only when asked to before it exists. The program starts
// without it (making it loads the system's OpenGL libraries), so it is made here, once, as
// the application would have made it, before the engine is loaded.
void shareOpenGLContexts() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

void tellNotLoaded(const char* library, const QString& detail) {
    ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ"),
            QStringLiteral("Το παράθυρο δεν μπορεί να ανοίξει: το αρχείο %1 του προγράμματος λείπει ή είναι "
                           "κατεστραμμένο. Εγκαταστήστε ξανά το πρόγραμμα.\r\n\r\n%2")
                .arg(QFileInfo(WindowModules::libraryFile(library)).fileName(), detail),
            MsgIcon::Critical);
}

const WindowEntry* loadedEntry(const char* library, const QString& name) {
    if (!WindowModules::load(library))
        return nullptr;
    const auto it = state().windows.constFind(name);
    return it == state().windows.constEnd() ? nullptr : &*it;
}

} // namespace

namespace WindowModules {

QByteArray entryPoint(const char* library) {
    return QByteArray(library) + "_windows";
}

QString libraryFile(const char* library) {
    const QString name = QStringLiteral("lib%1.so").arg(QLatin1String(library));
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + u'/' + name;
    if (QFile::exists(beside))
        return beside;
    return QFileInfo(folder + QStringLiteral("/../lib/orva/") + name).absoluteFilePath();
}

void addChild(const char* library, const QString& name) {
    WindowCatalogue::addChild(name, [library, name]() -> ChildWindow* {
        const WindowEntry* entry = loadedEntry(library, name);
        return entry && entry->createChild ? entry->createChild() : nullptr;
    });
}

void addModal(const char* library, const QString& name) {
    WindowCatalogue::addModal(name, [library, name](QWidget* parent) -> QDialog* {
        const WindowEntry* entry = loadedEntry(library, name);
        return entry && entry->createModal ? entry->createModal(parent) : nullptr;
    });
}

bool load(const char* library) {
    State& made = state();
    const auto it = made.tried.constFind(library);
    if (it != made.tried.constEnd())
        return *it;
    made.tried.insert(library, false);
    using Entry = void (*)();
    const QByteArray symbol = entryPoint(library);
    auto entry = reinterpret_cast<Entry>(::dlsym(RTLD_DEFAULT, symbol.constData()));
    if (!entry) {
        if (qstrcmp(library, Browser) == 0)
            shareOpenGLContexts();
        // Never unloaded: its windows live until the program ends.
        QLibrary file(libraryFile(library));
        entry = reinterpret_cast<Entry>(file.resolve(symbol.constData()));
        if (!entry) {
            tellNotLoaded(library, file.errorString());
            return false;
        }
    }
    entry();
    made.tried.insert(library, true);
    return true;
}

bool isLoaded(const char* library) {
    return state().tried.value(library, false);
}

void provide(const QString& name, const WindowEntry& entry) {
    state().windows.insert(name, entry);
}

void atEnd(std::function<void()> close) {
    state().atEnd << std::move(close);
}

void end() {
    for (const auto& close : state().atEnd)
        close();
}

} // namespace WindowModules
