#pragma once

#include <QIcon>
#include <QStyle>

// A toolbar picture: the named file of the data folder when it is there (light grey,
// 192/192/192, taken as transparent in bitmaps), else the icon of the system theme, else one
// of Qt's standard icons, so that a button is never blank.
QIcon ToolbarPicture(const QString& fileName, const QString& themeName, QStyle::StandardPixmap standard);
