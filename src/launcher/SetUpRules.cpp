#include "launcher/SetUpRules.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QtEndian>

namespace SetUpRules {

namespace {
constexpr int DatabaseServerOffset = 6;
} // namespace

int HitItem(QPoint twips) {
    if (twips.x() < ItemLeft || twips.x() > ItemLeft + ItemWidth)
        return -1;
    for (int item = 0; item < ItemCount; ++item) {
        if (twips.y() >= ItemTops[item] && twips.y() <= ItemTops[item] + ItemHeight)
            return item;
    }
    return -1;
}

QPoint PixelsToTwips(QPoint pixels) {
    return pixels * TwipsPerPixel;
}

QRect ItemRect(int item) {
    return {ItemLeft / TwipsPerPixel, ItemTops[item] / TwipsPerPixel, ItemWidth / TwipsPerPixel,
            ItemHeight / TwipsPerPixel};
}

QString BaseFolder(const QString& ownFolder) {
    return ownFolder.endsWith(QLatin1Char('/')) ? ownFolder : ownFolder + QLatin1Char('/');
}

RecordFlag ReadDatabaseServerFlag(const QString& path) {
    RecordFlag flag;
    const QFileInfo info(path);
    if (!info.exists() || info.size() == 0)
        return flag;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        flag.unreadable = true;
        return flag;
    }
    const QByteArray start = file.read(DatabaseServerOffset + 2);
    if (start.size() < DatabaseServerOffset + 2) {
        flag.unreadable = true;
        return flag;
    }
    flag.databaseServer = qFromLittleEndian<quint16>(start.constData() + DatabaseServerOffset);
    return flag;
}

QString StartInstaller(const QString& path) {
    // The shell would start and then fail on its own, with nobody to see it.
    if (QFile script(path); !script.open(QIODevice::ReadOnly))
        return script.errorString();
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({path});
    process.setWorkingDirectory(QFileInfo(path).path());
    if (!process.startDetached())
        return process.errorString();
    return {};
}

CopyOutcome CopyIdentity(const QString& source, const QString& target) {
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return {CopyOutcome::Reading, from.errorString()};
    const QByteArray bytes = from.readAll();
    if (from.error() != QFileDevice::NoError)
        return {CopyOutcome::Reading, from.errorString()};
    from.close();
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly))
        return {CopyOutcome::Writing, to.errorString()};
    if (to.write(bytes) != bytes.size() || !to.commit())
        return {CopyOutcome::Writing, to.errorString()};
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther);
    return {};
}

} // namespace SetUpRules
