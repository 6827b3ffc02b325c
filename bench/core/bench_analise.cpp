// Measures the whole ray-trace analysis of a design: 3 variants × 3 heights, best focus, curvature.
#include "AnaliseRaios.h"
#include "Calculo.h"
#include "Global.h"

#include <QLocale>
#include <benchmark/benchmark.h>
#include <cstring>

static void BM_Analise(benchmark::State& state) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = 200;
    p.fD1 = 4;
    p.gamma = 4;
    p.e = 200;
    p.i = 20;
    CalcularProjeto(p);
    for (auto _ : state) {
        const ResultadoAnalise r = Analisar(p);
        const TextosAnalise t = TextosDaAnalise(r);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_Analise)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
