#pragma once

#include "logic/core/services/Dialogs.h"

// The real boxes and common dialogs, parented to the program's active window.
class WidgetDialogs : public Dialogs {
public:
    MsgAnswer message(const MessageBox& box) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> inputPassword(const QString& title, const QString& prompt) override;
    QString saveFileName(const FileDialogRequest& request) override;
    QString openFileName(const FileDialogRequest& request) override;
    bool printerSetup(const PrintDialogRequest& request) override;
    int popUpMenu(const QStringList& items) override;
};
