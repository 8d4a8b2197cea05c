#include "windows/core/PdfPrinting.h"

#include "logic/core/services/Services.h"

#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>

namespace {
// Pages go to the printer at this resolution at most.
constexpr double DotsPerInch = 300.0;
} // namespace

bool PrintPdfFile(const QString& path) {
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() == 0)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    PrintDialogRequest request;
    request.printer = &printer;
    request.minPage = 1;
    request.maxPage = document.pageCount();
    request.allowPageRange = document.pageCount() > 1;
    if (!Services::dialogs().printerSetup(request))
        return false;
    int first = 1;
    int last = document.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = qMax(1, printer.fromPage());
        last = qMin(last, qMax(first, printer.toPage()));
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        const QSizeF points = document.pagePointSize(page - 1);
        const QImage image = document.render(page - 1, (points * DotsPerInch / 72.0).toSize());
        const QRectF target = painter.viewport();
        const QSizeF fitted = QSizeF(image.size()).scaled(target.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(target.topLeft(), fitted), image);
    }
    painter.end();
    return true;
}
