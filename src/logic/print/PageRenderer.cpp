#include "logic/print/PageRenderer.h"

#include "logic/core/files/ColourSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/print/PrintJob.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace {
QColor colour(quint32 bgr) {
    return ToQColor(bgr);
}

// A count with the Greek thousands point, whatever the default locale.
QString GreekNumber(int n) {
    return QLocale(QLocale::Greek, QLocale::Greece).toString(n);
}
} // namespace

PageRenderer::PageRenderer(const PrintJob& job, const PageGeometry& geometry) : m_job(job), m_g(geometry) {
    for (int style = 0; style < int(m_fonts.size()); ++style)
        m_fonts[size_t(style)] = makeFont(style & 1, style & 2, style & 4);
}

QColor PageRenderer::highlightFill() {
    return QColor(0xFF, 0xFF, 0x00);
}
QColor PageRenderer::highlightText() {
    return QColor(0, 0, 0);
}

QFont PageRenderer::makeFont(bool bold, bool italic, bool underline) const {
    QFont f(QString::fromLatin1(ReportFontFamily));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(ReportFontPixels(m_g.fontSize));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

const QFont& PageRenderer::font(bool bold, bool italic, bool underline) const {
    return m_fonts[size_t((bold ? 1 : 0) | (italic ? 2 : 0) | (underline ? 4 : 0))];
}

void PageRenderer::drawText(QPainter& painter, double x, double y, const QString& text) const {
    // From the baseline, as a box aligned at its top would put it: one line needs no layout,
    // which was most of the time of a page.
    painter.drawText(QPointF(x, y + QFontMetricsF(painter.font(), painter.device()).ascent()), text);
}

void PageRenderer::drawRule(QPainter& painter, double y) const {
    painter.drawLine(QPointF(SideMargin, y), QPointF(m_g.width - SideMargin, y));
}

void PageRenderer::drawPage(QPainter& painter, const PageLayout& page, const RenderOptions& options) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (options.screen)
        painter.fillRect(QRectF(0, 0, m_g.width, m_g.height), colour(Program.Colours.PreviewPage));
    drawHeader(painter, page);
    drawTitles(painter, page);
    for (const PageLayout::Row& row : page.rows)
        drawRow(painter, row, options);
    if (page.grid)
        drawGrid(painter, page);
    if (page.droppedLines > 0)
        drawIncompleteFoot(painter, page);
    painter.restore();
}

void PageRenderer::drawHeader(QPainter& painter, const PageLayout& page) const {
    painter.setPen(QPen(colour(Program.Colours.PreviewHeader), 0));
    painter.setFont(font());
    if (page.logo)
        painter.drawImage(QRectF(SideMargin, TopMargin, PixelsToTwips(m_job.logo().width()),
                                 PixelsToTwips(m_job.logo().height())),
                          m_job.logo());
    const double y = page.headerY;
    if (!m_job.Pcode().isEmpty() || !m_job.Pepon().isEmpty())
        drawText(painter, SideMargin, y, m_job.Pcode() + u' ' + m_job.Pepon());
    if (m_job.Pdate()) {
        const QString date = Program.WorkDate.toString(QStringLiteral("dd/MM/yyyy"));
        drawText(painter, ((m_g.width - 2 * SideMargin) - m_g.advance * date.size()) / 2, y, date);
    }
    if (m_job.Ppage()) {
        const QString number = QString::number(page.number);
        drawText(painter, (m_g.width - SideMargin) - m_g.advance * (number.size() + 8), y,
                 QStringLiteral("Σελίδα:") + number);
    }
}

void PageRenderer::drawTitles(QPainter& painter, const PageLayout& page) const {
    painter.setPen(QPen(colour(Program.Colours.PreviewHeader), 0));
    painter.setFont(font(true));
    const double indent = m_job.Pboxes() ? m_g.advance : 0;
    for (const PageLayout::Title& title : page.titles) {
        const QString text = m_job.titleLine(title.title);
        if (title.title == 0) {
            const QString centred = text.trimmed();
            drawText(painter, (m_g.width - 2 * SideMargin - m_g.advance * centred.size()) / 2, title.y,
                     centred);
        } else {
            // Column headings keep their leading blanks, so that they stand over their columns.
            QString heading = text;
            while (!heading.isEmpty() && heading.back().isSpace())
                heading.chop(1);
            drawText(painter, SideMargin + indent, title.y, heading);
        }
    }
    for (double y : page.titleRules)
        drawRule(painter, y);
}

