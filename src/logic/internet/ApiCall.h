#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// What became of one call to the API. The difference that matters is whether the server
// may have received the request: a call that never left can be made again; a call that
// left and got no answer may have been carried out.
struct ApiCallResult {
    enum Kind {
        Answered,      // the server answered with a status
        NotSent,       // nothing reached the server (refused connection, unknown host, ...)
        SentUnanswered // the request left and no answer came (time-out, connection dropped)
    };
    Kind kind = NotSent;
    int status = 0;
    QByteArray body;
    QString error;        // the network's reason for NotSent and SentUnanswered
    bool lasting = false; // NotSent for a reason no later try mends (the secure connection)

    // A failure that a later try may overcome: nothing was sent, or the server said it is
    // unavailable before it took the request (5xx other than a gateway's time-out).
    bool worthRetrying() const;
    // The server's own words of an error answer: the "message", "msg" or "detail" of its
    // JSON, or its plain text; "" when it gave none.
    QString serverMessage() const;
};

// One POST of JSON to the API with a time-out, answering through finished(). The body is
// never written anywhere but to the connection.
class ApiCall : public QObject {
    Q_OBJECT
public:
    ApiCall(QNetworkAccessManager& network, const QUrl& address, const QByteArray& body,
            const QByteArray& bearerToken, int timeoutMs, QObject* parent = nullptr);
    ~ApiCall() override;

    const ApiCallResult& result() const { return m_result; }

signals:
    void finished();

private:
    void onFinished();
    void onTimeout();

    QPointer<QNetworkReply> m_reply;
    QTimer m_limit;
    bool m_sent = false;
    bool m_timedOut = false;
    ApiCallResult m_result;
};
