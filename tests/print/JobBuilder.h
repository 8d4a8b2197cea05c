#pragma once

#include "logic/print/PrintJob.h"

#include <QString>

// Short-hands for building report lines in the print tests.
namespace JobBuilder {

// A visible text padded to width, followed by a suffix of layout digit, marker and two more
// characters.
inline QString Line(const QString& text, int width, int layout = 1, QChar marker = u' ',
                    const QString& rest = QStringLiteral("   ")) {
    return text.leftJustified(width, u' ', true) + QString::number(layout) + marker + rest;
}

// A job of `count` lines "Line n" in one 40-character column, set up with fixed rows per page
// so that the row positions are exact.
inline void FillNumbered(PrintJob& job, int count, int width = 40) {
    job.InitTitles(QStringLiteral("Ergaz"), QStringLiteral("Εργ/μενος"));
    for (int i = 0; i < count; ++i)
        job.PutLine(Line(QStringLiteral("Line %1").arg(i), width), QStringLiteral("AFM%1").arg(i));
    job.FixTitles(QStringLiteral("Title"), 0, 0);
    job.FixTitles(QString(width, u' ') + u'|', 1, 1);
}

} // namespace JobBuilder
