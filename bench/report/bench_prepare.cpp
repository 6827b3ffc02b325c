// Benchmarks of report preparation, page drawing and prepared-report files.
#include "ReportFixture.h"
#include "rpPdf.h"
#include "rpPrepare.h"
#include "rpPrepared.h"
#include "rpPrint.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Linhas = 100000;

modelo::Relatorio& relatorio() {
    static modelo::Relatorio r;
    static bool pronto = false;
    if (!pronto) {
        r.linhas(Linhas);
        pronto = true;
    }
    return r;
}

// The pages of the 100,000-row report, built once.
const TrpPreparedPages& paginas() {
    static const std::unique_ptr<TrpPreparedPages> p = BuildReport(relatorio().report).pages;
    return *p;
}

void BM_PrepararDuasColunas(benchmark::State& state) {
    modelo::Relatorio& r = relatorio();
    TrpBuildResult res;
    for (auto _ : state) {
        res = BuildReport(r.report);
        benchmark::DoNotOptimize(res.pages->count());
    }
    const TrpPreparedPages& p = *res.pages;
    state.counters["rows/s"] =
        benchmark::Counter(double(Linhas) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["pages"] = p.count();
    state.counters["KiB/1000 pages"] = double(p.memoryBytes()) / p.count() * 1000.0 / 1024.0;
}
BENCHMARK(BM_PrepararDuasColunas)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

void BM_DesenharPagina(benchmark::State& state) {
    const TrpPreparedPages& p = paginas();
    const QSize tamanho(qRound(1000.0 * 752 / 1071), 1000);
    QImage img(tamanho, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        img.fill(Qt::white);
        QPainter painter(&img);
        p.draw(1, painter, QRectF(QPointF(0, 0), QSizeF(tamanho)));
    }
}
BENCHMARK(BM_DesenharPagina)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_GravarRpp(benchmark::State& state) {
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray dados;
        QBuffer b(&dados);
        b.open(QIODevice::WriteOnly);
        paginas().save(b, QStringLiteral("PDF"));
        bytes = dados.size();
    }
    state.SetBytesProcessed(bytes * state.iterations());
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_GravarRpp)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_LerRpp(benchmark::State& state) {
    QByteArray dados;
    {
        QBuffer b(&dados);
        b.open(QIODevice::WriteOnly);
        paginas().save(b, QStringLiteral("PDF"));
    }
    for (auto _ : state) {
        QBuffer b(&dados);
        b.open(QIODevice::ReadOnly);
        TrpPreparedPages p;
        p.load(b);
        benchmark::DoNotOptimize(p.count());
    }
    state.SetBytesProcessed(dados.size() * state.iterations());
}
BENCHMARK(BM_LerRpp)->Unit(benchmark::kMillisecond)->Repetitions(3);

// The whole report as a PDF document in memory, through the page-drawing routine of the screen
// and the printer; the figure to watch is ms/page.
void BM_ExportarPdf(benchmark::State& state) {
    const TrpPreparedPages& p = paginas();
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray dados;
        dados.reserve(qsizetype(p.count()) * 8192 + 65536); // as rpExportarPdf does
        QBuffer b(&dados);
        b.open(QIODevice::WriteOnly);
        rpEscreverPdf(p, b, QStringLiteral("Benchmark"));
        bytes = dados.size();
    }
    state.counters["pages"] = p.count();
    state.counters["MB"] = double(bytes) / 1e6;
    state.counters["ms/page"] =
        benchmark::Counter(double(p.count()) * state.iterations() / 1000.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ExportarPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// The way a PDF was made before: printing to a print queue that writes PDF files, here the
// printer's own PDF output; for comparison with BM_ExportarPdf.
void BM_ImprimirPdf(benchmark::State& state) {
    const TrpPreparedPages& p = paginas();
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("impresso.pdf")));
        ImprimirPaginas(p, printer, QString(), 1, QStringLiteral("Benchmark"), false);
    }
    state.counters["ms/page"] =
        benchmark::Counter(double(p.count()) * state.iterations() / 1000.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ImprimirPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
