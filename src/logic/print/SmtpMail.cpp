#include "logic/print/SmtpMail.h"

#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/print/LibCurl.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QUuid>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// libcurl's functions, once SendMail has found the library loaded.
const LibCurlFunctions& libcurl() {
    return *LibCurl();
}

constexpr int EncodedBytesPerWord = 45; // 60 characters of base64 inside "=?UTF-8?B?...?="

bool plainAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

// "Name" <address>, the name quoted or encoded as the header needs it.
QString mailbox(const QString& name, const QString& address) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return u'<' + address + u'>';
    QString shown;
    if (plainAscii(trimmed)) {
        shown = trimmed;
        shown.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
        shown = u'"' + shown + u'"';
    } else {
        shown = EncodeHeaderText(trimmed);
    }
    return shown + u" <"_s + address + u'>';
}

QString contentType(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"pdf")
        return u"application/pdf"_s;
    if (suffix == u"zip")
        return u"application/zip"_s;
    if (suffix == u"asc" || suffix == u"txt")
        return u"text/plain; charset=windows-1253"_s;
    if (suffix == u"docx")
        return u"application/vnd.openxmlformats-officedocument.wordprocessingml.document"_s;
    if (suffix == u"xlsx")
        return u"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"_s;
    return u"application/octet-stream"_s;
}

// Content-Disposition of an attachment; a name that is not plain ASCII goes as RFC 2231.
QByteArray disposition(const QString& fileName) {
    if (plainAscii(fileName) && !fileName.contains(u'"') && !fileName.contains(u'\\'))
        return "Content-Disposition: attachment; filename=\"" + fileName.toLatin1() + '"';
    return "Content-Disposition: attachment; filename*=UTF-8''" + QUrl::toPercentEncoding(fileName);
}

struct CurlFree {
    void operator()(CURL* curl) const { libcurl().easy_cleanup(curl); }
};
struct MimeFree {
    void operator()(curl_mime* mime) const { libcurl().mime_free(mime); }
};
struct ListFree {
    void operator()(curl_slist* list) const { libcurl().slist_free_all(list); }
};
using List = std::unique_ptr<curl_slist, ListFree>;

void append(List& list, const QByteArray& item) {
    curl_slist* grown = libcurl().slist_append(list.get(), item.constData());
    if (grown) {
        (void)list.release();
        list.reset(grown);
    }
}

// The server's replies as curl reads them: the last complete one, and the last that
// reported a failure (a code of 400 or more).
struct Replies {
    QString pending;
    QString last;
    QString lastFailure;

    void read(const char* data, size_t size) {
        const QString text = QString::fromUtf8(data, qsizetype(size));
        for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
            const QString trimmed = line.trimmed();
            if (trimmed.size() < 3)
                continue;
            pending += (pending.isEmpty() ? QString() : u"\r\n"_s) + trimmed;
            // A reply ends with the line whose code is followed by a blank ("250 OK"),
            // continuation lines have a dash ("250-SIZE").
            if (trimmed.size() == 3 || trimmed.at(3) != u'-') {
                last = pending;
                if (trimmed.at(0) == u'4' || trimmed.at(0) == u'5')
                    lastFailure = pending;
                pending.clear();
            }
        }
    }
};

int debugCallback(CURL*, curl_infotype type, char* data, size_t size, void* replies) {
    if (type == CURLINFO_HEADER_IN)
        static_cast<Replies*>(replies)->read(data, size);
    return 0;
}

void initialiseCurl() {
    static const bool done = [] { return libcurl().global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    (void)done;
}

} // namespace

MailServer ConfiguredMailServer() {
    const Settings& settings = Services::settings();
    MailServer server;
    server.host = settings.value(u"Mail/SmtpServer"_s).trimmed();
    if (server.host.isEmpty())
        server.host = Program.Params.SmtpServer.trimmed();
    const QString security = settings.value(u"Mail/SmtpSecurity"_s).trimmed().toLower();
    server.security = security == u"tls"        ? MailServer::Tls
                      : security == u"starttls" ? MailServer::StartTls
                                                : MailServer::None;
    bool ok = false;
    const int port = settings.value(u"Mail/SmtpPort"_s).trimmed().toInt(&ok);
    if (ok && port > 0 && port < 65536)
        server.port = port;
    else
        server.port = server.security == MailServer::Tls        ? 465
                      : server.security == MailServer::StartTls ? 587
                                                                : 25;
    server.user = settings.value(u"Mail/SmtpUser"_s);
    server.password = settings.value(u"Mail/SmtpPassword"_s);
    return server;
}

QStringList MailAddresses(const QString& field) {
    QString separated = field;
    separated.replace(u';', u',');
    QStringList addresses;
    for (const QString& address : separated.split(u',', Qt::SkipEmptyParts)) {
        if (!address.trimmed().isEmpty())
            addresses << address.trimmed();
    }
    return addresses;
}

