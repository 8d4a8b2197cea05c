#include "logic/records/AscImport.h"

#include "logic/core/database/ImportStatements.h"
#include "logic/records/AscFile.h"

namespace {
constexpr int ProgressStep = 500;
constexpr int ReportedLines = 10;

void noteSkipped(AscImportResult& result, int lineNumber, const DbStatus& reason) {
    ++result.skipped;
    result.skippedLines.append(lineNumber);
    if (result.skipped == 1)
        result.firstSkipReason = reason;
}

// Stores one employee under the line's savepoint; the failure when the line has to be
// skipped.
DbStatus importOne(ImportStatements& statements, const AscEmployee& employee, AscImportResult& result) {
    DbStatus status = statements.startLine();
    if (!status.ok())
        return status;
    status = statements.insertEmployee(employee.afm, employee.name);
    if (status.duplicate()) {
        // The AFM is in the table already: the employee stays as he is.
        statements.undoLine();
        ++result.present;
        return {};
    }
    if (status.ok())
        status = statements.keepLine();
    if (!status.ok()) {
        statements.undoLine();
        return status;
    }
    ++result.added;
    return {};
}
} // namespace

namespace {
AscImportResult importLines(int total, const std::function<QString(int)>& lineAt,
                            const std::function<void(int, int)>& progress) {
    AscImportResult result;
    ImportStatements statements;
    result.status = statements.begin();
    if (!result.status.ok())
        return result;
    for (int i = 0; i < total; ++i) {
        if (const std::optional<AscEmployee> employee = ParseAscLine(lineAt(i))) {
            if (!AscAfmIsDigits(employee->afm)) {
                result.badAfmLines.append(i + 1);
            } else if (const DbStatus status = importOne(statements, *employee, result);
                       status.outcome == DbStatus::Lost || (!status.ok() && !statements.inTransaction())) {
                // Without the server, or once the database ended the transaction by itself, no
                // later line can be stored with the others: nothing of the file is.
                statements.rollback();
                result.added = 0;
                result.present = 0;
                result.status = status;
                return result;
            } else if (!status.ok()) {
                noteSkipped(result, i + 1, status);
            }
        }
        if (progress && (i + 1) % ProgressStep == 0)
            progress(i + 1, total);
    }
    result.status = statements.commit();
    if (!result.status.ok()) {
        result.added = 0;
        result.present = 0;
    }
    if (progress)
        progress(total, total);
    return result;
}
} // namespace

AscImportResult ImportAscLines(const QStringList& lines, const std::function<void(int, int)>& progress) {
    return importLines(
        int(lines.size()), [&lines](int i) { return lines.at(i); }, progress);
}

AscImportResult ImportAscLines(const AscLines& lines, const std::function<void(int, int)>& progress) {
    return importLines(
        int(lines.size()), [&lines](int i) { return lines.at(i); }, progress);
}

QString SkippedLinesText(const AscImportResult& result) {
    const auto numbers = [](const QList<int>& lines, qsizetype count) {
        QStringList shown;
        for (int line : lines.mid(0, ReportedLines))
            shown << QString::number(line);
        if (count > shown.size())
            shown << QStringLiteral("...");
        return shown.join(QStringLiteral(", "));
    };
    QStringList text;
    if (result.skipped > 0) {
        const bool one = result.skipped == 1;
        text << (one ? QStringLiteral("Δεν καταχωρήθηκε %1 γραμμή του αρχείου (γραμμή %2).")
                     : QStringLiteral("Δεν καταχωρήθηκαν %1 γραμμές του αρχείου (γραμμές %2)."))
                    .arg(result.skipped)
                    .arg(numbers(result.skippedLines, result.skipped));
    }
    if (!result.badAfmLines.isEmpty()) {
        const bool one = result.badAfmLines.size() == 1;
        text << (one ? QStringLiteral("Παραλείφθηκε %1 γραμμή με ΑΦΜ που δεν είναι μόνο ψηφία (γραμμή %2).")
                     : QStringLiteral(
                           "Παραλείφθηκαν %1 γραμμές με ΑΦΜ που δεν είναι μόνο ψηφία (γραμμές %2)."))
                    .arg(result.badAfmLines.size())
                    .arg(numbers(result.badAfmLines, result.badAfmLines.size()));
    }
    return text.join(QStringLiteral("\r\n"));
}
