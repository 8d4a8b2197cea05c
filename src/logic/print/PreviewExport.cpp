#include "logic/print/PreviewExport.h"

#include "logic/print/ExcelExport.h"
#include "logic/print/MailExport.h"
#include "logic/print/PdfExport.h"
#include "logic/print/TextExport.h"
#include "logic/print/WordExport.h"

void RunPreviewExport(const PrintJob& job, int item) {
    switch (item) {
    case ExportAscFile:
        ExportToFile(job, PagedTextFile);
        break;
    case ExportImportFile:
        ExportToFile(job, ImportTextFile);
        break;
    case ExportWordDocument:
        ExportToWord(job);
        break;
    case ExportExcelWorkbook:
        ExportToExcel(job);
        break;
    case ExportEmail:
        ExportToEmail(job);
        break;
    case ExportPdfFile:
        ExportToPdf(job, true);
        break;
    default:
        break;
    }
}
