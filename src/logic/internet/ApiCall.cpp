#include "logic/internet/ApiCall.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

using namespace Qt::StringLiterals;

bool ApiCallResult::worthRetrying() const {
    if (kind == NotSent)
        return !lasting;
    // A gateway that timed out may have handed the request on: that is no "unavailable".
    return kind == Answered && status >= 500 && status != 504;
}

QString ApiCallResult::serverMessage() const {
    const QJsonDocument json = QJsonDocument::fromJson(body);
    if (json.isObject()) {
        for (const char16_t* field : {u"message", u"msg", u"detail"}) {
            const QJsonValue value = json.object().value(QString::fromUtf16(field));
            if (value.isString() && !value.toString().trimmed().isEmpty())
                return value.toString().trimmed();
        }
        return {};
    }
    if (json.isNull() && !body.trimmed().isEmpty() && !body.trimmed().startsWith('<'))
        return QString::fromUtf8(body).trimmed().left(500);
    return {};
}

ApiCall::ApiCall(QNetworkAccessManager& network, const QUrl& address, const QByteArray& body,
                 const QByteArray& bearerToken, int timeoutMs, QObject* parent)
    : QObject(parent) {
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json"));
    if (!bearerToken.isEmpty())
        request.setRawHeader(QByteArrayLiteral("Authorization"), "Bearer " + bearerToken);
    // A redirected POST could go on as a GET elsewhere: a redirect is an answer to report.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    m_reply = network.post(request, body);
    // From the first byte on its way the request may reach the server.
    connect(m_reply, &QNetworkReply::requestSent, this, [this] { m_sent = true; });
    connect(m_reply, &QNetworkReply::uploadProgress, this, [this](qint64 sent, qint64) {
        if (sent > 0)
            m_sent = true;
    });
    connect(m_reply, &QNetworkReply::finished, this, &ApiCall::onFinished);
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &ApiCall::onTimeout);
    m_limit.start(timeoutMs);
}

ApiCall::~ApiCall() {
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void ApiCall::onTimeout() {
    m_timedOut = true;
    if (m_reply)
        m_reply->abort();
}

void ApiCall::onFinished() {
    m_limit.stop();
    QNetworkReply* reply = m_reply;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && !m_timedOut) {
        m_result.kind = ApiCallResult::Answered;
        m_result.status = status.toInt();
        m_result.body = reply->readAll();
    } else {
        m_result.kind = m_sent ? ApiCallResult::SentUnanswered : ApiCallResult::NotSent;
        m_result.error = m_timedOut ? u"Δεν ήρθε απάντηση μέσα στον χρόνο αναμονής."_s : reply->errorString();
        const QNetworkReply::NetworkError error = reply->error();
        m_result.lasting = error == QNetworkReply::SslHandshakeFailedError ||
                           error == QNetworkReply::ProtocolUnknownError ||
                           error == QNetworkReply::InsecureRedirectError;
    }
    m_reply = nullptr;
    reply->deleteLater();
    emit finished();
}
