#include "logic/records/PickList.h"

#include <algorithm>

QStringList PickListItems(const QString& items) {
    QStringList split = items.split(QLatin1Char('|'));
    split.removeLast(); // the text after the last "|" is no item
    return split;
}

int WidenedListWidthTwips(const QStringList& items) {
    constexpr int TwipsPerCharacter = 148;
    constexpr int CharactersOfDesignedWidth = 20;
    qsizetype widest = 0;
    for (const QString& item : items)
        widest = std::max(widest, item.size() - 1);
    return widest > CharactersOfDesignedWidth ? int(widest) * TwipsPerCharacter : 0;
}

QString ScrollMarksFor(const QList<bool>& chosen) {
    QString marks;
    marks.reserve(chosen.size());
    for (bool mark : chosen)
        marks += mark ? QLatin1Char('1') : QLatin1Char('0');
    return marks;
}
