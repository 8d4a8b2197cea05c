#pragma once

#include "launcher/LauncherDialogs.h"

#include <QList>
#include <QStringList>

// Strova's dialog service in tests: records every box and save dialog and answers from a
// script. A question without a scripted answer gets No; a save dialog without a scripted name
// is cancelled.
class ScriptedLauncherDialogs : public LauncherDialogs {
public:
    struct Box {
        QString title;
        QString text;
        Icon icon;
        bool question;
        QString details;
    };
    struct SaveRequest {
        QString proposedName;
        QString filterName;
        QString pattern;
    };

    void inform(const QString& title, const QString& text, Icon icon, const QString& details = {}) override {
        boxes << Box{title, text, icon, false, details};
    }
    bool askYesNo(const QString& title, const QString& text, Icon icon) override {
        boxes << Box{title, text, icon, true, {}};
        return !answers.isEmpty() && answers.takeFirst();
    }
    QString saveFileName(const QString& proposedName, const QString& filterName,
                         const QString& pattern) override {
        saves << SaveRequest{proposedName, filterName, pattern};
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }

    QList<Box> boxes;
    QList<SaveRequest> saves;
    QList<bool> answers;
    QStringList fileNames;
};
