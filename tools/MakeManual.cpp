// Lays out the user manual from its chapters and the pictures of the windows and writes it
// as a PDF. Run by the build.
//     orva_make_manual CHAPTERS PICTURES OUTPUT.pdf

#include "tools/ManualBook.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: orva_make_manual CHAPTERS PICTURES OUTPUT.pdf\n");
        return 2;
    }
    const ManualResult result = WriteManual(arguments[1], arguments[2], arguments[3]);
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "orva_make_manual: %s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("%d chapters on %d pages in %s\n", int(result.chapters.size()), result.pages,
                qPrintable(arguments[3]));
    return 0;
}
