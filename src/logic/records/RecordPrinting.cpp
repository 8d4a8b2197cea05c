#include "logic/records/RecordPrinting.h"

QString EmployeeIndexLine(const Employee& employee) {
    const auto column = [](const QString& text, int width) {
        return text.left(width - 1).leftJustified(width, QLatin1Char(' '));
    };
    return employee.Eafm.leftJustified(15, QLatin1Char(' ')) + column(employee.Eepon, 31) +
           employee.Eypo.leftJustified(5, QLatin1Char(' ')) + QStringLiteral("1    ");
}
