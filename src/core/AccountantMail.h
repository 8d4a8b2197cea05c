#pragma once

#include <QString>
#include <QStringList>

// The mail tool's command that tells the accountant of the run's submissions: the program
// and its pieces From=, To=, Body=, Subject=, Server=, License= and Gui as separate
// arguments, so that no character of an entry can break the command.
struct MailToolCommand {
    QString program;
    QStringList arguments;
};

MailToolCommand AccountantMailCommand();
