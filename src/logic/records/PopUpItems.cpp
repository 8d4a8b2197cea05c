#include "logic/records/PopUpItems.h"

#include "logic/records/PickList.h"

QStringList PopUpMenuItems(const QString& popUpItems) {
    constexpr int MostItems = 30;
    return PickListItems(popUpItems).mid(0, MostItems);
}