QString EncodeHeaderText(const QString& text) {
    if (plainAscii(text))
        return text;
    QStringList words;
    QByteArray chunk;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray character = text.mid(i, length).toUtf8();
        if (chunk.size() + character.size() > EncodedBytesPerWord) {
            words << u"=?UTF-8?B?"_s + QString::fromLatin1(chunk.toBase64()) + u"?="_s;
            chunk.clear();
        }
        chunk += character;
        i += length;
    }
    if (!chunk.isEmpty())
        words << u"=?UTF-8?B?"_s + QString::fromLatin1(chunk.toBase64()) + u"?="_s;
    // Blanks between encoded words are not mimePart of the text.
    return words.join(u"\r\n "_s);
}

namespace {

// What went wrong with the mail server, as a Greek sentence without its full stop. A step
// that ended with the server's failure reply is a refusal, not a broken connection.
QString GreekMailReason(CURLcode code, const QString& host, bool serverRefused) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return u"Ο διακομιστής αλληλογραφίας «%1» δεν βρέθηκε"_s.arg(host);
    case CURLE_COULDNT_CONNECT:
        return u"Ο διακομιστής αλληλογραφίας «%1» δεν δέχεται σύνδεση"_s.arg(host);
    case CURLE_OPERATION_TIMEDOUT:
        return u"Ο διακομιστής αλληλογραφίας «%1» δεν απάντησε εγκαίρως"_s.arg(host);
    case CURLE_LOGIN_DENIED:
        return u"Ο διακομιστής αλληλογραφίας δεν δέχτηκε τον χρήστη ή τον κωδικό"_s;
    case CURLE_USE_SSL_FAILED:
        return u"Ο διακομιστής αλληλογραφίας δεν δέχεται κρυπτογραφημένη σύνδεση"_s;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
        return u"Η ασφαλής σύνδεση με τον διακομιστή αλληλογραφίας δεν έγινε (το πιστοποιητικό του δεν έγινε "
               u"δεκτό)"_s;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        if (serverRefused)
            break;
        return u"Η σύνδεση με τον διακομιστή αλληλογραφίας διακόπηκε"_s;
    case CURLE_READ_ERROR:
        return u"Ένα συνημμένο αρχείο δεν διαβάζεται"_s;
    default:
        break;
    }
    return u"Ο διακομιστής αλληλογραφίας δεν δέχτηκε το μήνυμα"_s;
}

QString MailAdvice(CURLcode code) {
    switch (code) {
    case CURLE_LOGIN_DENIED:
        return u"Ελέγξτε τις ρυθμίσεις «Mail/SmtpUser» και «Mail/SmtpPassword» στις %1."_s.arg(
            SettingsWindowPath());
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return u"Ελέγξτε τη ρύθμιση «Mail/SmtpSecurity» στις %1."_s.arg(SettingsWindowPath());
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
        return u"Ελέγξτε τη σύνδεσή σας στο Internet και τον διακομιστή αλληλογραφίας («Smtp Server» των "
               u"Παραμέτρων Σύνδεσης ή ρύθμιση «Mail/SmtpServer» στις %1)."_s.arg(SettingsWindowPath());
    default:
        break;
    }
    return u"Ελέγξτε τη διεύθυνση του παραλήπτη και δοκιμάστε ξανά."_s;
}

} // namespace

namespace {

// One message handed to the server by curl: the envelope, the headers and the body and attachments, which
// curl reads only while it sends and which therefore live as long as the transfer.
class SmtpTransfer {
public:
    explicit SmtpTransfer(CURL* curl) : m_curl(curl), m_mime(libcurl().mime_init(curl)) {}

