#include "logic/core/text/GreekLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

const QString TranslationFile = QStringLiteral(":/translations/qtbase_el.qm");

} // namespace

bool UseGreekLanguage() {
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    // One translator for the run, owned by the application; a second call keeps it.
    static QPointer<QTranslator> installed;
    if (installed && installed->parent() == app)
        return true;
    auto* translator = new QTranslator(app);
    if (!translator->load(TranslationFile) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed = translator;
    return true;
}
