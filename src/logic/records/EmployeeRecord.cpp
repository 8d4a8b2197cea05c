#include "logic/records/EmployeeRecord.h"

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

namespace {
RecordSave outcomeOf(const DbStatus& status) {
    if (status.ok())
        return {};
    return {status.duplicate() ? RecordSave::Duplicate : RecordSave::Failed, status};
}
} // namespace

RecordSave SaveEmployee(qint16 mode, const Employee& fields) {
    if (mode != EmployeeMode::Delete &&
        (fields.Eafm.trimmed().isEmpty() || fields.Eepon.trimmed().isEmpty() || fields.Eypo.isEmpty()))
        return {RecordSave::Incomplete, {}};
    switch (mode) {
    case EmployeeMode::Insert:
    case EmployeeMode::Copy:
        return outcomeOf(InsertEmployee(fields));
    case EmployeeMode::Change:
        return outcomeOf(UpdateEmployee(fields));
    case EmployeeMode::Delete:
        return outcomeOf(DeleteEmployeeAndEntries(fields.Eafm));
    default:
        return {};
    }
}
