// Measures the focusing and collimation window's whole computation (15 focusing rows, the
// Strehl ranges, the camera's depth of focus and the collimation searches, three variants), and
// one refocused on-axis wavefront with a posed secondary, its unit of work.
#include "Calculo.h"
#include "Global.h"
#include "Tolerancias.h"

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

static void BM_Tolerancias(benchmark::State& state) {
    const TProjeto p =
        state.range(0) == 0 ? Projeto5(200, 4, 4, 200, 20) : Projeto5(300, 3, 3, 250, 40);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcularTolerancias(p, -50, 100, 15));
}
BENCHMARK(BM_Tolerancias)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"projeto"})
    ->MeasureProcessCPUTime() // the variants run on three threads
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_FrenteNoEixo(benchmark::State& state) {
    const TProjeto p = Projeto5(200, 4, 4, 200, 20);
    const ConicasProjeto c = ConicasVariante(p, 2);
    const SistemaDoisEspelhos s = SistemaDoProjeto(p, c.b1, c.b2);
    PosesEspelhos poses;
    poses.secundario.inclinacaoX = 2;
    poses.secundario.zPivo = p.d;
    for (auto _ : state)
        benchmark::DoNotOptimize(FrenteNoEixo(p, s, poses));
}
BENCHMARK(BM_FrenteNoEixo)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
