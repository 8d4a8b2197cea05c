#include "logic/records/RecordPrinting.h"

namespace RecordPrinting {

std::function<void(const QList<Employee>&)>& employeeIndex() {
    static std::function<void(const QList<Employee>&)> report;
    return report;
}

std::function<void(const QString&, const QString&, EntryOrder)>& entryIndex() {
    static std::function<void(const QString&, const QString&, EntryOrder)> report;
    return report;
}

} // namespace RecordPrinting

QString EmployeeIndexLine(const Employee& employee) {
    const auto column = [](const QString& text, int width) {
        return text.left(width - 1).leftJustified(width, QLatin1Char(' '));
    };
    return employee.Eafm.leftJustified(15, QLatin1Char(' ')) + column(employee.Eepon, 31) +
           employee.Eypo.leftJustified(5, QLatin1Char(' ')) + QStringLiteral("1    ");
}
