#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One row of the maker's current news, as the refresh reads them.
struct NewsRow {
    int record = 0;
    QString title;
    QDateTime dateStart;
    QVariant serial; // null, blank for everybody, or the one installation's code
    int priority = 0;
};

// What a refresh shows: the listed titles with their records, and the articles that pop up
// by themselves, in order.
struct NewsPlan {
    QList<int> listedRecords;
    QStringList lines;
    QList<int> popUps;
};

namespace NewsRules {
inline constexpr int MaxListed = 200;
inline constexpr int MaxPopUps = 6;

// The refresh's rules over the rows in the query's order: an item is taken when its Serial
// is blank or this installation's code (a null Serial is neither); of the taken items the
// first of priority 6 pops up, and every priority 7 one that started after the last refresh,
// six at most; 200 are listed, and reading stops at the first taken item past them (which
// may still pop up).
NewsPlan Plan(const QList<NewsRow>& rows, const QDate& lastRefresh, const QString& installationCode);
// The list's line of an item: its title, a blank and the first day of publication.
QString ListLine(const NewsRow& row);

// The day of the last refresh as Param keeps it ("dd/mm/yyyy"), and back; a null date for
// an empty or unreadable text (never refreshed).
QString StoredDate(const QDate& day);
QDate ReadStoredDate(const QString& text);

// The reading trace's article text: "Θεματα " + the record + " " + the trimmed title + " ".
QString ReadArticle(int record, const QString& title);
// The file an article is saved into by default: AppPath/News/<title>.Txt, with the
// characters a file name cannot hold replaced.
QString ArticleFileName(const QString& appPath, const QString& title);

// The refresh timer: 30 seconds after it is started, then once every 60 minutes counted in
// minute ticks. An interval of 0 is a stopped timer.
class Ticker {
public:
    static constexpr int FirstMs = 30000;
    static constexpr int MinuteMs = 60000;
    static constexpr int TicksPerRefresh = 60;

    // The internet switch turned on: the first refresh in 30 seconds.
    void start();
    // The updating resumed by the user: minute ticks from now.
    void resume();
    void stop();
    // A tick: true when a refresh is due now.
    bool tick();

    int interval() const { return m_interval; }
    int minuteTicks() const { return m_minuteTicks; }

private:
    int m_interval = 0;
    int m_minuteTicks = 0;
};
} // namespace NewsRules
