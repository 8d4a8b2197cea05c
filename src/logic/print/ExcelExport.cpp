#include "logic/print/ExcelExport.h"

#include "logic/core/services/Services.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PrintJob.h"
#include "logic/print/XlsxBook.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QTemporaryFile>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

const QLocale& greek() {
    static const QLocale locale(QLocale::Greek, QLocale::Greece);
    return locale;
}

constexpr int FittedColumns = 26; // A:Z
constexpr double MaxColumnWidth = 255;
constexpr int ProgressStep = 500;

// A character of Courier New 10 is 8 pixels wide, the unit of a column width (a digit of
// the default font) 7, and a column adds a few pixels of padding.
double columnWidthFor(qsizetype characters) {
    return qMin(MaxColumnWidth, std::ceil((double(characters) * 8 / 7 + 1) * 100) / 100);
}

class WorkbookWriter {
public:
    WorkbookWriter(const PrintJob& job, const std::function<void(int, int)>& progress)
        : m_job(job), m_progress(progress),
          // Dated by the program's clock, to the second: the same report at the same time makes
          // the same file.
          m_book(QDateTime::fromSecsSinceEpoch(Services::clock().now().toSecsSinceEpoch())) {}

    bool write(const QString& path, QString* error) {
        int row = 0;
        for (int t = 0; t < m_job.Ptit(); ++t) {
            const QString title = m_job.titleLine(t);
            if (title.trimmed().isEmpty() || !m_job.isColumnTitle(t))
                continue;
            writeCells(row, t, title, true);
            ++row;
        }
        for (int i = 0; i < m_job.LineCount(); ++i, ++row) {
            const QString& line = m_job.line(i);
            writeCells(row, ParseLineSuffix(line).layout, VisibleText(line), false);
            if (m_progress && (i + 1) % ProgressStep == 0)
                m_progress(i + 1, m_job.LineCount());
        }
        if (m_progress)
            m_progress(m_job.LineCount(), m_job.LineCount());

        // The whole sheet is left-aligned text; A:Z are as wide as their longest text.
        const int text = format(Plain);
        for (int c = 0; c < FittedColumns; ++c) {
            const double width =
                m_widths[size_t(c)] > 0 ? columnWidthFor(m_widths[size_t(c)]) : XlsxBook::DefaultColumnWidth;
            m_book.setColumns(c, c, width, text);
        }
        m_book.setColumns(FittedColumns, XlsxBook::LastColumn, XlsxBook::DefaultColumnWidth, text);
        return m_book.save(path, error);
    }

private:
    enum Style { Plain = 0, Bold = 1, Italic = 2, Underline = 4, Number = 8, Header = 16 };

    // The cells of one row: the columns of the layout, cut out of the text.
    void writeCells(int row, int layout, const QString& text, bool header) {
        for (int c = 0; c < PrintJob::MaxColumns; ++c) {
            const int start = m_job.columnStart(layout, c);
            const int width = m_job.columnWidth(layout, c);
            if (start <= 0 || width <= 0)
                continue;
            // Cut in place; only a cell with a control character in it is copied to lose it.
            QStringView cell = QStringView(text).mid(start - 1, width);
            QString printable;
            if (HasUnprintable(cell)) {
                printable = PrintableText(cell.toString());
                cell = printable;
            }
            cell = cell.trimmed();
            if (cell.isEmpty())
                continue;
            int style = header ? Header : attributeStyle(m_job.columnAttr(layout, c));
            qsizetype shown = cell.size();
            const std::optional<double> number =
                header || !cell.contains(u',') ? std::nullopt : GreekDecimalNumber(cell.toString());
            if (number) {
                style |= Number;
                m_book.writeNumber(row, c, *number, format(style));
                shown = greek().toString(*number, 'f', 2).size();
            } else {
                m_book.writeString(row, c, cell, format(style));
            }
            if (c < FittedColumns)
                m_widths[size_t(c)] = qMax(m_widths[size_t(c)], shown);
        }
    }

    static int attributeStyle(int attr) {
        switch (attr) {
        case 1:
        case 5:
            return Bold;
        case 2:
        case 6:
            return Italic;
        case 3:
        case 7:
            return Underline;
        default:
            return Plain;
        }
    }

    int format(int style) {
        if (const auto made = m_formats.constFind(style); made != m_formats.cend())
            return *made;
        XlsxBook::Style look;
        look.bold = (style & (Bold | Header)) != 0;
        look.italic = (style & Italic) != 0;
        look.underline = (style & Underline) != 0;
        look.red = (style & Header) != 0;
        look.number = (style & Number) != 0;
        const int made = m_book.addFormat(look);
        m_formats.insert(style, made);
        return made;
    }

    const PrintJob& m_job;
    const std::function<void(int, int)>& m_progress;
    XlsxBook m_book;
    QHash<int, int> m_formats;
    std::array<qsizetype, FittedColumns> m_widths{};
};

} // namespace

std::optional<double> GreekDecimalNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!trimmed.contains(u','))
        return std::nullopt;
    bool ok = false;
    const double value = greek().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool WriteExcelWorkbook(const PrintJob& job, const QString& path, QString* error,
                        const std::function<void(int, int)>& progress) {
    // The workbook is written beside the chosen name and takes its place when complete.
    QTemporaryFile unfinished(QFileInfo(path).absolutePath() + u"/.orva-XXXXXX.xlsx"_s);
    if (!unfinished.open()) {
        if (error)
            *error = unfinished.errorString();
        return false;
    }
    unfinished.close();
    if (!WorkbookWriter(job, progress).write(unfinished.fileName(), error))
        return false;
    if (std::rename(QFile::encodeName(unfinished.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    unfinished.setAutoRemove(false);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

void ExportToExcel(const PrintJob& job) {
    const std::optional<QString> chosen = AskExportFile(u"Prt.xlsx"_s, {u"Βιβλία Excel (*.xlsx)"_s});
    if (!chosen)
        return;
    QString error;
    if (!WriteExcelWorkbook(job, *chosen, &error)) {
        ShowExportError(*chosen, error);
        return;
    }
    ShowExportDone();
}
