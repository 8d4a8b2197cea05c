#include "logic/internet/NewsRules.h"

#include "logic/core/text/DateHelpers.h"

namespace NewsRules {

namespace {
bool Taken(const NewsRow& row, const QString& installationCode) {
    if (row.serial.isNull())
        return false;
    const QString serial = row.serial.toString().trimmed();
    return serial.isEmpty() || serial == installationCode.trimmed();
}
} // namespace

NewsPlan Plan(const QList<NewsRow>& rows, const QDate& lastRefresh, const QString& installationCode) {
    NewsPlan plan;
    bool firstPriority6 = true;
    // Never refreshed: every item started later than that.
    const QDateTime last = lastRefresh.isValid() ? lastRefresh.startOfDay() : QDateTime();
    for (const NewsRow& row : rows) {
        if (!Taken(row, installationCode))
            continue;
        if (row.priority == 6 && firstPriority6 && plan.popUps.size() < MaxPopUps) {
            firstPriority6 = false;
            plan.popUps << row.record;
        }
        if (row.priority == 7 && (!last.isValid() || row.dateStart > last) && plan.popUps.size() < MaxPopUps)
            plan.popUps << row.record;
        if (plan.listedRecords.size() >= MaxListed)
            break;
        plan.listedRecords << row.record;
        plan.lines << ListLine(row);
    }
    return plan;
}

QString ListLine(const NewsRow& row) {
    return row.title + QLatin1Char(' ') + ScreenDate(row.dateStart.date());
}

QString StoredDate(const QDate& day) {
    return ScreenDate(day);
}

QDate ReadStoredDate(const QString& text) {
    return ParseScreenDate(text.trimmed());
}

QString ReadArticle(int record, const QString& title) {
    return QStringLiteral("Θεματα %1 %2 ").arg(record).arg(title.trimmed());
}

QString ArticleFileName(const QString& appPath, const QString& title) {
    QString name = title.trimmed();
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' || c == u'<' ||
            c == u'>' || c == u'|' || c.unicode() < 32)
            c = u'-';
    }
    if (name.isEmpty())
        name = QStringLiteral("Άρθρο");
    return appPath + QStringLiteral("/News/") + name + QStringLiteral(".Txt");
}

void Ticker::start() {
    m_interval = FirstMs;
    m_minuteTicks = 0;
}

void Ticker::resume() {
    m_interval = MinuteMs;
}

void Ticker::stop() {
    m_interval = 0;
}

bool Ticker::tick() {
    if (m_interval == 0)
        return false;
    if (m_interval == FirstMs) {
        m_interval = MinuteMs;
        return true;
    }
    if (++m_minuteTicks < TicksPerRefresh)
        return false;
    m_minuteTicks = 0;
    return true;
}

} // namespace NewsRules
