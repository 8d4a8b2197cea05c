#include "logic/core/program/WorkDateEntry.h"

#include "logic/core/text/DateHelpers.h"

QPoint WorkDateWindowPosition(const QSize& client, const QSize& window) {
    const double left = (client.width() - window.width()) / 2.0;
    const double top = (client.height() / 2.0 - window.height()) / 1.3 + client.height() / 2.5;
    return {int(left), int(top)};
}

QDate AcceptedWorkDate(const QString& fieldText, const QDate& oldWorkDate) {
    QString completed = fieldText;
    return CompleteDate(completed, oldWorkDate) ? ParseScreenDate(completed) : oldWorkDate;
}
