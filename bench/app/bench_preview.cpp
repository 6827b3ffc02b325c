// Benchmark: repainting the preview's page area after one wheel notch over a 1,000-page report.
#include "DesignReportPages.h"
#include "rpPrepared.h"
#include "rpPreview.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {
// Counts the paint events the page area receives, to be sure each iteration really paints.
class ContadorPintura : public QObject {
public:
    int pinturas = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++pinturas;
        return false;
    }
};

// The 1,000-page design report (23 rows on the first page, 70 on each further one).
const TrpPreparedPages& MilPaginas() {
    static std::unique_ptr<TrpPreparedPages> paginas = PaginasDoRelatorio(23 + 70 * 998 + 1);
    return *paginas;
}

void BM_RepintarAposRoda(benchmark::State& state) {
    auto copia = std::make_unique<TrpPreparedPages>(MilPaginas());
    TrpPreview preview;
    preview.resize(653, 497);
    preview.takePages(std::move(copia));
    preview.setZoom(double(state.range(0)));
    preview.show();
    for (int i = 0; i < 100 && !(preview.windowHandle() && preview.windowHandle()->isExposed());
         ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QWidget* area = preview.area();
    QScrollBar* barra = preview.verticalBar();
    area->repaint();
    ContadorPintura contador;
    area->installEventFilter(&contador);
    int sentido = -120; // wheel down
    for (auto _ : state) {
        if (barra->value() >= barra->maximum()) sentido = 120;
        if (barra->value() <= barra->minimum()) sentido = -120;
        QWheelEvent roda(QPointF(50, 50), area->mapToGlobal(QPointF(50, 50)), QPoint(),
                         QPoint(0, sentido), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                         false);
        QApplication::sendEvent(area, &roda);
        area->repaint();
    }
    state.counters["paginas"] = preview.pageCount();
    state.counters["pinturas/iter"] =
        state.iterations() ? double(contador.pinturas) / double(state.iterations()) : 0.0;
    area->removeEventFilter(&contador);
}
BENCHMARK(BM_RepintarAposRoda)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The worst case: the next page button brings a page that was not in view, drawn anew.
void BM_RepintarPaginaNova(benchmark::State& state) {
    auto copia = std::make_unique<TrpPreparedPages>(MilPaginas());
    TrpPreview preview;
    preview.resize(653, 497);
    preview.takePages(std::move(copia));
    preview.setZoom(double(state.range(0)));
    preview.show();
    for (int i = 0; i < 100 && !(preview.windowHandle() && preview.windowHandle()->isExposed());
         ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QWidget* area = preview.area();
    for (auto _ : state) {
        if (preview.currentPage() == preview.pageCount()) preview.goToPage(1);
        preview.nextPage();
        area->repaint();
    }
}
BENCHMARK(BM_RepintarPaginaNova)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MilPaginas();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
