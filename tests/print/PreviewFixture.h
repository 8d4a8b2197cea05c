#pragma once

#include "ScriptedDialogs.h"
#include "windows/core/MdiHost.h"
#include "windows/print/Lbprint.h"

#include <QMainWindow>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A main window with its MDI area, scripted dialogs that send accepted printer dialogs to PDF
// files, and a way to read those files back.
class PreviewFixture {
public:
    void setUp() {
        dialogs = &InstallScriptedDialogs();
        frame = std::make_unique<QMainWindow>();
        mdi = new MdiHost;
        frame->setCentralWidget(mdi);
        frame->resize(1200, 900);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        pdfCount = 0;
        dir = std::make_unique<QTemporaryDir>();
        dialogs->onPrinterAccepted = [this](const PrintDialogRequest& request) {
            lastOrientation = request.printer->pageLayout().orientation();
            request.printer->setOutputFormat(QPrinter::PdfFormat);
            request.printer->setOutputFileName(pdfPath(++pdfCount));
        };
    }
    void tearDown() {
        frame.reset();
        mdi = nullptr;
    }

    // The PDF file of the n-th accepted printer dialog.
    QString pdfPath(int n) const { return dir->filePath(QStringLiteral("print%1.pdf").arg(n)); }
    // Pages of the n-th printed file; -1 when it was never written.
    int pdfPages(int n) {
        QPdfDocument document;
        if (document.load(pdfPath(n)) != QPdfDocument::Error::None)
            return -1;
        return document.pageCount();
    }
    QString pdfText(int n, int page) {
        QPdfDocument document;
        if (document.load(pdfPath(n)) != QPdfDocument::Error::None)
            return {};
        return document.getAllText(page).text();
    }
    QSizeF pdfPageSize(int n) {
        QPdfDocument document;
        if (document.load(pdfPath(n)) != QPdfDocument::Error::None)
            return {};
        return document.pagePointSize(0);
    }

    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<QMainWindow> frame;
    MdiHost* mdi = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
    int pdfCount = 0;
    QPageLayout::Orientation lastOrientation = QPageLayout::Portrait;
};
