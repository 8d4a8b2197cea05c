#pragma once

#include "logic/internet/InternetSettings.h"
#include "logic/internet/NewsRules.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

// One use of the maker's news database through ODBC: the connection opens with the use and
// closes when it goes, as every use has its own.
class NewsConnection {
public:
    explicit NewsConnection(const NewsServer& server);
    ~NewsConnection();
    NewsConnection(const NewsConnection&) = delete;
    NewsConnection& operator=(const NewsConnection&) = delete;

    // False, with the driver's reason, when the server cannot be reached or refuses.
    bool open(QString* error);
    QSqlDatabase database() const;

private:
    QString m_name;
    NewsServer m_server;
};

// An article as stored.
struct NewsArticle {
    QString title;
    QString text;
};

// The reading trace of one opened article.
struct ReadingTrace {
    QDate date;
    QString time; // "hh:mm:ss"
    QString program;
    QString serialNum;
    QString programUser;
    QString readArt;
};

// The statements on the news database, with every value bound.
namespace NewsStatements {
// The current items of this program for the day, in the order the rules read them.
std::optional<QList<NewsRow>> SelectCurrent(QSqlDatabase database, const QDate& day, QString* error);
// The article of a record; an empty optional with error "" when there is no such record.
std::optional<NewsArticle> SelectArticle(QSqlDatabase database, int record, QString* error);
// Writes the trace with the next RecordNum, taken in the same statement; when another
// installation took that number first (a key violation), it is tried again with the next.
bool InsertTrace(QSqlDatabase database, const ReadingTrace& trace, QString* error, int attempts = 5);
} // namespace NewsStatements
