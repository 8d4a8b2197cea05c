// Writes the application record Appl.Bt of a new installation's media: the identity that
// Strova saves and the main program reads. Used by the "media" target, never installed.
#include "logic/core/files/DataFolder.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: orva_media_record <Appl.Bt>\n";
        return 2;
    }
    if (const QString error = WriteNewApplicationRecord(arguments.at(1)); !error.isEmpty()) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    return 0;
}
