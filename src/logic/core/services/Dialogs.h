#pragma once

#include "logic/core/text/FailureText.h"

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

// Every box, question and common dialog of the program goes through this service, so that
// tests can script the answers instead of blocking in a modal loop.
enum class MsgIcon { None, Critical, Warning, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageBox {
    int number = 0; // catalogue number, 0 for a free-text box
    QString title;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultAnswer = MsgAnswer::Ok;
    // Technical text of the system or a library: shown only when the user opens
    // «Λεπτομέρειες», never in the box's own text.
    QString details;
};

struct FileDialogRequest {
    QString title;
    QString proposedName; // full path or bare name
    QStringList filters;  // "Κείμενο (*.txt)", ...
};

struct PrintDialogRequest {
    QPrinter* printer = nullptr;
    int minPage = 1;
    int maxPage = 1;
    bool allowPageRange = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer message(const MessageBox& box) = 0;
    // The text typed, or nothing when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;
    // A password typed without showing it, or nothing when cancelled.
    virtual std::optional<QString> inputPassword(const QString& title, const QString& prompt) = 0;
    // The chosen file name, or "" when cancelled. The save dialog does not ask about an
    // existing file: callers ask their own question.
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    // Lets the user set up the printer; false when cancelled.
    virtual bool printerSetup(const PrintDialogRequest& request) = 0;
    // A pop-up menu at the mouse position: the 1-based number of the item chosen, 0 when
    // the menu was dismissed.
    virtual int popUpMenu(const QStringList& items) = 0;
};

// Shorthands for the boxes most windows show.
MsgAnswer ShowBox(const QString& title, const QString& text, MsgIcon icon,
                  MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultAnswer = MsgAnswer::Ok);
// A failure in a box with the error icon: its Greek text, its technical text under
// «Λεπτομέρειες».
void ShowFailure(const QString& title, const Failure& failure);
bool AskYesNo(const QString& title, const QString& text, MsgIcon icon = MsgIcon::Question,
              MsgAnswer defaultAnswer = MsgAnswer::Yes);
