#include "logic/internet/NewsReader.h"

#include "logic/core/database/ParamStatements.h"
#include "logic/core/program/ProgramValues.h"

namespace NewsReader {

Refresh RefreshNews(const NewsServer& server, const QDate& workDate, const QString& installationCode) {
    Refresh refresh;
    DbStatus status;
    const QString stored = SelectNewsDat(&status);
    if (!status.ok()) {
        refresh.error = status.errorText;
        return refresh;
    }
    const QDate lastRefresh = NewsRules::ReadStoredDate(stored);

    NewsConnection connection(server);
    if (!connection.open(&refresh.error))
        return refresh;
    const std::optional<QList<NewsRow>> rows =
        NewsStatements::SelectCurrent(connection.database(), workDate, &refresh.error);
    if (!rows)
        return refresh;
    refresh.plan = NewsRules::Plan(*rows, lastRefresh, installationCode);

    const DbStatus update = UpdateNewsDat(NewsRules::StoredDate(workDate));
    if (!update.ok()) {
        refresh.error = update.errorText;
        return refresh;
    }
    refresh.ok = true;
    return refresh;
}

Article OpenArticle(const NewsServer& server, int record, const QDateTime& now) {
    Article result;
    NewsConnection connection(server);
    if (!connection.open(&result.error))
        return result;
    const std::optional<NewsArticle> article =
        NewsStatements::SelectArticle(connection.database(), record, &result.error);
    if (!article) {
        result.ok = result.error.isEmpty();
        return result;
    }
    result.ok = true;
    result.found = true;
    result.article = *article;

    ReadingTrace trace;
    trace.date = now.date();
    trace.time = now.time().toString(QStringLiteral("hh:mm:ss"));
    trace.program = QStringLiteral("Quarel ") + Program.DataVersion;
    trace.serialNum = Program.InstallationCode;
    trace.programUser = QStringLiteral("0");
    trace.readArt = NewsRules::ReadArticle(record, article->title);
    QString traceError;
    result.traced = NewsStatements::InsertTrace(connection.database(), trace, &traceError);
    return result;
}

} // namespace NewsReader
