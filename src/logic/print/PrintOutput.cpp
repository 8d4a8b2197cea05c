#include "logic/print/PrintOutput.h"

#include "logic/print/PrintJob.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
constexpr double TwipsPerPoint = 20;
constexpr double TwipsPerInch = 1440;

QRectF paintRectTwips(const QPagedPaintDevice& device) {
    const QRectF points = device.pageLayout().paintRect(QPageLayout::Point);
    return QRectF(0, 0, points.width() * TwipsPerPoint, points.height() * TwipsPerPoint);
}

// Painter units become twips of the device's printable area.
void scaleToTwips(QPainter& painter, const QPagedPaintDevice& device) {
    painter.scale(device.logicalDpiX() / TwipsPerInch, device.logicalDpiY() / TwipsPerInch);
}
} // namespace

void PrepareDevicePage(QPagedPaintDevice& device, bool landscape) {
    const QPageSize a4(QPageSize::A4);
    const QSizeF sheet = a4.size(QPageSize::Point);
    const double side = (sheet.width() - PortraitPageWidth / TwipsPerPoint) / 2;
    const double top = (sheet.height() - PortraitPageHeight / TwipsPerPoint) / 2;
    const QMarginsF margins = landscape ? QMarginsF(top, side, top, side) : QMarginsF(side, top, side, top);
    device.setPageSize(a4);
    device.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // A printer that cannot print that close to the edge keeps its own margins.
    device.setPageMargins(margins, QPageLayout::Point);
}

PageGeometry DeviceGeometry(const PrintJob& job, const QPagedPaintDevice& device) {
    const QRectF page = paintRectTwips(device);
    const double automatic = AutomaticFontSize(page.width(), job.PrintColumns());
    return ComputeGeometry(page.width(), page.height(), job.PrintColumns(), qMax(automatic, job.PfontSize()),
                           job.PpageLines());
}

int PrintJobPages(const PrintJob& job, QPagedPaintDevice& device, bool all, int from, int to) {
    const PageGeometry geometry = DeviceGeometry(job, device);
    const PageRenderer renderer(job, geometry);
    RenderOptions options;
    options.screen = false;
    QPainter painter;
    LayoutCursor cursor;
    int sent = 0;
    while (cursor.nextLine <= job.LineCount() - 1) {
        const std::optional<PageLayout> page = LayOutPage(job, geometry, cursor, nullptr);
        if (!page)
            break;
        if (!all && (page->number < from || page->number > to))
            continue;
        if (sent == 0) {
            if (!painter.begin(&device))
                return 0;
            scaleToTwips(painter, device);
        } else {
            device.newPage();
        }
        renderer.drawPage(painter, *page, options);
        ++sent;
    }
    if (painter.isActive())
        painter.end();
    return sent;
}

bool PrintShownPage(const PrintJob& job, QPagedPaintDevice& device, const RenderOptions& options) {
    if (!job.hasPage())
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    scaleToTwips(painter, device);
    const QRectF target = paintRectTwips(device);
    const PageGeometry& geometry = job.geometry();
    painter.scale(target.width() / geometry.width, target.height() / geometry.height);
    PageRenderer(job, geometry).drawPage(painter, job.page(), options);
    painter.end();
    return true;
}
