#include "logic/core/database/GreekCollation.h"

#include <QSqlDriver>
#include <QVariant>
#include <algorithm>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>

// The comparison is ICU's Greek collator as QCollator sets it up (canonical equivalents
// equal, tertiary strength), called through ICU itself: SQLite hands a file's text over as
// UTF-8, which only ICU compares without first converting it, and a name index of a large
// table takes millions of comparisons.

namespace {

struct CollatorClose {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using Collator = std::unique_ptr<UCollator, CollatorClose>;

Collator openGreekCollator() {
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open("el_GR", &status));
    if (U_FAILURE(status))
        return nullptr;
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    return U_SUCCESS(status) ? std::move(collator) : nullptr;
}

// Texts the collator takes as equal follow their characters' code points.
int byCodePoints(const void* left, int leftBytes, const void* right, int rightBytes) {
    const int common = std::min(leftBytes, rightBytes);
    const int order = std::memcmp(left, right, size_t(common));
    return order != 0 ? order : leftBytes - rightBytes;
}

int compareUtf8(void* collator, int leftBytes, const void* left, int rightBytes, const void* right) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order =
        ucol_strcollUTF8(static_cast<const UCollator*>(collator), static_cast<const char*>(left), leftBytes,
                         static_cast<const char*>(right), rightBytes, &status);
    return order != UCOL_EQUAL ? int(order) : byCodePoints(left, leftBytes, right, rightBytes);
}

int compareUtf16(const UCollator* collator, QStringView left, QStringView right) {
    const auto* l = reinterpret_cast<const UChar*>(left.utf16());
    const auto* r = reinterpret_cast<const UChar*>(right.utf16());
    const UCollationResult order = ucol_strcoll(collator, l, int32_t(left.size()), r, int32_t(right.size()));
    return order != UCOL_EQUAL ? int(order)
                               : u_strCompare(l, int32_t(left.size()), r, int32_t(right.size()), true);
}

int compareUtf16(void* collator, int leftBytes, const void* left, int rightBytes, const void* right) {
    return compareUtf16(static_cast<const UCollator*>(collator),
                        QStringView(static_cast<const char16_t*>(left), leftBytes / 2),
                        QStringView(static_cast<const char16_t*>(right), rightBytes / 2));
}

void closeCollator(void* collator) {
    ucol_close(static_cast<UCollator*>(collator));
}

sqlite3* sqliteHandle(const QSqlDatabase& db) {
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

} // namespace

bool RegisterGreekCollation(const QSqlDatabase& db) {
    if (sqlite3* handle = sqliteHandle(db))
        return RegisterGreekCollation(handle);
    return !db.driverName().startsWith(QLatin1String("QSQLITE"));
}

bool RegisterGreekCollation(sqlite3* handle) {
    // SQLite calls the form that matches the file's text encoding. Each connection has
    // collators of its own: a connection is used by one thread at a time.
    const std::pair<int, int (*)(void*, int, const void*, int, const void*)> forms[] = {
        {SQLITE_UTF8, compareUtf8}, {SQLITE_UTF16_ALIGNED, compareUtf16}};
    for (const auto& [encoding, compare] : forms) {
        Collator collator = openGreekCollator();
        if (!collator || sqlite3_create_collation_v2(handle, "GREEK", encoding, collator.get(), compare,
                                                     closeCollator) != SQLITE_OK)
            return false;
        collator.release(); // the connection closes it
    }
    return true;
}

QString NameCollation(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL") ? QStringLiteral(" Collate \"el-GR-x-icu\"")
                                                     : QStringLiteral(" Collate GREEK");
}

QString NameSearchBound(const QString& text) {
    QString bare;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare += c;
    }
    bare = bare.toLower();
    bare.replace(QChar(u'ς'), QChar(u'σ'));
    return bare.normalized(QString::NormalizationForm_C);
}