    void setServer(const MailServer& server) {
        m_host = server.host;
        const QString host = server.host.contains(u':') ? u'[' + server.host + u']' : server.host;
        const QByteArray url = (server.security == MailServer::Tls ? u"smtps://"_s : u"smtp://"_s).toUtf8() +
                               host.toUtf8() + ':' + QByteArray::number(server.port);
        libcurl().easy_setopt(m_curl, CURLOPT_URL, url.constData());
        if (server.security == MailServer::StartTls)
            libcurl().easy_setopt(m_curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        if (!server.user.isEmpty()) {
            libcurl().easy_setopt(m_curl, CURLOPT_USERNAME, server.user.toUtf8().constData());
            libcurl().easy_setopt(m_curl, CURLOPT_PASSWORD, server.password.toUtf8().constData());
        }
    }

    void setEnvelopeAndHeaders(const MailMessage& message) {
        const QByteArray from = '<' + message.from.toUtf8() + '>';
        libcurl().easy_setopt(m_curl, CURLOPT_MAIL_FROM, from.constData());
        for (const QString& to : message.to)
            append(m_recipients, '<' + to.toUtf8() + '>');
        libcurl().easy_setopt(m_curl, CURLOPT_MAIL_RCPT, m_recipients.get());

        const QString domain = message.from.section(u'@', 1).trimmed();
        append(m_headers, "Date: " + Services::clock().now().toString(Qt::RFC2822Date).toLatin1());
        append(m_headers, "From: " + mailbox(message.fromName, message.from).toUtf8());
        append(m_headers, "To: " + message.to.join(u", "_s).toUtf8());
        append(m_headers, "Subject: " + EncodeHeaderText(message.subject).toUtf8());
        append(m_headers, "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() +
                              '@' + (domain.isEmpty() ? QByteArray("localhost") : domain.toUtf8()) + '>');
        libcurl().easy_setopt(m_curl, CURLOPT_HTTPHEADER, m_headers.get());
    }

    // The text, then each attachment; the reason when an attachment cannot be read.
    QString addParts(const MailMessage& message) {
        const QByteArray body = message.body.toUtf8();
        if (!body.isEmpty() || message.attachments.isEmpty()) {
            curl_mimepart* mimePiece = libcurl().mime_addpart(m_mime.get());
            libcurl().mime_data(mimePiece, body.constData(), size_t(body.size()));
            libcurl().mime_type(mimePiece, "text/plain; charset=UTF-8");
            libcurl().mime_encoder(mimePiece, "quoted-printable");
        }
        for (const QString& file : message.attachments) {
            const QString name = QFileInfo(file).fileName();
            curl_mimepart* mimePiece = libcurl().mime_addpart(m_mime.get());
            if (libcurl().mime_filedata(mimePiece, QFile::encodeName(file).constData()) != CURLE_OK)
                return u"%1: το αρχείο δεν μπορεί να διαβαστεί."_s.arg(file);
            libcurl().mime_filename(mimePiece, nullptr); // the name goes in the disposition below
            libcurl().mime_type(mimePiece, contentType(name).toLatin1().constData());
            libcurl().mime_encoder(mimePiece, "base64");
            List extra;
            append(extra, disposition(name));
            libcurl().mime_headers(mimePiece, extra.get(), 0);
            m_partHeaders.push_back(std::move(extra));
        }
        libcurl().easy_setopt(m_curl, CURLOPT_MIMEPOST, m_mime.get());
        return {};
    }

    MailResult perform() {
        Replies replies;
        char errorBuffer[CURL_ERROR_SIZE] = {};
        libcurl().easy_setopt(m_curl, CURLOPT_ERRORBUFFER, errorBuffer);
        libcurl().easy_setopt(m_curl, CURLOPT_VERBOSE, 1L);
        libcurl().easy_setopt(m_curl, CURLOPT_DEBUGFUNCTION, debugCallback);
        libcurl().easy_setopt(m_curl, CURLOPT_DEBUGDATA, &replies);
        libcurl().easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, 20L);
        libcurl().easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        libcurl().easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, 60L);
        libcurl().easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);

        MailResult result;
        const CURLcode code = libcurl().easy_perform(m_curl);
        // The buffer goes out of scope with this call: curl must not write to it afterwards.
        libcurl().easy_setopt(m_curl, CURLOPT_ERRORBUFFER, nullptr);
        if (code == CURLE_OK) {
            result.sent = true;
            return result;
        }
        result.error = u"%1.\r\n%2"_s.arg(GreekMailReason(code, m_host, !replies.lastFailure.isEmpty()),
                                          MailAdvice(code));
        result.details = errorBuffer[0] ? QString::fromUtf8(errorBuffer)
                                        : QString::fromUtf8(libcurl().easy_strerror(code));
        if (!replies.lastFailure.isEmpty())
            result.details += u"\n"_s + replies.lastFailure;
        return result;
    }

private:
    CURL* m_curl;
    QString m_host;
    List m_recipients;
    List m_headers;
    std::unique_ptr<curl_mime, MimeFree> m_mime;
    std::vector<List> m_partHeaders;
};

} // namespace

MailResult SendMail(const MailServer& server, const MailMessage& message) {
    MailResult result;
    if (server.host.isEmpty()) {
        result.error = u"Δεν έχει οριστεί διακομιστής αλληλογραφίας (SMTP)."_s;
        return result;
    }
    if (message.to.isEmpty()) {
        result.error = u"Δεν έχει οριστεί παραλήπτης."_s;
        return result;
    }
    if (QString failure; !LibCurl(&failure)) {
        result.error =
            u"Η αποστολή email δεν μπορεί να ξεκινήσει: λείπει η βιβλιοθήκη libcurl (πακέτο libcurl4)."_s;
        result.details = failure;
        return result;
    }
    initialiseCurl();
    std::unique_ptr<CURL, CurlFree> curl(libcurl().easy_init());
    if (!curl) {
        result.error = u"Η αποστολή email δεν μπορεί να ξεκινήσει."_s;
        return result;
    }
    SmtpTransfer transfer(curl.get());
    transfer.setServer(server);
    transfer.setEnvelopeAndHeaders(message);
    result.error = transfer.addParts(message);
    if (!result.error.isEmpty())
        return result;
    return transfer.perform();
}
