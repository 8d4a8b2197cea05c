#include "logic/records/LbPopUp.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/records/PopUpItems.h"

void LoadLbPopUp() {
    Program.PopUpChoice = 0;
    const QStringList items = PopUpMenuItems(Program.PopUpItems);
    // The menu always has its first item, so that it is never empty.
    Program.PopUpChoice =
        qint16(Services::dialogs().popUpMenu(items.isEmpty() ? QStringList{QString()} : items));
}

int AskPopUp(const QString& items) {
    Program.PopUpItems = items;
    LoadLbPopUp();
    return Program.PopUpChoice;
}

int AskPopUpAside(const QString& items) {
    const qint16 earlier = Program.PopUpChoice;
    const int choice = AskPopUp(items);
    Program.PopUpChoice = earlier;
    return choice;
}
