// Backs up and restores a database over and over, until it is killed: restore from the first
// source, back up, restore from the second, back up. "--cycles N" stops after N rounds.
// Arguments: data folder, backup folder, first source, second source.

#include "logic/maintenance/BackupRestore.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    int cycles = -1;
    if (const int at = arguments.indexOf(QStringLiteral("--cycles")); at >= 0 && at + 1 < arguments.size()) {
        cycles = arguments.at(at + 1).toInt();
        arguments.remove(at, 2);
    }
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: backup_crash_child [--cycles N] DATA BACKUP SOURCE1 SOURCE2\n");
        return 2;
    }
    const QString database = QDir(arguments[0]).filePath(DatabaseFileName);
    for (int round = 0; cycles < 0 || round < cycles; ++round) {
        for (const QString& source : {arguments[2], arguments[3]}) {
            if (!RestoreDatabase(database, source).ok() ||
                !BackupDatabase(database, VolumeOfFolder(arguments[1])).ok()) {
                std::fprintf(stderr, "a copy failed\n");
                return 1;
            }
            std::fputs(".", stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}
