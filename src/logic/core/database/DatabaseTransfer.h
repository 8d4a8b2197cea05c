#pragma once

#include "logic/core/database/ServerDatabase.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The copy of a local IntTvx.db into an office's server database, verified before it is
// committed.

// A row count and an order-free checksum of a table's rows: the sum of the first 64 bits of
// each row's MD5, read as a signed number, over the row written as each value's UTF-8 length,
// a colon and the value. The server computes it with its own md5() over what it stores; the
// copy computes it over what it sends.
struct TableSum {
    qint64 rows = 0;
    QString checksum; // the sum in decimal
    bool operator==(const TableSum&) const = default;
};

// Adds rows to a TableSum.
class RowSum {
public:
    void add(const QStringList& values);
    TableSum sum() const;

private:
    qint64 m_rows = 0;
    __int128 m_total = 0;
};

// The columns of a program table, in the order the copy and the checksum use.
const QStringList& TableColumns(const QString& table);

// The server's count and checksum of a table, in the connection's transaction.
bool ServerTableSum(const QSqlDatabase& db, const QString& table, TableSum* sum, QString* error);

using TransferProgress = std::function<void(qint64 done, qint64 total)>;

// Copies the employees, entries, submissions, parameters and companies of the file into the server's
// database in one transaction: the tables are made first on a database without any; a
// database whose tables hold rows is refused unless replace is true (then its rows go,
// provided no other connection is open to it). Before the commit the row count and checksum
// of every table on the server are compared with those of the rows sent; any difference
// undoes it all. AFMs lose their trailing blanks, which the file's key ignores.
ServerWork CopyIntoServer(const QString& setting, const QString& file, bool replace,
                          const TransferProgress& progress = {});
