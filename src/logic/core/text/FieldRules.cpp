#include "logic/core/text/FieldRules.h"

#include "logic/core/services/Dialogs.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

bool AfmNeedsWarning(const QString& afm) {
    const QString text = afm.trimmed();
    if (text.isEmpty())
        return false;
    for (int i = 0; i < qMin(9, int(text.size())); ++i) {
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return true;
    }
    if (text.size() != 9)
        return true;
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += (text.at(i).unicode() - u'0') << (8 - i);
    const int check = sum % 11 % 10; // a remainder of 10 counts as 0
    return check != text.at(8).unicode() - u'0';
}

bool CheckAfmText(QString& afm) {
    afm = afm.trimmed();
    if (!AfmNeedsWarning(afm))
        return false;
    ShowBox(u"ΠΡΟΣΟΧΗ"_s, u"Λανθασμένο ΑΦΜ"_s, MsgIcon::Information);
    return true;
}

void PrepareRange(QString& from, QString& to, QString& mask, int width) {
    QString low = from.trimmed();
    QString high = to.trimmed();
    // Bounds typed the wrong way round are exchanged before they are padded, so that the
    // range still runs from the first key of the lower to the last key of the higher.
    if (low.leftJustified(width, u' ') > high.leftJustified(width, QChar(HighKeyChar)))
        std::swap(low, high);
    from = low.leftJustified(width, u' ');
    to = high.leftJustified(width, QChar(HighKeyChar));
    const QString allStars(width, u'*');
    if (mask.isEmpty())
        mask = allStars;
    if (mask != allStars)
        mask.replace(u'*', u'%');
}

double ParseGreekNumber(const QString& text, bool* ok) {
    static const QRegularExpression number(u"^([+-]?)([0-9.]*)(?:,([0-9]*))?$"_s);
    const QRegularExpressionMatch match = number.match(text.trimmed());
    QString whole = match.captured(2);
    whole.remove(u'.');
    const QString fraction = match.captured(3);
    *ok = match.hasMatch() && !(whole.isEmpty() && fraction.isEmpty());
    if (!*ok)
        return 0;
    const QString plain = match.captured(1) + (whole.isEmpty() ? u"0"_s : whole) + u'.' + fraction + u'0';
    return plain.toDouble(ok);
}

namespace {

// A value held in ten-thousandths as "-1.234,5000" (with thousands points) or "-1234,5000".
QString FourDecimals(qint64 tenThousandths, bool thousands) {
    const qint64 magnitude = tenThousandths < 0 ? -tenThousandths : tenThousandths;
    QString whole = QString::number(magnitude / 10000);
    if (thousands) {
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, u'.');
    }
    const QString fraction = QString::number(magnitude % 10000).rightJustified(4, u'0');
    return (tenThousandths < 0 ? u"-"_s : QString()) + whole + u',' + fraction;
}

// Divides rounding halves away from zero.
qint64 RoundedDivision(qint64 value, qint64 divisor) {
    const qint64 half = divisor / 2;
    return value >= 0 ? (value + half) / divisor : -((-value + half) / divisor);
}

} // namespace

QString FormatNumberText(const QString& text, int decimals, bool thousands, int maxLength) {
    QString result = text.trimmed().isEmpty() ? u"0"_s : text;
    QString s = text;
    if ((decimals != 0 || thousands) && s.size() > 9)
        s.truncate(9);
    if (decimals > 0 && !s.contains(u',')) {
        const qsizetype point = s.indexOf(u'.');
        if (point >= 0)
            s[point] = u',';
    }
    bool numeric = false;
    double value = ParseGreekNumber(s, &numeric);
    if (!numeric)
        value = 0;
    // Beyond this the value no longer fits in ten-thousandths; the text is left as it was.
    if (decimals < 0 || decimals > 4 || std::fabs(value) >= 1e14)
        return result.trimmed();

    static const std::array<qint64, 5> scale{10000, 1000, 100, 10, 1};
    const qint64 tenThousandths = std::llround(value * 10000.0);
    const qint64 rounded = RoundedDivision(tenThousandths, scale[decimals]) * scale[decimals];
    s = FourDecimals(rounded, thousands).rightJustified(16, u' ');

    // The wanted part ends after the decimals kept (position 11 for none, 13 for one, ...
    // 16 for four in a 16-character text); a longer text moves that end along with it.
    static const std::array<int, 5> ends{11, 13, 14, 15, 16};
    const int end = ends[decimals] + int(s.size()) - 16;
    const int start = qMax(0, end - qMax(1, maxLength));
    result = s.mid(start, end - start);
    return result.trimmed();
}
