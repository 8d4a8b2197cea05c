#pragma once

#include "logic/internet/InternetSettings.h"
#include "logic/internet/NewsDatabase.h"
#include "logic/internet/NewsRules.h"

#include <QString>

// The news reader's two uses of the maker's database, each on a connection of its own.
namespace NewsReader {

struct Refresh {
    bool ok = false;
    QString error; // why it failed, for the strip's tool tip
    NewsPlan plan;
};

// A refresh for the work date: the last refresh's day from Param, the current items from
// the news server, the rules, and on success the work date stored back as the day of the
// last refresh. Any failure (the local database, the server, a statement) ends it with
// nothing stored.
Refresh RefreshNews(const NewsServer& server, const QDate& workDate, const QString& installationCode);

struct Article {
    bool ok = false;
    bool found = false;
    QString error;
    NewsArticle article;
    bool traced = false;
};

// Loads an article and writes its reading trace, stamped now (the trace failing does not
// keep the article from being shown).
Article OpenArticle(const NewsServer& server, int record, const QDateTime& now);

} // namespace NewsReader
