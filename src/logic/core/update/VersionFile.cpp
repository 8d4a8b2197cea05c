#include "logic/core/update/VersionFile.h"

#include "logic/core/text/FailureText.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkProxyQuery>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace VersionFile {

QUrl Address(const QString& host) {
    QString base = host.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QUrl url(base + QStringLiteral("/sse/orva/int.ver"), QUrl::StrictMode);
    if (base.isEmpty() || !url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return {};
    return url;
}

bool IsNewer(const QByteArray& text, const QString& dataVersion) {
    if (text.size() != Length)
        return false;
    return dataVersion < QString::fromLatin1(text.mid(7, 4));
}

} // namespace VersionFile

VersionFetch FetchVersionFile(const QUrl& address, int timeoutMs) {
    VersionFetch fetch;
    QNetworkAccessManager manager;
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(address));
    if (!proxies.isEmpty())
        manager.setProxy(proxies.first());
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("LiveUpdate"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Proxies on the way must not answer from their caches either.
    request.setRawHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
    request.setRawHeader(QByteArrayLiteral("Pragma"), QByteArrayLiteral("no-cache"));

    QNetworkReply* reply = manager.get(request);
    // No more is kept than the rule needs: a longer body is no version file, and is given up
    // as soon as it is seen to be longer, however much more the server would send.
    reply->setReadBufferSize(VersionFile::Length + 1);
    bool tooLong = false;
    QByteArray head;
    const auto checkLength = [reply, &tooLong, &head] {
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (!tooLong && (announced > VersionFile::Length || reply->bytesAvailable() > VersionFile::Length)) {
            tooLong = true;
            head = reply->peek(VersionFile::Length + 1);
            reply->abort();
        }
    };
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, checkLength);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, checkLength);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    loop.exec();

    if (tooLong) {
        // The server answered, with something longer than a version file: the text kept is
        // its beginning, one character longer than the rule's, so that it counts as none.
        fetch.answered = true;
        fetch.text = head.leftJustified(VersionFile::Length + 1, ' ', true);
    } else if (!reply->isFinished()) {
        fetch.interrupted = limit.isActive();
        fetch.error = QStringLiteral("Ο διακομιστής %1 δεν απάντησε μέσα σε %2 δευτερόλεπτα.")
                          .arg(address.host())
                          .arg((timeoutMs + 999) / 1000);
        reply->abort();
    } else if (reply->error() != QNetworkReply::NoError) {
        fetch.error = QStringLiteral("Ο διακομιστής %1 δεν έδωσε το αρχείο της έκδοσης: %2.")
                          .arg(address.host(), GreekNetworkReason(reply->error()));
        fetch.details = QStringLiteral("%1: %2").arg(address.toString(), reply->errorString());
    } else {
        fetch.answered = true;
        fetch.text = reply->readAll();
    }
    delete reply;
    return fetch;
}
