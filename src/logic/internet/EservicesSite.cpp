#include "logic/internet/EservicesSite.h"

#include <QUrl>

namespace Eservices {

const QString UserNameField = QStringLiteral("ctl00$ctl00$ContentHolder$ContentHolder$SiteLogin$UserName");
const QString PasswordField = QStringLiteral("ctl00$ctl00$ContentHolder$ContentHolder$SiteLogin$Password");
const QString LoginButton = QStringLiteral("ctl00$ctl00$ContentHolder$ContentHolder$SiteLogin$Login");
const QString BranchField = QStringLiteral(
    "ctl00$ctl00$ctl00$ContentHolder$ContentHolder$ContentHolder$ctl00$PararthmaSelection$PararthmaListEdit");
const QString AfmField =
    QStringLiteral("ctl00$ctl00$ctl00$ContentHolder$ContentHolder$ContentHolder$ctl00$AfmErgazomenosEdit");
const QString HoursField =
    QStringLiteral("ctl00$ctl00$ctl00$ContentHolder$ContentHolder$ContentHolder$ctl00$WresErgasiasBox");
const QString RemarksField =
    QStringLiteral("ctl00$ctl00$ctl00$ContentHolder$ContentHolder$ContentHolder$ctl00$ParathrhseisBox");

namespace {

const QString SessionOpening = QStringLiteral("/(S(");
const QString LoginEnding = QStringLiteral("))/login.aspx?ReturnUrl=%2FDefault.aspx");
const QString HomeEnding = QStringLiteral("))/Default.aspx");
const QString EntryEnding = QStringLiteral("/SK/SygkentrwtikhPararthmatosOne.aspx");
const QString LoggedOutEnding = QStringLiteral("))/login.aspx");
const QString ProofMark = QStringLiteral("PararthmatosPrintPDF");
const QString ProofOpening = QStringLiteral("//SK/SygkentrwtikhPararthmatosPrintPDF.aspx?");

bool IsHex(QChar c) {
    return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
}

} // namespace

QString NormaliseBase(const QString& setting) {
    QString text = setting.trimmed();
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    if (text.isEmpty())
        return {};
    QUrl url(text);
    if (!url.isValid() || url.host().isEmpty())
        return text;
    if ((url.scheme() == u"https" && url.port() == 443) || (url.scheme() == u"http" && url.port() == 80))
        url.setPort(-1);
    QString normal = url.toString(QUrl::FullyEncoded);
    while (normal.endsWith(QLatin1Char('/')))
        normal.chop(1);
    return normal;
}

QString NormaliseEscapes(const QString& address) {
    QString normal = address;
    for (qsizetype i = 0; i + 2 < normal.size(); ++i) {
        if (normal.at(i) == u'%' && IsHex(normal.at(i + 1)) && IsHex(normal.at(i + 2))) {
            normal[i + 1] = normal.at(i + 1).toUpper();
            normal[i + 2] = normal.at(i + 2).toUpper();
            i += 2;
        }
    }
    return normal;
}

Page Recognise(const QString& base, const QString& address) {
    if (base.isEmpty())
        return Page::Other;
    const QString normal = NormaliseEscapes(address);
    if (!normal.startsWith(base + SessionOpening))
        return Page::Other;
    if (normal.endsWith(LoginEnding))
        return Page::Login;
    if (normal.endsWith(HomeEnding))
        return Page::Home;
    if (normal.endsWith(EntryEnding))
        return Page::Entry;
    if (normal.endsWith(LoggedOutEnding))
        return Page::LoggedOut;
    return Page::Other;
}

QString SessionIdIn(const QString& base, const QString& address) {
    const QString opening = base + SessionOpening;
    if (base.isEmpty() || !address.startsWith(opening))
        return {};
    return address.mid(opening.size(), SessionIdLength);
}

QString EntryPageAddress(const QString& base, const QString& sessionId) {
    return base + SessionOpening + sessionId + QStringLiteral("))") + EntryEnding;
}

bool IsProofAddress(const QString& address) {
    return address.contains(ProofMark);
}

bool IsProofOpening(const QString& base, const QString& address) {
    return !base.isEmpty() && address.startsWith(base + ProofOpening);
}

} // namespace Eservices