void PageRenderer::drawRow(QPainter& painter, const PageLayout::Row& row,
                           const RenderOptions& options) const {
    const QString& line = m_job.line(row.line);
    const LineSuffix suffix = ParseLineSuffix(line);
    const QString visible = VisibleText(line);
    const ColourSettings& colours = Program.Colours;
    const double lh = m_g.lineHeight;
    const bool blank = visible.trimmed().isEmpty();
    double y = row.y;

    if (!(blank && suffix.marker == u'^')) {
        const bool even = row.line % 2 == 0;
        QColor text = colour(even ? colours.PreviewTextEven : colours.PreviewTextOdd);
        if (options.screen) {
            QColor fill = colour(even ? colours.PreviewFillEven : colours.PreviewFillOdd);
            if (row.row == options.selectedRow) {
                fill = highlightFill();
                if (options.highlightText)
                    text = highlightText();
            }
            painter.fillRect(QRectF(SideMargin, y + 0.03 * lh, m_g.width - 2 * SideMargin, 0.97 * lh), fill);
        }
        painter.setPen(QPen(text, 0));
        const double left = SideMargin + (m_job.Pboxes() ? m_g.advance : 0);
        const int layout = suffix.layout;
        for (int c = 0; c < PrintJob::MaxColumns; ++c) {
            const int start = m_job.columnStart(layout, c);
            const int width = m_job.columnWidth(layout, c);
            if (start <= 0 || width <= 0)
                continue;
            const int attr = m_job.columnAttr(layout, c);
            const int style = attr >= PrintJob::Framed ? attr - PrintJob::Framed : attr;
            const bool boxes = m_job.Pboxes();
            const bool underline = style == PrintJob::Underline && !boxes;
            const double x = left + (start - 1) * m_g.advance;
            if (!boxes && (attr >= PrintJob::Framed || suffix.framed)) {
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(x, y, width * m_g.advance, lh));
            }
            // Blanks at the end of a cell draw nothing, unless they are underlined; laying
            // them out was most of the work of a page of wide, padded lines.
            QStringView cell = QStringView(visible).mid(start - 1, width);
            if (!underline) {
                while (!cell.isEmpty() && cell.back() == u' ')
                    cell.chop(1);
            }
            if (cell.isEmpty())
                continue;
            painter.setFont(font(style == PrintJob::Bold, style == PrintJob::Italic, underline));
            drawText(painter, x, y, cell.toString());
        }
        y += lh;
    }
    if (suffix.marker == u'^') {
        painter.setPen(QPen(colour(row.line % 2 == 0 ? colours.PreviewTextEven : colours.PreviewTextOdd), 0));
        drawRule(painter, y + 10);
    }
}

void PageRenderer::drawGrid(QPainter& painter, const PageLayout& page) const {
    painter.setPen(QPen(colour(Program.Colours.PreviewHeader), 0));
    const double lh = m_g.lineHeight;
    const double top = page.headerBottom - lh;
    const double bottom =
        page.headerBottom + lh * std::floor((m_g.height - BottomMargin - page.headerBottom) / lh);
    // The left border (position 0), then a line after each column of the last layout.
    for (int k = 0; k <= PrintJob::MaxColumns; ++k) {
        const int p = m_job.separatorPos(k);
        if (k > 0 && p <= 0)
            continue;
        const double x = SideMargin + p * m_g.advance;
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    for (double y = top; y <= bottom + 0.5; y += lh)
        drawRule(painter, y);
}

void PageRenderer::drawIncompleteFoot(QPainter& painter, const PageLayout& page) const {
    painter.setPen(QPen(colour(Program.Colours.PreviewHeader), 0));
    painter.setFont(font(true));
    // Under the last row, or at the very foot of a full page.
    const double y = qMin(page.bottom, m_g.height - m_g.lineHeight);
    drawText(painter, SideMargin, y, IncompleteReportFoot(page.droppedLines));
}

QString IncompleteReportFoot(int droppedLines) {
    return QStringLiteral("Ελλιπής εκτύπωση: λείπουν %1 γραμμές (όριο %2).")
        .arg(GreekNumber(droppedLines), GreekNumber(PrintJob::MaxLines));
}

QString IncompleteReportText(int droppedLines) {
    return QStringLiteral("Η εκτύπωση έφτασε το όριο των %1 γραμμών: οι επόμενες %2 γραμμές δεν "
                          "περιλαμβάνονται και η εκτύπωση είναι ελλιπής.\r\n"
                          "Περιορίστε την επιλογή για να τυπωθούν όλες.")
        .arg(GreekNumber(PrintJob::MaxLines), GreekNumber(droppedLines));
}

QImage RenderPageImage(const PrintJob& job, const PageGeometry& geometry, const PageLayout& page,
                       const RenderOptions& options) {
    QImage image(qMax(1, TwipsToPixels(geometry.width)), qMax(1, TwipsToPixels(geometry.height)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    PageRenderer(job, geometry).drawPage(painter, page, options);
    return image;
}
