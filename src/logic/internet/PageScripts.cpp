#include "logic/internet/PageScripts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace {

// A JSON string literal of the text.
QString Literal(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString WithField(const QString& name, const QString& body, const QString& missing) {
    return QStringLiteral("var f=document.forms[0];var e=f?f.elements.namedItem(%1):null;"
                          "if(!e)return %3;%2")
        .arg(Literal(name), body, missing);
}

// The body runs only while the page is of the origin; an empty origin never matches.
QString InOrigin(const QString& origin, const QString& body) {
    return QStringLiteral("(function(){if(%1===''||location.origin!==%1)return false;%2})()")
        .arg(Literal(origin), body);
}

int DefaultPort(const QString& scheme) {
    if (scheme == u"https" || scheme == u"wss")
        return 443;
    if (scheme == u"http" || scheme == u"ws")
        return 80;
    if (scheme == u"ftp")
        return 21;
    return -1;
}

} // namespace

namespace PageScripts {

QString OriginOf(const QString& address) {
    const QUrl url(address.trimmed());
    const QString host = url.host(QUrl::FullyEncoded).toLower();
    if (!url.isValid() || host.isEmpty())
        return {};
    const QString scheme = url.scheme().toLower();
    QString origin = scheme + QStringLiteral("://") + (host.contains(u':') ? u'[' + host + u']' : host);
    if (url.port() != -1 && url.port() != DefaultPort(scheme))
        origin += u':' + QString::number(url.port());
    return origin;
}

QString SetField(const QString& origin, const QString& name, const QString& value) {
    return InOrigin(
        origin, WithField(name,
                          QStringLiteral("e.value=%1;e.dispatchEvent(new Event('input',{bubbles:true}));"
                                         "e.dispatchEvent(new Event('change',{bubbles:true}));return true;")
                              .arg(Literal(value)),
                          QStringLiteral("false")));
}

QString ClickField(const QString& origin, const QString& name) {
    return InOrigin(origin,
                    WithField(name, QStringLiteral("e.click();return true;"), QStringLiteral("false")));
}

QString SubmitForm(const QString& origin, const QStringList& required) {
    QJsonArray names;
    for (const QString& name : required)
        names.append(name);
    // Through the prototype: a field named "submit" hides the form's own submit().
    return InOrigin(origin,
                    QStringLiteral("var f=document.forms[0];if(!f)return false;var r=%1;"
                                   "for(var i=0;i<r.length;++i)if(!f.elements.namedItem(r[i]))return false;"
                                   "HTMLFormElement.prototype.submit.call(f);return true;")
                        .arg(QString::fromUtf8(QJsonDocument(names).toJson(QJsonDocument::Compact))));
}

QString FieldValue(const QString& name) {
    return QStringLiteral("(function(){%1})()")
        .arg(WithField(name, QStringLiteral("return e.value;"), QStringLiteral("null")));
}

} // namespace PageScripts
