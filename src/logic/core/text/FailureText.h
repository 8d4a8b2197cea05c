#pragma once

#include <QNetworkReply>
#include <QString>

// A failure as the user is told it: Greek sentences that say what happened and what to do,
// and the technical text of the system or of a library, which only «Λεπτομέρειες» shows
// (on the command line: a line of its own after the sentences).
struct Failure {
    QString text;
    QString details;
};

// What went wrong with a file, found by looking at the file, its folder and its disk, and
// by the system's own reason when that is one we know.
enum class FileAction { Read, Write };
Failure FileFailure(FileAction action, const QString& path, const QString& technical);

// An outside program that could not be started or did not finish.
Failure ProgramFailure(const QString& program, const QString& technical);

// The system's reason for a failed file, folder or program operation in Greek, as a clause
// ("ο δίσκος γέμισε"); "" for a reason we do not know.
QString GreekSystemReason(const QString& technical);

// Why a request to a server did not succeed, as a Greek clause ("το όνομα του διακομιστή
// δεν βρέθηκε").
QString GreekNetworkReason(QNetworkReply::NetworkError error);
