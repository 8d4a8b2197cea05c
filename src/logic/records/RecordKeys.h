#pragma once

#include <QString>

// Keys and date forms shared by the employee and schedule windows.
//
// An employee key is the AFM followed by blanks up to 14 characters; an entry key is an
// employee key followed by the date as "dd/mm/yyyy" (24 characters).
constexpr int EmployeeKeyLength = 14;
constexpr int EntryKeyLength = 24;

QString EmployeeKey(const QString& afm);
QString EntryKey(const QString& afm, const QString& screenDate);
// The AFM part (first 14 characters) and the date part (last 10) of an entry key.
QString EntryKeyAfm(const QString& entryKey);
QString EntryKeyDate(const QString& entryKey);

// "yyyymmdd" as stored to "dd/mm/yyyy" on screen; "" for an empty stored date.
QString StoredToScreenDate(const QString& yyyymmdd);
// "dd/mm/yyyy" to "yyyymmdd"; "" when the text is no valid screen date.
QString ScreenToStoredDate(const QString& screenDate);

// The text with every apostrophe replaced by a grave accent, as the record windows store it.
QString WithGraveAccents(const QString& text);

// True when the text, blanks around it allowed, reads as a number ("  123 ", "1.5").
bool IsNumericText(const QString& text);
