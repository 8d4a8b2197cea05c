#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its files (AppPath): the folder given with --data-dir; else the
// executable's own folder when it holds Appl.Bt (a portable installation); else the user's
// application data folder.
QString ChooseDataFolder(const QStringList& arguments, const QString& executableFolder);

// A folder holding neither Appl.Bt nor IntTvx.db is new: it gets a fresh application
// record, an empty database with its schema, Orva.ini with its commented defaults and the
// shipped pictures and documents. A folder holding both gets the shipped files of an upgraded
// program in place of the unchanged copies of the earlier ones (RefreshShippedFiles). A folder
// holding only one of the two is left as it is, so that the start-up messages for the missing
// file apply. Returns "" or the error text in Greek, with the system's own text in details.
QString PrepareDataFolder(const QString& folder, QString* details = nullptr);

bool IsNewDataFolder(const QString& folder);

// Writes a new installation's application record (version 1.01, internet off, no database
// server, a fresh installation code) whole or not at all. Returns "" or the error text.
QString WriteNewApplicationRecord(const QString& path);
