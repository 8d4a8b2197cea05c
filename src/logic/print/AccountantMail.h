#pragma once

#include "logic/core/text/FailureText.h"

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

// True when the mail tool is in place, so that the mail to the accountant is handed to it.
bool MailToolInstalled();

// Without the tool the program sends the same mail itself, from the company's address to
// the accountant's over the configured mail server: subject "Ηλεκτρονικές Αποστολές" and
// the company name, the run's submissions as the text. False with the reason (the
// server's own reply when it gave one) in *error.
bool SendAccountantMail(Failure* failure);
