#pragma once

#include <QString>

// The folder holding the files a new data folder receives (pictures, forms, Version.Txt,
// Manual.pdf): for a program run from the build tree, the build tree's share/orva; for an
// installed one, share/orva beside its bin folder (/usr/share/orva for /usr/bin/orva, also in
// a package unpacked elsewhere); else the first orva folder of the system's data folders.
// "" when there is none.
QString ShippedFolder();
QString ShippedFolderFor(const QString& executableFolder);

// The data folder's record of the shipped files the program put there, each with the checksum
// (SHA-256) of what it put: a file that still has that checksum is the program's own copy.
inline const QString ShippedRecordFile = QStringLiteral("Shipped.sha256");

// Brings the data folder's copies of the shipped files up to date, with their subfolders:
// - a file the folder lacks is copied, unless the record says the program put it there before
//   (the user removed it);
// - a copy the program put there and nobody changed since is replaced, whole or not at all,
//   when the shipped file is another edition (an upgrade ships new notes, a new manual);
// - a file the user changed, or put there under a shipped file's name, is never touched.
// Folders made before the record was kept have none: there a copy counts as the program's
// when it is an edition that an earlier release shipped, or a PDF the program made (the
// manual). When the shipped files are as they
// were at the last call, nothing is read. Returns "" or the error text.
QString RefreshShippedFiles(const QString& shippedFolder, const QString& dataFolder);
