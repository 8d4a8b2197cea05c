#include "logic/core/services/OutsideTools.h"

#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Dialogs.h"
#include "logic/core/services/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

bool toolIsThere(const QString& settingKey, const QString& name, QString* path) {
    if (name.trimmed().isEmpty()) {
        ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ"),
                QStringLiteral("Δεν έχει οριστεί πρόγραμμα.\r\nΟρίστε το %1.")
                    .arg(WhereToChangeSetting(settingKey)),
                MsgIcon::Critical);
        return false;
    }
    *path = ToolPath(name);
    if (QFileInfo(*path).isFile())
        return true;
    ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ"),
            QStringLiteral("Το πρόγραμμα «%1» δεν βρέθηκε.\r\nΟρίστε το σωστό πρόγραμμα %2.")
                .arg(QDir::toNativeSeparators(*path), WhereToChangeSetting(settingKey)),
            MsgIcon::Critical);
    return false;
}

void showStartFailure(Failure failure, const QString& settingKey) {
    failure.text += QStringLiteral("\r\nΤο πρόγραμμα ορίζεται %1.").arg(WhereToChangeSetting(settingKey));
    ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), failure);
}

} // namespace

QString ToolPath(const QString& name) {
    if (QDir::isAbsolutePath(name))
        return QDir::cleanPath(name);
    const QString inDataFolder = QDir::cleanPath(AppFile(name));
    if (name.contains(QLatin1Char('/')) || QFileInfo(inDataFolder).isFile())
        return inDataFolder;
    const QString onThePath = QStandardPaths::findExecutable(name);
    return onThePath.isEmpty() ? inDataFolder : onThePath;
}

bool StartTool(const QString& settingKey, const QStringList& arguments) {
    QString path;
    if (!toolIsThere(settingKey, Services::settings().value(settingKey), &path))
        return false;
    Failure failure;
    if (Services::processes().startDetached(path, arguments, Program.AppPath, &failure))
        return true;
    showStartFailure(failure, settingKey);
    return false;
}

bool RunToolCommand(const QString& settingKey, int timeoutMs) {
    const QString command = Services::settings().value(settingKey).trimmed();
    if (command.isEmpty())
        return true;
    QStringList parts = QProcess::splitCommand(command);
    QString path;
    if (!toolIsThere(settingKey, parts.value(0), &path))
        return false;
    parts.removeFirst();
    Failure failure;
    if (Services::processes().runAndWait(path, parts, Program.AppPath, timeoutMs, &failure))
        return true;
    showStartFailure(failure, settingKey);
    return false;
}
