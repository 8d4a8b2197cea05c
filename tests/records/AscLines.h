#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Lines of an employee file as the payroll programs write them: a sequence number, the
// surname at 12, the first name at 43 and the AFM at 131, padded with blanks.
QString AscEmployeeLine(int number, const QString& surname, const QString& firstName, const QString& afm);
// A heading and a totals line, neither with a digit at 131.
QString AscHeadingLine();
QString AscTotalsLine(int employees);
// The lines joined with the line end and encoded as Windows Greek.
QByteArray AscFileBytes(const QStringList& lines, const QByteArray& lineEnd = "\r\n");
