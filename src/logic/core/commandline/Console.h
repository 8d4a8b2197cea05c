#pragma once

#include "logic/core/services/Dialogs.h"

#include <QElapsedTimer>
#include <QString>

// What a command tells its user: results on standard output, messages on standard error,
// both as UTF-8 lines.
void PrintOut(const QString& text);
void PrintError(const QString& text);
// A failure on standard error: its Greek sentences, then the technical text on a line of
// its own that begins with "Λεπτομέρειες: ".
void PrintFailure(const Failure& failure);

// The boxes of a run without windows: every message goes to standard error as "orva: text"
// (a box's technical text on its «Λεπτομέρειες» line);
// a question gets the answer that does nothing (Cancel or No), a dialog is cancelled and a
// menu dismissed, since nobody is there to answer.
class ConsoleDialogs : public Dialogs {
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

// A progress line on standard error for long work, rewritten in place a few times a second
// and erased at the end; nothing at all when standard error is not a terminal (a script's
// log gets no carriage returns).
class TerminalProgress {
public:
    explicit TerminalProgress(const QString& label);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void show(int done, int total);
    // Erases the line (the end of the work does it too).
    void clear();
    bool active() const { return m_active; }

private:
    QString m_label;
    QElapsedTimer m_sinceShown;
    bool m_active = false;
    bool m_shown = false;
};
