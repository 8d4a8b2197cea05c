#include "PopUpItems.h"

#include "PickList.h"

QStringList PopUpMenuItems(const QString& popUpItems) {
    constexpr int MostItems = 30;
    return PickListItems(popUpItems).mid(0, MostItems);
}
