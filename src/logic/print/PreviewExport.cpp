#include "PreviewExport.h"

#include "ExcelExport.h"
#include "MailExport.h"
#include "PdfExport.h"
#include "TextExport.h"
#include "WordExport.h"

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
