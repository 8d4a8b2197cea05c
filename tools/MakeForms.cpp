// Draws the blank official forms from their descriptions: every "<Name>.form" of the
// descriptions folder becomes "<Name>.jpg", a greyscale A4 page at 200 dpi, in the output
// folder. Run by the build.
//     orva_make_forms DESCRIPTIONS OUTPUT

#include "tools/BlankForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>

int main(int argc, char** argv) {
    // Pages are drawn without a screen, also on a build machine that has none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: orva_make_forms DESCRIPTIONS OUTPUT\n");
        return 2;
    }
    const QDir descriptions(arguments[1]);
    const QDir output(arguments[2]);
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output.path()));
        return 1;
    }
    constexpr int DotsPerInch = 200;
    int drawn = 0;
    for (const QString& name : descriptions.entryList({QStringLiteral("*.form")}, QDir::Files, QDir::Name)) {
        QFile file(descriptions.filePath(name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(file.errorString()));
            return 1;
        }
        QString error;
        const BlankFormDescription form = ParseBlankForm(QString::fromUtf8(file.readAll()), &error);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(error));
            return 1;
        }
        const QString target = output.filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".jpg"));
        QImageWriter writer(target, "jpg");
        writer.setQuality(88);
        writer.setOptimizedWrite(true);
        bool fits = true;
        const QImage page = DrawBlankForm(form, DotsPerInch, &fits);
        if (!fits) {
            std::fprintf(stderr, "%s: the form runs past the foot of its page\n", qPrintable(name));
            return 1;
        }
        if (!writer.write(page)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(target), qPrintable(writer.errorString()));
            return 1;
        }
        ++drawn;
    }
    std::printf("%d forms drawn into %s\n", drawn, qPrintable(output.path()));
    return drawn > 0 ? 0 : 1;
}
