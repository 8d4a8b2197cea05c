#include "AscLines.h"

#include "logic/core/text/DosGreek.h"

QString AscEmployeeLine(int number, const QString& surname, const QString& firstName, const QString& afm) {
    QString line =
        QString::number(number).rightJustified(5, QLatin1Char('0')).leftJustified(11, QLatin1Char(' '));
    line += surname.leftJustified(30, QLatin1Char(' '), true) + QLatin1Char(' ');
    line += firstName.leftJustified(16, QLatin1Char(' '), true);
    line = line.leftJustified(130, QLatin1Char(' '));
    line += afm.leftJustified(14, QLatin1Char(' '), true);
    return line + QStringLiteral("  ΜΙΣΘΩΤΟΣ   1250,00");
}

QString AscHeadingLine() {
    return QStringLiteral("ΚΑΤΑΣΤΑΣΗ ΕΡΓΑΖΟΜΕΝΩΝ  ΕΤΑΙΡΕΙΑ Α.Ε.").leftJustified(130, QLatin1Char(' ')) +
           QStringLiteral("Α.Φ.Μ.        ");
}

QString AscTotalsLine(int employees) {
    return QStringLiteral("ΣΥΝΟΛΑ").leftJustified(130, QLatin1Char(' ')) +
           QStringLiteral(" %1 εργαζόμενοι").arg(employees);
}

QByteArray AscFileBytes(const QStringList& lines, const QByteArray& lineEnd) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ToWindowsGreek(line) + lineEnd;
    return bytes;
}
