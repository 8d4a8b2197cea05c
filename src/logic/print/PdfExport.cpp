#include "logic/print/PdfExport.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/maintenance/DumFrm.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PageRenderer.h"
#include "logic/print/PrintJob.h"
#include "logic/print/PrintOutput.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {
constexpr int TwipsPerInch = 1440;
} // namespace

bool WritePdf(const PrintJob& job, const QString& path, QString* error, int* pages,
              const std::function<void(int, int)>& progress) {
    const PageGeometry geometry = PreviewGeometry(job.PrintColumns(), job.PfontSize(), job.PpageLines(), 0);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    int written = 0;
    {
        QPdfWriter writer(&file);
        writer.setCreator(u"Orva"_s);
        writer.setTitle(job.caption());
        writer.setResolution(TwipsPerInch); // painter units are twips
        PrepareDevicePage(writer, job.landscape());
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = u"Το αρχείο Pdf δεν μπορεί να γραφτεί."_s;
            return false;
        }
        const PageRenderer renderer(job, geometry);
        RenderOptions options;
        options.screen = false;
        LayoutCursor cursor;
        while (cursor.nextLine <= job.LineCount() - 1) {
            const std::optional<PageLayout> page = LayOutPage(job, geometry, cursor, nullptr);
            if (!page)
                break;
            if (written > 0)
                writer.newPage();
            renderer.drawPage(painter, *page, options);
            ++written;
            if (progress)
                progress(qMin(cursor.nextLine, job.LineCount()), job.LineCount());
        }
        painter.end();
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (pages)
        *pages = written;
    return true;
}

QString ExportToPdf(const PrintJob& job, bool fromMenu) {
    const QString folder =
        Program.LastExportFolder.isEmpty() ? Program.AppPath + QDir::separator() : Program.LastExportFolder;
    const QString fileName = ChooseOutputFile(QDir::toNativeSeparators(folder + u"Prt.pdf"_s), {});
    if (fileName.isEmpty())
        return {};
    QString error;
    if (!WritePdf(job, fileName, &error)) {
        ShowExportError(fileName, error);
        return {};
    }
    if (fromMenu)
        ShowMsg(43);
    return fileName;
}
