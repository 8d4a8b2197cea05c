// The report engine on large reports: filling a job line by line (time and the heap it
// takes), laying out every page, drawing one page for the preview and printing to PDF.
#include "logic/core/program/ProgramValues.h"
#include "logic/print/PageRenderer.h"
#include "logic/print/PrintJob.h"
#include "logic/print/PrintOutput.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// The index of schedule entries: an entry line, an hours line, a remarks line every third.
void FillEntryIndexJob(PrintJob& job, int lines) {
    job.InitTitles(QStringLiteral("Ergaz     Kins"), QStringLiteral("Εργ/μενος Κίνηση"));
    for (int i = 0; i < lines; ++i) {
        const QString afm = QStringLiteral("%1").arg(100000000 + i / 3);
        const QString keys = afm.leftJustified(47) + afm.leftJustified(14) + QStringLiteral("05/03/2016");
        QString text;
        if (i % 3 == 0)
            text = QStringLiteral("05/03/2016 ") + afm.leftJustified(15) +
                   QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ %1").arg(i).leftJustified(31);
        else
            text = QString(11, u' ') + QStringLiteral("08:00-16:00  17:00-19:00");
        job.PutLine(
            text.leftJustified(161) + (i % 3 == 0 ? QStringLiteral("2    ") : QStringLiteral("1    ")), keys);
    }
    job.FixTitles(QStringLiteral("Ευρετήριο Ηλεκτρονικών Αποστολών (Από:01/03/2016 Εως 31/03/2016)"), 0, 0);
    job.FixTitles(QString(161, u' ') + u'|', 1, 1);
    job.FixTitles(QStringLiteral("Ημερομηνία|Α.Φ.Μ.        |Εργαζόμενος                    |"), 2, 1);
    job.Initprint(161, 3, 7.5, 0, true, true, false, {}, QStringLiteral("Tavrinex SA"), {});
}

void BM_FillJob(benchmark::State& state) {
    const int lines = int(state.range(0));
    size_t heap = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        auto job = std::make_unique<PrintJob>();
        FillEntryIndexJob(*job, lines);
        heap = HeapInUse() - before;
        benchmark::DoNotOptimize(job->LineCount());
    }
    state.counters["heap_MB"] = double(heap) / (1024 * 1024);
    state.counters["bytes_per_line"] = double(heap) / lines;
}
BENCHMARK(BM_FillJob)->Arg(100)->Arg(6400)->Arg(64000)->Unit(benchmark::kMillisecond);

// "Last page": every page of a full job laid out in turn.
void BM_LayOutEveryPage(benchmark::State& state) {
    PrintJob job;
    FillEntryIndexJob(job, PrintJob::MaxLines);
    for (auto _ : state) {
        job.firstPage();
        job.lastPage();
        benchmark::DoNotOptimize(job.CurrentPage());
    }
    state.counters["pages"] = job.CurrentPage();
}
BENCHMARK(BM_LayOutEveryPage)->Unit(benchmark::kMillisecond);

// One page of the preview drawn at screen scale, as every page change and selection does.
void BM_DrawPreviewPage(benchmark::State& state) {
    Program.Colours = ColourSettings::defaults();
    PrintJob job;
    FillEntryIndexJob(job, 600);
    job.firstPage();
    RenderOptions options;
    options.selectedRow = job.SelectedRow();
    for (auto _ : state) {
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), options);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = job.page().rows.size();
}
BENCHMARK(BM_DrawPreviewPage)->Unit(benchmark::kMillisecond);

// Printing all pages of a report of 3,000 lines to a PDF file.
void BM_PrintAllToPdf(benchmark::State& state) {
    PrintJob job;
    FillEntryIndexJob(job, 3000);
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath(QStringLiteral("bench.pdf")));
        PrepareDevicePage(writer, job.landscape());
        pages = PrintJobPages(job, writer, true);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintAllToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
