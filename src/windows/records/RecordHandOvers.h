#pragma once

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/program/ProgramValues.h"

#include <QString>

class ChildWindow;

// The hand-overs to and from the record windows. A caller hands over with one call, which
// writes the program-wide values the receiving window reads and opens that window by name;
// a picker answers with one call. No other code writes these values (BridgeMode, BridgeKey,
// EmployeeListFromMenu, EmployeeSortOrder, EmployeeSearchText, Send…, SendBatch). Each opening returns
// the window, nullptr when there is no main window or the window is not in the catalogue.

// The employee form (slot 0) in a mode (EmployeeMode) on an employee's key.
ChildWindow* OpenEmployeeForm(qint16 mode, const QString& key);
// The schedule entry form (slot 1) in a mode (EntryMode) on an entry's key; the form shows
// the entry when it opens.
ChildWindow* OpenEntryForm(qint16 mode, const QString& key);

// The employee list from the menu: it manages the employees through the employee form.
ChildWindow* ManageEmployees();
// The employee list as a picker; its answer, the chosen employee's key or "" (ChosenEmployee),
// is there when the caller becomes active again.
ChildWindow* PickEmployee();
// The same, opened on an order and a search text: the entry form's lookup of an AFM that is
// not in the table, or of part of a name.
ChildWindow* PickEmployee(EmployeeOrder order, const QString& searchText);
// The search text of the employee list goes back to empty (each new lookup of the entry form).
void ForgetEmployeeSearch();
// The employee list's answer: the key chosen, "" when the user left without a choice.
void AnswerEmployeePick(const QString& key);
QString ChosenEmployee();
// The employee list closes: whoever opens it next says again what it is for.
void EmployeeListClosed();
// The order the user chose in the employee list, kept for its next opening.
void SetEmployeeListOrder(EmployeeOrder order);

// The schedule entry list as a picker; its answer is the entry handed to the entry form.
ChildWindow* PickEntry();
// The entry list's answer: the key of the entry chosen for change, "" for none.
void AnswerEntryPick(const QString& key);
// The entry handed to the entry form, once: taking it leaves none behind.
QString TakeHandedEntry();
// The modes of the two forms as the lists see them: the employee list keeps its place after
// the form changed or deleted a row (EmployeeMode), and the entry form keeps its own mode in
// slot 1 (EntryMode), which the entry list sets when it opens and when it answers.
void SetEmployeeFormMode(qint16 mode);
void SetEntryFormMode(qint16 mode);

// An entry handed to the web submission window, which opens modally and returns when it
// closes; the submission is recorded under the entry's date ("yyyymmdd").
struct EntryToSend {
    QString Eafm;
    QString Korario;
    QString Kparat;
    QString Eypo;
    QString Kdate;
};
void SendEntry(const EntryToSend& entry);
// The one stored entry of an AFM on a date ("yyyymmdd") handed to the API submission window,
// modal as above.
void SendEntryThroughApi(const QString& afm, const QString& kdate);
// Every entry of a batch selection handed to the API submission window, modal as above.
void SendBatchThroughApi(const SendSelection& selection);
