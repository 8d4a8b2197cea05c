#include "logic/records/EmployeeRecord.h"

#include "logic/core/program/Messages.h"
#include "logic/core/services/Services.h"

QString EmployeeModeCaption(qint16 mode) {
    switch (mode) {
    case EmployeeMode::Insert:
        return QStringLiteral("Εισαγωγή");
    case EmployeeMode::Change:
        return QStringLiteral("Μεταβολή");
    case EmployeeMode::Delete:
        return QStringLiteral("Διαγραφή");
    case EmployeeMode::Copy:
        return QStringLiteral("Αντιγραφή");
    default:
        return QStringLiteral("Αποδοχή");
    }
}

bool EmployeeModeEditsAfm(qint16 mode) {
    return mode == EmployeeMode::Insert || mode == EmployeeMode::Copy;
}

RecordSave RecordSave::from(const DbStatus& status) {
    switch (status.outcome) {
    case DbStatus::Ok:
        return {};
    case DbStatus::Duplicate:
        return {Duplicate, status};
    case DbStatus::Changed:
        return {Changed, status};
    case DbStatus::Gone:
        return {Gone, status};
    case DbStatus::Lost:
    case DbStatus::Failed:
        break;
    }
    return {Failed, status};
}

void ShowSaveRefusal(const RecordSave& saved) {
    if (saved.outcome == RecordSave::Changed)
        ShowMsg(12);
    else
        ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ !!!"),
                QStringLiteral("Η εγγραφή διαγράφηκε από άλλο χρήστη αφότου εμφανίστηκε· η αλλαγή σας δεν "
                               "αποθηκεύτηκε."),
                MsgIcon::Critical);
}

RecordSave SaveEmployee(qint16 mode, const Employee& fields, const Employee& read) {
    if (mode != EmployeeMode::Delete &&
        (fields.Eafm.trimmed().isEmpty() || fields.Eepon.trimmed().isEmpty() || fields.Eypo.isEmpty()))
        return {RecordSave::Incomplete, {}};
    switch (mode) {
    case EmployeeMode::Insert:
    case EmployeeMode::Copy:
        return RecordSave::from(InsertEmployee(fields));
    case EmployeeMode::Change:
        return RecordSave::from(UpdateEmployee(fields, read));
    case EmployeeMode::Delete:
        return RecordSave::from(DeleteEmployeeAndEntries(read));
    default:
        return {};
    }
}
