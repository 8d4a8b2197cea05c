// The exports on the largest report, 64,000 lines: the Excel workbook (time and the peak
// memory of the process; the sheet goes to disk row by row, so the peak stays far below
// the size of the sheet), the Word document and the text file.
//
// For the memory figure run the Excel case alone, as the first thing of the process:
//     bench_exports --benchmark_filter=Excel
#include "logic/print/ExcelExport.h"
#include "logic/print/PrintJob.h"
#include "logic/print/TextExport.h"
#include "logic/print/WordExport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double PeakRssMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024; // kilobytes on Linux
}

// A list of employees with an amount: five columns, a number cell on every line.
void FillAmountsJob(PrintJob& job, int lines) {
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    job.InitTitles({}, {});
    for (int i = 0; i < lines; ++i) {
        const QString text = QString::number(100000000 + i) + u' ' +
                             QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ %1").arg(i).leftJustified(30) + u' ' +
                             greek.toString(1234.5 + i, 'f', 2).rightJustified(12) + u' ' +
                             QStringLiteral("05/03/2016") + u' ' + QStringLiteral("08:00-16:00");
        job.PutLine(text.leftJustified(80) + QStringLiteral("1    "), {});
    }
    job.FixTitles(QStringLiteral("Κατάσταση Ποσών"), 0, 0);
    job.FixTitles(
        QStringLiteral("Α.Φ.Μ.   |Εργαζόμενος                   |        Ποσό|Ημερομηνία|Ωράριο     |"), 1, 1,
        {1, 0, 0, 2, 0});
    job.Initprint(80, 2, 0, 0, true, true, false, {}, QStringLiteral("Tavrinex SA"), {});
}

void BM_ExcelExport(benchmark::State& state) {
    PrintJob job;
    FillAmountsJob(job, int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.xlsx"));
    const double before = PeakRssMB();
    for (auto _ : state) {
        QString error;
        if (!WriteExcelWorkbook(job, path, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["peak_rss_MB"] = PeakRssMB();
    state.counters["rss_growth_MB"] = PeakRssMB() - before;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}
BENCHMARK(BM_ExcelExport)->Arg(64000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_WordExport(benchmark::State& state) {
    PrintJob job;
    FillAmountsJob(job, int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.docx"));
    for (auto _ : state) {
        QString error;
        if (!WriteWordDocument(job, path, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}
BENCHMARK(BM_WordExport)->Arg(64000)->Unit(benchmark::kMillisecond);

void BM_TextExport(benchmark::State& state) {
    PrintJob job;
    FillAmountsJob(job, int(state.range(0)));
    QTemporaryDir dir;
    for (auto _ : state) {
        QFile file(dir.filePath(QStringLiteral("bench.Asc")));
        file.open(QIODevice::WriteOnly);
        WriteTextExport(job, PagedTextFile, 2, file);
    }
}
BENCHMARK(BM_TextExport)->Arg(64000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
