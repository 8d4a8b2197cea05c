#include "logic/internet/ApiSendingCheck.h"

#include "logic/core/services/Dialogs.h"
#include "logic/internet/ApiSettings.h"

using namespace Qt::StringLiterals;

bool ApiSendingPossible() {
    if (!ApiAccountReady())
        return false;
    const ApiBase base = ApiBaseFromSettings();
    if (!base.ok()) {
        ShowBox(u"ΠΡΟΣΟΧΗ"_s, base.refusal, MsgIcon::Critical);
        return false;
    }
    return true;
}
