#include "logic/internet/PageScripts.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// A JSON string literal of the text.
QString Literal(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString WithField(const QString& name, const QString& body, const QString& missing) {
    return QStringLiteral("(function(){var f=document.forms[0];var e=f?f.elements.namedItem(%1):null;"
                          "if(!e)return %3;%2})()")
        .arg(Literal(name), body, missing);
}

} // namespace

namespace PageScripts {

QString SetField(const QString& name, const QString& value) {
    return WithField(name,
                     QStringLiteral("e.value=%1;e.dispatchEvent(new Event('input',{bubbles:true}));"
                                    "e.dispatchEvent(new Event('change',{bubbles:true}));return true;")
                         .arg(Literal(value)),
                     QStringLiteral("false"));
}

QString ClickField(const QString& name) {
    return WithField(name, QStringLiteral("e.click();return true;"), QStringLiteral("false"));
}

QString FieldValue(const QString& name) {
    return WithField(name, QStringLiteral("return e.value;"), QStringLiteral("null"));
}

} // namespace PageScripts
