#pragma once

#include <QPdfDocument>
#include <QPdfSelection>
#include <QRectF>
#include <QString>

// A page of a PDF read back with Qt PDF: its text and where a piece of it stands.
class PdfText {
public:
    PdfText(const QString& path, int page) : m_page(page) {
        m_loaded = m_pdf.load(path) == QPdfDocument::Error::None && page < m_pdf.pageCount();
        if (m_loaded)
            m_text = m_pdf.getAllText(page).text();
    }
    bool loaded() const { return m_loaded; }
    const QString& text() const { return m_text; }
    // The box, in points, of the n-th occurrence of a piece of the page's text; empty when
    // the page does not hold it.
    QRectF box(const QString& piece, int occurrence = 0) {
        qsizetype at = -1;
        for (int i = 0; i <= occurrence; ++i) {
            at = m_text.indexOf(piece, at + 1);
            if (at < 0)
                return {};
        }
        const QPdfSelection selection = m_pdf.getSelectionAtIndex(m_page, int(at), int(piece.size()));
        return selection.isValid() ? selection.boundingRectangle() : QRectF();
    }
    // Its left edge; -1 when missing.
    double x(const QString& piece, int occurrence = 0) {
        const QRectF found = box(piece, occurrence);
        return found.isNull() ? -1 : found.left();
    }

private:
    QPdfDocument m_pdf;
    QString m_text;
    int m_page = 0;
    bool m_loaded = false;
};
