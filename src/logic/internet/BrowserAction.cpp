#include "logic/internet/BrowserAction.h"

namespace {
BrowserAction Make(BrowserAction::Kind kind) {
    BrowserAction action;
    action.kind = kind;
    return action;
}
} // namespace

BrowserAction BrowserAction::navigate(int browser, const QString& address) {
    BrowserAction action = Make(Kind::Navigate);
    action.browser = browser;
    action.address = address;
    return action;
}

BrowserAction BrowserAction::setField(int browser, const QString& origin, const QString& field,
                                      const QString& value) {
    BrowserAction action = Make(Kind::SetField);
    action.browser = browser;
    action.origin = origin;
    action.field = field;
    action.value = value;
    return action;
}

BrowserAction BrowserAction::click(int browser, const QString& origin, const QString& field) {
    BrowserAction action = Make(Kind::Click);
    action.browser = browser;
    action.origin = origin;
    action.field = field;
    return action;
}

BrowserAction BrowserAction::submit(int browser, const QString& origin, const QStringList& required) {
    BrowserAction action = Make(Kind::Submit);
    action.browser = browser;
    action.origin = origin;
    action.required = required;
    return action;
}

BrowserAction BrowserAction::showView(ViewMode view) {
    BrowserAction action = Make(Kind::ShowView);
    action.view = view;
    return action;
}

BrowserAction BrowserAction::wait(int milliseconds) {
    BrowserAction action = Make(Kind::Wait);
    action.milliseconds = milliseconds;
    return action;
}

BrowserAction BrowserAction::adoptPopup(int browser) {
    BrowserAction action = Make(Kind::AdoptPopup);
    action.browser = browser;
    return action;
}

BrowserAction BrowserAction::appendLog(const QString& line) {
    BrowserAction action = Make(Kind::AppendLog);
    action.value = line;
    return action;
}

BrowserAction BrowserAction::loginRefused() {
    return Make(Kind::LoginRefused);
}

BrowserAction BrowserAction::openingFailed(const QString& message, const QString& details) {
    BrowserAction action = Make(Kind::OpeningFailed);
    action.value = message;
    action.details = details;
    return action;
}

BrowserAction BrowserAction::startTimer(int milliseconds) {
    BrowserAction action = Make(Kind::StartTimer);
    action.milliseconds = milliseconds;
    return action;
}

BrowserAction BrowserAction::stopTimer() {
    return Make(Kind::StopTimer);
}

BrowserAction BrowserAction::openOutside() {
    return Make(Kind::OpenOutside);
}

BrowserAction BrowserAction::releaseOutside() {
    return Make(Kind::ReleaseOutside);
}

BrowserAction BrowserAction::close() {
    return Make(Kind::Close);
}
