#pragma once

#include "logic/print/PageGeometry.h"
#include "logic/print/PageLayout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <array>

class PrintJob;
class QPainter;

// How a page is drawn: on the screen with its coloured rows and the highlighted row, on the
// printer plain.
struct RenderOptions {
    bool screen = true;         // page colour, row fills, highlight
    int selectedRow = -1;       // highlighted row of the page
    bool highlightText = false; // the highlighted row's text in the highlight colour
};

// Draws a laid-out page of a job on a painter whose units are twips. The preview, the
// printer and the PDF output share it.
class PageRenderer {
public:
    PageRenderer(const PrintJob& job, const PageGeometry& geometry);

    void drawPage(QPainter& painter, const PageLayout& page, const RenderOptions& options) const;

    // The colours of the preview.
    static QColor highlightFill();
    static QColor highlightText();

private:
    void drawHeader(QPainter& painter, const PageLayout& page) const;
    void drawTitles(QPainter& painter, const PageLayout& page) const;
    void drawRow(QPainter& painter, const PageLayout::Row& row, const RenderOptions& options) const;
    void drawGrid(QPainter& painter, const PageLayout& page) const;
    void drawIncompleteFoot(QPainter& painter, const PageLayout& page) const;
    void drawRule(QPainter& painter, double y) const;
    void drawText(QPainter& painter, double x, double y, const QString& text) const;
    QFont makeFont(bool bold, bool italic, bool underline) const;
    const QFont& font(bool bold = false, bool italic = false, bool underline = false) const;

    const PrintJob& m_job;
    PageGeometry m_g;
    std::array<QFont, 8> m_fonts; // by bold 1, italic 2, underline 4
};

// The foot of the last page of a report cut at the line limit, and the box that tells it
// before the preview opens.
QString IncompleteReportFoot(int droppedLines);
QString IncompleteReportText(int droppedLines);

// A page drawn at screen scale (15 twips to the pixel), as the preview shows it.
QImage RenderPageImage(const PrintJob& job, const PageGeometry& geometry, const PageLayout& page,
                       const RenderOptions& options);
