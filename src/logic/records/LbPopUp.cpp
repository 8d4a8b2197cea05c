#include "LbPopUp.h"

#include "core/ProgramValues.h"
#include "core/Services.h"
#include "records/PopUpItems.h"

void LoadLbPopUp() {
    Program.PopUpChoice = 0;
    const QStringList items = PopUpMenuItems(Program.PopUpItems);
    // The menu always has its first item, so that it is never empty.
    Program.PopUpChoice =
        qint16(Services::dialogs().popUpMenu(items.isEmpty() ? QStringList{QString()} : items));
}
