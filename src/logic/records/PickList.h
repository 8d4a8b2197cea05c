#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The items of a pick list from "item|item|...|": each item ends with "|" and a trailing
// text without "|" is left out. There is no limit on their number.
QStringList PickListItems(const QString& items);

// The list's width in twips when its items need more than the designed width: the largest
// (item length - 1) times 148 twips when that largest value exceeds 20; 0 when the designed
// width stays.
int WidenedListWidthTwips(const QStringList& items);

// The answer of a multiple-choice pick list: one character per item in list order, "1" for
// a chosen item and "0" for the others.
QString ScrollMarksFor(const QList<bool>& chosen);
