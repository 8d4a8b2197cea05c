#include "logic/core/database/KeysetRead.h"

KeysetRead MakeKeysetRead(const QStringList& columns, const QVariantList& key, PageRead read) {
    Q_ASSERT(columns.size() == key.size() && (columns.size() == 1 || columns.size() == 2));
    const bool back = read == PageRead::Before;
    KeysetRead result;
    result.order = columns.join(back ? QStringLiteral(" Desc,") : QStringLiteral(","));
    if (back)
        result.order += QStringLiteral(" Desc");
    if (read == PageRead::First)
        return result;
    const QString strict = back ? QStringLiteral("<?") : QStringLiteral(">?");
    const QString last = read == PageRead::From ? QStringLiteral(">=?") : strict;
    if (columns.size() == 1) {
        result.condition = columns.first() + last;
        result.values = key;
        return result;
    }
    const QString wide = back ? QStringLiteral("<=?") : QStringLiteral(">=?");
    result.condition = columns.at(0) + wide + QStringLiteral(" And (") + columns.at(0) + strict +
                       QStringLiteral(" Or ") + columns.at(1) + last + QLatin1Char(')');
    result.values = {key.at(0), key.at(0), key.at(1)};
    return result;
}
