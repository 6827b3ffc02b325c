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
} // namespace

BENCHMARK_MAIN();
