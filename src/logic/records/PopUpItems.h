#pragma once

#include <QString>
#include <QStringList>

// The captions of a pop-up menu from "item|item|...|": each item ends with "|", at most 30
// are taken, and a trailing text without "|" is left out.
QStringList PopUpMenuItems(const QString& popUpItems);
