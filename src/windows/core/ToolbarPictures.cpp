#include "windows/core/ToolbarPictures.h"

#include "logic/core/program/ProgramValues.h"

#include <QApplication>
#include <QBitmap>
#include <QFileInfo>
#include <QPixmap>

QIcon ToolbarPicture(const QString& fileName, const QString& themeName, QStyle::StandardPixmap standard) {
    const QString path = AppFile(fileName);
    if (!fileName.isEmpty() && QFileInfo::exists(path)) {
        QPixmap picture(path);
        if (!picture.isNull()) {
            if (!picture.hasAlphaChannel())
                picture.setMask(picture.createMaskFromColor(QColor(192, 192, 192)));
            return QIcon(picture);
        }
    }
    const QIcon themed = QIcon::fromTheme(themeName);
    if (!themed.isNull())
        return themed;
    return QApplication::style()->standardIcon(standard);
}
