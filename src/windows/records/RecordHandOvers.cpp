#include "windows/records/RecordHandOvers.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/records/EntryRecord.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowNames.h"

#include <utility>

namespace {
ChildWindow* open(const QString& name) {
    MdiHost* host = MdiHost::instance();
    return host ? host->openChild(name) : nullptr;
}
} // namespace

ChildWindow* OpenEmployeeForm(qint16 mode, const QString& key) {
    Program.BridgeMode[0] = mode;
    Program.BridgeKey[0] = key;
    return open(WindowName::Ergaz);
}

ChildWindow* OpenEntryForm(qint16 mode, const QString& key) {
    Program.BridgeMode[1] = mode;
    Program.BridgeKey[1] = key;
    return open(WindowName::Kins);
}

ChildWindow* ManageEmployees() {
    Program.EmployeeListFromMenu = true;
    return open(WindowName::ErgazSrch);
}

ChildWindow* PickEmployee() {
    Program.EmployeeListFromMenu = false;
    Program.BridgeKey[0].clear();
    return open(WindowName::ErgazSrch);
}

ChildWindow* PickEmployee(EmployeeOrder order, const QString& searchText) {
    SetEmployeeListOrder(order);
    Program.EmployeeSearchText = searchText;
    return PickEmployee();
}

void ForgetEmployeeSearch() {
    Program.EmployeeSearchText.clear();
}

void AnswerEmployeePick(const QString& key) {
    Program.BridgeKey[0] = key;
}

QString ChosenEmployee() {
    return Program.BridgeKey[0];
}

void EmployeeListClosed() {
    Program.EmployeeListFromMenu = false;
}

void SetEmployeeListOrder(EmployeeOrder order) {
    Program.EmployeeSortOrder = order == EmployeeOrder::ByAfm ? 0 : 1;
}

ChildWindow* PickEntry() {
    Program.BridgeKey[1].clear();
    return open(WindowName::KinsSrch);
}

void AnswerEntryPick(const QString& key) {
    Program.BridgeKey[1] = key;
    if (!key.isEmpty())
        Program.BridgeMode[1] = EntryMode::Change;
}

QString TakeHandedEntry() {
    return std::exchange(Program.BridgeKey[1], QString());
}

void SetEmployeeFormMode(qint16 mode) {
    Program.BridgeMode[0] = mode;
}

void SetEntryFormMode(qint16 mode) {
    Program.BridgeMode[1] = mode;
}

void SendEntry(const EntryToSend& entry) {
    Program.SendEafm = entry.Eafm;
    Program.SendKorario = entry.Korario;
    Program.SendKparat = entry.Kparat;
    Program.SendEypo = entry.Eypo;
    Program.SendKdate = entry.Kdate;
    Program.SendBatch = {};
    if (MdiHost* host = MdiHost::instance())
        host->showModal(WindowName::InterSymplOrar);
}

void SendEntryThroughApi(const QString& afm, const QString& kdate) {
    Program.SendEafm = afm.trimmed();
    Program.SendKdate = kdate;
    Program.SendBatch = {};
    if (MdiHost* host = MdiHost::instance())
        host->showModal(WindowName::InterApi);
}

void SendBatchThroughApi(const SendSelection& selection) {
    Program.SendEafm.clear();
    Program.SendKdate.clear();
    Program.SendBatch = selection;
    if (MdiHost* host = MdiHost::instance())
        host->showModal(WindowName::InterApi);
}
