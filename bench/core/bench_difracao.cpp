// Measures the diffraction analysis of a design: nine wavefronts (120 × 120 rays each), PSFs
// by a 360 × 360 FFT, MTF cuts and encircled-energy curves, plus the perfect reference pupil.
#include "AnaliseRaios.h"
#include "Calculo.h"
#include "Difracao.h"
#include "Global.h"

#include <QLocale>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {
TProjeto Projeto5(double D1, double fD1, double gamma, double e, double i) {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = D1;
    p.fD1 = fD1;
    p.gamma = gamma;
    p.e = e;
    p.i = i;
    CalcularProjeto(p);
    return p;
}
} // namespace

static void BM_Difracao(benchmark::State& state) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const TProjeto p =
        state.range(0) == 0 ? Projeto5(200, 4, 4, 200, 20) : Projeto5(300, 3, 3, 250, 40);
    const ResultadoAnalise a = Analisar(p);
    benchmark::DoNotOptimize(AnalisarDifracao(p, a, false)); // plans and kernel made once
    for (auto _ : state) {
        const ResultadoDifracao r = AnalisarDifracao(p, a, state.range(1) != 0);
        benchmark::DoNotOptimize(TextosDaDifracao(r));
    }
}
BENCHMARK(BM_Difracao)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"projeto", "melhorFoco"})
    ->MeasureProcessCPUTime() // the variants run on three threads
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
