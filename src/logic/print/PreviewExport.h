#pragma once

class PrintJob;

// The exports of the preview, by their item in its export menu ("Αρχείο Asc|Αρχείο Import|
// Word Doc|Excel Sheet|E-Mail|Αρχείο Pdf|"). They read the job and leave the page on display
// as it was.
enum PreviewExportItem {
    ExportAscFile = 1,
    ExportImportFile,
    ExportWordDocument,
    ExportExcelWorkbook,
    ExportEmail,
    ExportPdfFile
};

void RunPreviewExport(const PrintJob& job, int item);
