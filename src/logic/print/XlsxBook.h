#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QStringView>
#include <QTemporaryFile>

// A workbook of one sheet, written part for part as Excel 2007 writes it, row after row: the
// rows go to a temporary file as they come, whatever their number, and every part into the
// zip when the book is saved. Cells come in the order of their rows, and in a row from left to
// right; a row without cells is not written.
class XlsxBook {
public:
    // What a cell's format says; the font is Courier New 10 throughout.
    struct Style {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool red = false;
        bool number = false; // right-aligned "#,###,##0.00"; text is left-aligned "@"
    };

    // created dates the document's properties.
    explicit XlsxBook(const QDateTime& created);

    // A new cell format; its index goes to the cells and columns written with it.
    int addFormat(const Style& style);
    void writeString(int row, int column, QStringView text, int format);
    void writeNumber(int row, int column, double value, int format);
    // Columns first..last (0-based) as wide as width characters of the default font, in the
    // format.
    void setColumns(int first, int last, double width, int format);

    // Writes the workbook; false with the reason in *error.
    bool save(const QString& path, QString* error);

    static constexpr int LastColumn = 16383; // XFD
    static constexpr double DefaultColumnWidth = 8.43;

private:
    struct Format {
        Style style;
        int font = 0;
        int numberFormat = 0;
    };
    struct Columns {
        int first;
        int last;
        double width;
        int format;
    };

    void startCell(int row, int column, int format);
    bool flushRows();
    QByteArray sheetHead() const;
    QByteArray styles() const;
    QByteArray coreProperties() const;

    QDateTime m_created;
    QList<Format> m_formats;
    QList<Style> m_fonts;              // the fonts after the default one, in their order of use
    QList<QByteArray> m_numberFormats; // the formats after the built-in ones, from 164 on
    QList<Columns> m_columns;
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    QTemporaryFile m_rowsFile;
    QByteArray m_rows;
    QString m_error;
    int m_row = -1;
    int m_firstRow = -1;
    bool m_failed = false;
};

// The theme of Office 2007 that Excel writes into every workbook.
extern const char XlsxTheme[];
