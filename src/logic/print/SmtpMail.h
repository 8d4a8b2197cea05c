#pragma once

#include <QString>
#include <QStringList>

// Mail sent straight to an SMTP server with libcurl: the report mail of the preview and the
// mail to the accountant at exit.

struct MailServer {
    enum Security { None, StartTls, Tls };
    QString host;
    int port = 25;
    Security security = None;
    QString user; // empty: no login
    QString password;
};

// The server of this installation: the host from Orva.ini's Mail/SmtpServer, or else the
// SMTP server of the connection parameters; port, security and login from Orva.ini.
MailServer ConfiguredMailServer();

struct MailMessage {
    QString from;     // the sender's address
    QString fromName; // shown beside it; may be empty
    QStringList to;
    QString subject;
    QString body;            // plain text; may be empty
    QStringList attachments; // files, attached under their own names
};

struct MailResult {
    bool sent = false; // the server accepted the message
    QString error;     // why not, in Greek
    QString details;   // the mail library's text and the server's own reply
};

// Sends the message and waits for the server's answer.
MailResult SendMail(const MailServer& server, const MailMessage& message);

// The addresses of a recipient field: separated by ";" or ",", blanks trimmed.
QStringList MailAddresses(const QString& field);

// A header text as RFC 2047 encoded words (UTF-8, base64) when it is not plain ASCII,
// folded so that no encoded word is longer than 75 characters.
QString EncodeHeaderText(const QString& text);
