#pragma once

#include "logic/core/commandline/CommandLine.h"

// The commands that write a report, as the command line knows them: their words, texts and
// options, without their work. The work needs the print engine and the graphics libraries
// under it, which the command line loads only for a report with lines (ReportCalls.h looks
// for them); ReportCommands.h and HistoryCommand.h add the work.

// The names of the options the work reads back.
namespace ReportOption {
inline const QString From = QStringLiteral("from");
inline const QString To = QStringLiteral("to");
inline const QString AfmFrom = QStringLiteral("afm-from");
inline const QString AfmTo = QStringLiteral("afm-to");
inline const QString Mask = QStringLiteral("mask");
inline const QString Order = QStringLiteral("order");
inline const QString Afm = QStringLiteral("afm");
inline const QString Protocol = QStringLiteral("protocol");
inline const QString Format = QStringLiteral("format");
inline const QString Charset = QStringLiteral("charset");
inline const QString Out = QStringLiteral("out");
} // namespace ReportOption

// --format, --charset and --out, common to the three.
QList<QCommandLineOption> ReportFileOptions();

// "orva report entries", "orva report employees" and "orva history", without their run.
Command ReportEntriesCommandLine();
Command ReportEmployeesCommandLine();
Command HistoryCommandLine();
