#include "windows/core/ChildWindow.h"
#include "windows/records/Lbcalendar.h"
#include "logic/core/services/Services.h"
#include "logic/internet/NewsRules.h"
#include "shell/Main.h"

void Planted(const QString& key) {
    if (Program.PopUpChoice == 0 && Program.BridgeKey[1] != key)
        Program.WorkDate = {};
    Program.BridgeKey[0] = key;
}
