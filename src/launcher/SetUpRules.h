#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

// The rules of the launcher's window that need no screen: where its items lie and which one a
// point hits, the base folder, the installation record's database-server flag, the copy of
// the installation's identity.
namespace SetUpRules {

// Positions are in twips (1/1440 inch), 15 to a pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;
constexpr int ItemCount = 4;
constexpr int ItemLeft = 45;
constexpr int ItemWidth = 7245;
constexpr int ItemHeight = 300;
constexpr int ItemTops[ItemCount] = {900, 1260, 1620, 1980};

// The item at the point (window coordinates in twips), -1 for none. An item is hit on its
// edges too: ItemLeft <= x <= ItemLeft + ItemWidth and top <= y <= top + ItemHeight.
int HitItem(QPoint twips);
QPoint PixelsToTwips(QPoint pixels);
// The item's rectangle in pixels.
QRect ItemRect(int item);

// The launcher's own folder with a "/" after it, unless it already ends with one.
QString BaseFolder(const QString& ownFolder);

// The database-server flag of the application record Appl.Bt: bytes 6 and 7, a 16-bit
// little-endian number, not zero when the installation needs a database server (the record's
// layout is the main program's, documented beside its ApplicationRecord). A missing or empty
// file gives 0 and is no fault; a file that cannot be read or is too short to hold the flag is
// unreadable, and gives 0 too.
struct RecordFlag {
    bool unreadable = false;
    quint16 databaseServer = 0;
};
RecordFlag ReadDatabaseServerFlag(const QString& path);

// Starts an installer of the media without waiting for it: through /bin/sh, which reads the
// script whatever its file's bits, since media on a FAT stick are often mounted without the
// execute bit. Its working folder is its own. Returns "" or the system's reason it did not
// start (LauncherFailures words it for the user).
QString StartInstaller(const QString& path);

// Copies the record to the chosen file, replacing it whole or not at all, and leaves the copy
// writable by its owner (the media may be read-only).
struct CopyOutcome {
    enum Step { Done, Reading, Writing };
    Step failed = Done;
    QString technical; // the system's reason when a step failed
};
CopyOutcome CopyIdentity(const QString& source, const QString& target);

} // namespace SetUpRules
