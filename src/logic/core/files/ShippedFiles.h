#pragma once

#include <QString>

// The folder holding the files a new data folder receives (pictures, forms, Version.Txt,
// Manual.pdf): for a program run from the build tree, the build tree's share/orva; for an
// installed one, share/orva beside its bin folder (/usr/share/orva for /usr/bin/orva, also in
// a package unpacked elsewhere); else the first orva folder of the system's data folders.
// "" when there is none.
QString ShippedFolder();
QString ShippedFolderFor(const QString& executableFolder);

// Copies every file of the shipped folder, with its subfolders, into the data folder. A file
// already there is kept. Returns "" or the error text.
QString CopyShippedFiles(const QString& shippedFolder, const QString& dataFolder);
