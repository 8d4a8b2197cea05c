#include "logic/internet/WorkHours.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int MinutesPerDay = 24 * 60;

// The text in capitals without its accents, as the rest-day words are compared.
QString Bare(const QString& text) {
    QString bare;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare += c;
    }
    return bare.toUpper();
}

bool IsRestDay(const QString& text) {
    const QString bare = Bare(text.trimmed());
    return bare == u"ΡΕΠΟ"_s || bare == u"ΑΝΑΠΑΥΣΗ"_s;
}

// The piece of text from a position to the next separator, for the reason of a refusal.
QString PieceAt(const QString& text, qsizetype pos) {
    static const QRegularExpression end(u"[\\s,]"_s);
    const qsizetype stop = text.indexOf(end, pos);
    return text.mid(pos, stop < 0 ? -1 : stop - pos);
}

// A time of the text: hours 0 to 23 (24:00 only where allowed) and minutes 0 to 59; -1 when
// it is no time of day.
int Minutes(const QString& hours, const QString& minutes, bool endOfDayAllowed) {
    const int h = hours.toInt();
    const int m = minutes.toInt();
    if (m > 59)
        return -1;
    if (h == 24 && m == 0 && endOfDayAllowed)
        return MinutesPerDay;
    return h > 23 ? -1 : h * 60 + m;
}

HoursReading Refused(const QString& reason) {
    HoursReading reading;
    reading.reason = reason;
    return reading;
}

// The intervals on one line of time: an interval past midnight ends on the next day.
struct Span {
    int start;
    int end;
    WorkInterval interval;
};

} // namespace

QString ClockText(int minutes) {
    return u"%1:%2"_s.arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString WorkInterval::text() const {
    return ClockText(from) + u'-' + ClockText(to);
}

QString HoursReading::sentText() const {
    if (kind == RestDay)
        return u"ΑΝ"_s;
    QStringList texts;
    for (const WorkInterval& interval : intervals)
        texts << interval.text();
    return texts.join(u", "_s);
}

HoursReading ReadWorkHours(const QString& korario) {
    const QString text = korario.trimmed();
    if (text.isEmpty())
        return Refused(u"Δεν έχει ωράριο."_s);
    if (IsRestDay(text)) {
        HoursReading rest;
        rest.kind = HoursReading::RestDay;
        return rest;
    }

    static const QRegularExpression separators(u"(?:\\s|,|και(?!\\p{L}))+"_s,
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression interval(
        u"([0-9]{1,2}):([0-9]{2})\\s*[-\u2013]\\s*([0-9]{1,2}):([0-9]{2})(?![0-9:])"_s);
    QList<Span> spans;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QRegularExpressionMatch gap = separators.match(text, pos, QRegularExpression::NormalMatch,
                                                             QRegularExpression::AnchorAtOffsetMatchOption);
        if (gap.hasMatch() && gap.capturedLength() > 0) {
            pos = gap.capturedEnd();
            continue;
        }
        const QRegularExpressionMatch found = interval.match(text, pos, QRegularExpression::NormalMatch,
                                                             QRegularExpression::AnchorAtOffsetMatchOption);
        if (!found.hasMatch())
            return Refused(u"Δεν διαβάζεται το «%1» του ωραρίου «%2»."_s.arg(PieceAt(text, pos), text));
        const int from = Minutes(found.captured(1), found.captured(2), false);
        const int to = Minutes(found.captured(3), found.captured(4), true);
        if (from < 0 || to < 0)
            return Refused(u"Λάθος ώρα στο «%1» του ωραρίου «%2»."_s.arg(found.captured(0), text));
        if (from == to % MinutesPerDay)
            return Refused(u"Το διάστημα «%1» αρχίζει και τελειώνει την ίδια ώρα."_s.arg(found.captured(0)));
        const WorkInterval work{from, to % MinutesPerDay};
        const int end = work.to < work.from ? work.to + MinutesPerDay : work.to;
        spans << Span{from, end, work};
        pos = found.capturedEnd();
    }

    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
    HoursReading reading;
    reading.kind = HoursReading::Work;
    for (qsizetype i = 0; i < spans.size(); ++i) {
        if (i > 0 && spans.at(i).start < spans.at(i - 1).end)
            return Refused(u"Τα διαστήματα %1 και %2 επικαλύπτονται."_s.arg(spans.at(i - 1).interval.text(),
                                                                            spans.at(i).interval.text()));
        reading.intervals << spans.at(i).interval;
    }
    return reading;
}
