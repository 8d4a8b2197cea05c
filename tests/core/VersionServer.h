#pragma once

#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QTcpSocket>

// The maker's web server in tests: serves a version file on 127.0.0.1 (a free port) and
// records what each request asked for.
class VersionServer {
public:
    struct Request {
        QString path;
        QByteArray userAgent;
        QByteArray cacheControl;
    };

    explicit VersionServer(const QByteArray& text,
                           QHttpServerResponse::StatusCode status = QHttpServerResponse::StatusCode::Ok)
        : m_text(text), m_status(status) {
        m_server.route(QStringLiteral("/sse/orva/int.ver"), [this](const QHttpServerRequest& request) {
            requests << Request{request.url().path(), request.value("User-Agent"),
                                request.value("Cache-Control")};
            return QHttpServerResponse(QByteArrayLiteral("application/octet-stream"), m_text, m_status);
        });
        m_port = m_server.listen(QHostAddress::LocalHost, 0);
    }
    bool listening() const { return m_port != 0; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    QList<Request> requests;

private:
    QByteArray m_text;
    QHttpServerResponse::StatusCode m_status;
    QHttpServer m_server;
    quint16 m_port = 0;
};

// A published version file: 20 characters, the version at characters 8 to 11.
inline QByteArray PublishedVersion(const char* version) {
    return QByteArray("ORVA.V ") + QByteArray(version, 4) + QByteArray("-20261201");
}

// An address on 127.0.0.1 where nothing listens.
inline QString ClosedAddress() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

// A server that takes the connection and never answers.
class SilentServer {
public:
    SilentServer() {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                m_sockets << socket;
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    int connections() const { return int(m_sockets.size()); }

private:
    QTcpServer m_server;
    QList<QTcpSocket*> m_sockets; // owned by the server
};

// A server whose version file never ends: it sends a body without a length and keeps
// sending as fast as it is read, until the client goes.
class EndlessServer {
public:
    EndlessServer() {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++m_connections;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    socket->readAll();
                    if (socket->property("answering").toBool())
                        return;
                    socket->setProperty("answering", true);
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                                  "Connection: close\r\n\r\n");
                    feed(socket);
                });
                QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] { feed(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                    m_closedByClient = true;
                    socket->deleteLater();
                });
            }
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    qint64 sent() const { return m_sent; }
    bool closedByClient() const { return m_closedByClient; }
    int connections() const { return m_connections; }

private:
    void feed(QTcpSocket* socket) {
        // Keeps a little in the socket's own buffer, more whenever it drains.
        if (socket->state() != QAbstractSocket::ConnectedState || socket->bytesToWrite() > 65536)
            return;
        static const QByteArray chunk(16384, 'x');
        socket->write(chunk);
        m_sent += chunk.size();
    }

    QTcpServer m_server;
    qint64 m_sent = 0;
    int m_connections = 0;
    bool m_closedByClient = false;
};

// A server that takes the request and answers only when the test lets it.
class HeldServer {
public:
    HeldServer() {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                m_sockets << socket;
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    bool waiting() const { return !m_sockets.isEmpty(); }
    // Answers every request that waits with the text as the version file.
    void answer(const QByteArray& text) {
        for (QTcpSocket* socket : std::as_const(m_sockets)) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(text.size()) +
                          "\r\nConnection: close\r\n\r\n" + text);
            socket->disconnectFromHost();
        }
        m_sockets.clear();
    }

private:
    QTcpServer m_server;
    QList<QTcpSocket*> m_sockets; // owned by the server
};
