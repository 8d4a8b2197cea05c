#include "logic/print/ExcelExport.h"

#include "logic/core/services/Services.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PrintJob.h"

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
#include <xlsxwriter.h>

using namespace Qt::StringLiterals;

namespace {

const QLocale& greek() {
    static const QLocale locale(QLocale::Greek, QLocale::Greece);
    return locale;
}

constexpr int FittedColumns = 26; // A:Z
constexpr double MaxColumnWidth = 255;
constexpr char NumberFormat[] = "#,###,##0.00";
constexpr int ProgressStep = 500;

// A character of Courier New 10 is 8 pixels wide, the unit of a column width (a digit of
// the default font) 7, and a column adds a few pixels of padding.
double columnWidthFor(qsizetype characters) {
    return qMin(MaxColumnWidth, std::ceil((double(characters) * 8 / 7 + 1) * 100) / 100);
}

class WorkbookWriter {
public:
    WorkbookWriter(const PrintJob& job, const std::function<void(int, int)>& progress)
        : m_job(job), m_progress(progress) {}
    ~WorkbookWriter() {
        if (m_book)
            workbook_close(m_book); // only after a failure: closes the files, the result is dropped
    }

    bool write(const QString& path, QString* error) {
        const QByteArray name = QFile::encodeName(path);
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        m_book = workbook_new_opt(name.constData(), &options);
        if (!m_book)
            return fail(error, u"Το βιβλίο εργασίας δεν μπορεί να δημιουργηθεί."_s);
        // Dated by the program's clock rather than by the library's own: the same report at
        // the same time makes the same file.
        lxw_doc_properties properties{};
        properties.created = time_t(Services::clock().now().toSecsSinceEpoch());
        workbook_set_properties(m_book, &properties);
        m_sheet = workbook_add_worksheet(m_book, nullptr);
        if (!m_sheet)
            return fail(error, u"Το φύλλο εργασίας δεν μπορεί να δημιουργηθεί."_s);

        int row = 0;
        for (int t = 0; t < m_job.Ptit(); ++t) {
            const QString title = m_job.titleLine(t);
            if (title.trimmed().isEmpty() || !m_job.isColumnTitle(t))
                continue;
            if (!writeCells(row, t, title, true, error))
                return false;
            ++row;
        }
        for (int i = 0; i < m_job.LineCount(); ++i, ++row) {
            const QString& line = m_job.line(i);
            if (!writeCells(row, ParseLineSuffix(line).layout, VisibleText(line), false, error))
                return false;
            if (m_progress && (i + 1) % ProgressStep == 0)
                m_progress(i + 1, m_job.LineCount());
        }
        if (m_progress)
            m_progress(m_job.LineCount(), m_job.LineCount());

        // The whole sheet is left-aligned text; A:Z are as wide as their longest text.
        lxw_format* text = format(Plain);
        for (int c = 0; c < FittedColumns; ++c) {
            const double width =
                m_widths[size_t(c)] > 0 ? columnWidthFor(m_widths[size_t(c)]) : LXW_DEF_COL_WIDTH;
            worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), width, text);
        }
        worksheet_set_column(m_sheet, FittedColumns, LXW_COL_MAX - 1, LXW_DEF_COL_WIDTH, text);

        const lxw_error closed = workbook_close(m_book);
        m_book = nullptr;
        if (closed != LXW_NO_ERROR)
            return fail(error, QString::fromUtf8(lxw_strerror(closed)));
        return true;
    }

private:
    enum Style { Plain = 0, Bold = 1, Italic = 2, Underline = 4, Number = 8, Header = 16 };

    // The cells of one row: the columns of the layout, cut out of the text.
    bool writeCells(int row, int layout, const QString& text, bool header, QString* error) {
        for (int c = 0; c < PrintJob::MaxColumns; ++c) {
            const int start = m_job.columnStart(layout, c);
            const int width = m_job.columnWidth(layout, c);
            if (start <= 0 || width <= 0)
                continue;
            const QString cell = PrintableText(text.mid(start - 1, width)).trimmed();
            if (cell.isEmpty())
                continue;
            int style = header ? Header : attributeStyle(m_job.columnAttr(layout, c));
            qsizetype shown = cell.size();
            lxw_error result;
            const std::optional<double> number = header ? std::nullopt : GreekDecimalNumber(cell);
            if (number) {
                style |= Number;
                result =
                    worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(c), *number, format(style));
                shown = greek().toString(*number, 'f', 2).size();
            } else {
                result = worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(c),
                                                cell.toUtf8().constData(), format(style));
            }
            if (result != LXW_NO_ERROR)
                return fail(error, QString::fromUtf8(lxw_strerror(result)));
            if (c < FittedColumns)
                m_widths[size_t(c)] = qMax(m_widths[size_t(c)], shown);
        }
        return true;
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

    lxw_format* format(int style) {
        if (lxw_format* made = m_formats.value(style))
            return made;
        lxw_format* f = workbook_add_format(m_book);
        format_set_font_name(f, ReportFontFamily);
        format_set_font_size(f, 10);
        if (style & (Bold | Header))
            format_set_bold(f);
        if (style & Italic)
            format_set_italic(f);
        if (style & Underline)
            format_set_underline(f, LXW_UNDERLINE_SINGLE);
        if (style & Header)
            format_set_font_color(f, LXW_COLOR_RED);
        if (style & Number) {
            format_set_align(f, LXW_ALIGN_RIGHT);
            format_set_num_format(f, NumberFormat);
        } else {
            format_set_align(f, LXW_ALIGN_LEFT);
            format_set_num_format(f, "@");
        }
        m_formats.insert(style, f);
        return f;
    }

    static bool fail(QString* error, const QString& reason) {
        if (error)
            *error = reason;
        return false;
    }

    const PrintJob& m_job;
    const std::function<void(int, int)>& m_progress;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    QHash<int, lxw_format*> m_formats;
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
