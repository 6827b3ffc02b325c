// Benchmarks of the field illumination: one variant's curve of 25 heights, and the optimiser.
#include "Calculo.h"
#include "Global.h"
#include "Iluminacao.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace {
TProjeto Projeto200() {
    TProjeto P;
    std::memset(&P, 0, sizeof P);
    LimparProjeto(P);
    P.D1 = 200;
    P.fD1 = 4;
    P.gamma = 4;
    P.e = 200;
    P.i = 20;
    CalcularProjeto(P, QLatin1Char(','), QLatin1Char('.'));
    P.DDi = 40;
    P.DDe = 44;
    P.LTotal = 400;
    P.nG = 4;
    P.SSDe = 60;
    CalcularDefletor(P);
    return P;
}

void BM_CurvaIluminacao(benchmark::State& estado) {
    const TProjeto P = Projeto200();
    for (auto _ : estado) {
        const ResultadoIluminacao r = CalcularIluminacao(P, VarianteRitcheyChretien);
        benchmark::DoNotOptimize(r.transmissao);
    }
}
// Wall-clock time (the heights are split over two threads) and the process's processor time.
BENCHMARK(BM_CurvaIluminacao)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_OtimizarDefletor(benchmark::State& estado) {
    const TProjeto P = Projeto200();
    for (auto _ : estado) {
        const DefletorOtimizado o = OtimizarDefletor(P, VarianteRitcheyChretien, P.i);
        benchmark::DoNotOptimize(o.obstrucaoArea);
    }
}
BENCHMARK(BM_OtimizarDefletor)->Unit(benchmark::kMillisecond);

void BM_OtimizarDefletorRegistro(benchmark::State& estado) {
    const TProjeto P = Projeto200();
    for (auto _ : estado) {
        const DefletorOtimizado o = OtimizarDefletorRegistro(P, VarianteRitcheyChretien, P.i);
        benchmark::DoNotOptimize(o.obstrucaoArea);
    }
}
BENCHMARK(BM_OtimizarDefletorRegistro)->Unit(benchmark::kMillisecond);

// The window's whole study: the record's curve, both optimisers (on two threads) and their
// curves, as the first computation after a change of the design.
void BM_EstudoIluminacao(benchmark::State& estado) {
    const TProjeto P = Projeto200();
    for (auto _ : estado) {
        const CalculoIluminacao c = CalcularEstudoIluminacao(P, VarianteRitcheyChretien, P.i);
        benchmark::DoNotOptimize(c.defletor.obstrucaoArea);
    }
}
BENCHMARK(BM_EstudoIluminacao)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
} // namespace

BENCHMARK_MAIN();
