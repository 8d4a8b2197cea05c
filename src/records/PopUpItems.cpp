#include "PopUpItems.h"

QStringList PopUpMenuItems(const QString& popUpItems) {
    QStringList items = popUpItems.split(QLatin1Char('|'));
    items.removeLast(); // the text after the last "|" is no item
    if (items.size() > 30)
        items = items.mid(0, 30);
    return items;
}
