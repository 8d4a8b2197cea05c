#pragma once

#include <QString>

// What the launcher tells the user when a file or an installer fails it: Greek sentences
// that say what happened and what to do, and the system's own text for «Λεπτομέρειες». The
// launcher shares no code with the main program, so it words its few failures itself.
struct LauncherFailure {
    QString text;
    QString details;
};

// The installation's identity could not be read from the media.
LauncherFailure IdentityReadFailure(const QString& source, const QString& technical);
// The copy of the identity could not be written where the user chose.
LauncherFailure IdentityWriteFailure(const QString& target, const QString& technical);
// An installer of the media could not be started.
LauncherFailure InstallerStartFailure(const QString& installer, const QString& technical);
