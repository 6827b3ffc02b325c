// The ray-trace kernel per ray–surface: the single-ray routine against the batch trace at SSE2
// and at AVX2, on the analysis's own rays (3 variants × 3 field heights × 1 280 pupil rays of
// the 200/4/4/200/20 design; primary, secondary and image plane: 3 ray–surfaces per ray).
#include "AnaliseRaios.h"
#include "Calculo.h"
#include "ProjetoTeste.h"
#include "TracadoLote.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

struct Caso {
    SistemaDoisEspelhos sistema[3];
    LoteRaios lote[3]; // the rays of each variant, as set up, before tracing
    std::size_t raios = 0;
};

const Caso& CasoAnalise() {
    static const Caso caso = [] {
        Caso c;
        TProjeto p = ProjetoExemplo();
        CalcularProjeto(p);
        const std::vector<PontoPupila> pupila = PupilaAnular(p.D2 / 2, p.D1 / 2);
        for (int v = 0; v < 3; ++v) {
            const ConicasProjeto b = ConicasVariante(p, v);
            c.sistema[v] = SistemaDoProjeto(p, b.b1, b.b2);
            LoteRaios& l = c.lote[v];
            for (double h : {0.0, 0.7 * p.i / 2, p.i / 2})
                for (const PontoPupila& pp : pupila) {
                    Raio r;
                    if (!RaioDoFeixe(c.sistema[v], std::atan(h / p.F), pp.x, pp.y, p.d, r))
                        continue;
                    l.ox.push_back(r.origem.x);
                    l.oy.push_back(r.origem.y);
                    l.oz.push_back(r.origem.z);
                    l.ux.push_back(r.direcao.x);
                    l.uy.push_back(r.direcao.y);
                    l.uz.push_back(r.direcao.z);
                }
            l.fim.assign(l.tamanho(), 0);
            c.raios += l.tamanho();
        }
        return c;
    }();
    return caso;
}

// The time per ray–surface in ns: a rate of raios·3·1e-9 items per second, inverted.
void PorRaioSuperficie(benchmark::State& state, std::size_t raios) {
    state.counters["ns/raio-superficie"] = benchmark::Counter(
        static_cast<double>(raios * 3) * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

static void BM_RaioARaio(benchmark::State& state) {
    const Caso& c = CasoAnalise();
    for (auto _ : state)
        for (int v = 0; v < 3; ++v) {
            const LoteRaios& l = c.lote[v];
            for (std::size_t k = 0; k < l.tamanho(); ++k) {
                const Raio r{{l.ox[k], l.oy[k], l.oz[k]}, {l.ux[k], l.uy[k], l.uz[k]}};
                benchmark::DoNotOptimize(TracarRaio(c.sistema[v], r));
            }
        }
    PorRaioSuperficie(state, c.raios);
}
BENCHMARK(BM_RaioARaio)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The batch traces in place, so each pass starts from a copy of the rays; BM_CopiaLote measures
// that copy alone (subtract it for the kernel's own time).
static void Lote(benchmark::State& state, NivelVetor nivel, bool copiaSo) {
    if (nivel == NivelVetor::Avx2 && !Avx2Disponivel()) {
        state.SkipWithError("no AVX2");
        return;
    }
    const Caso& c = CasoAnalise();
    LoteRaios trabalho[3] = {c.lote[0], c.lote[1], c.lote[2]};
    for (auto _ : state)
        for (int v = 0; v < 3; ++v) {
            trabalho[v].ox = c.lote[v].ox;
            trabalho[v].oy = c.lote[v].oy;
            trabalho[v].oz = c.lote[v].oz;
            trabalho[v].ux = c.lote[v].ux;
            trabalho[v].uy = c.lote[v].uy;
            trabalho[v].uz = c.lote[v].uz;
            if (!copiaSo) TracarLote(c.sistema[v], trabalho[v], false, nivel);
            benchmark::DoNotOptimize(trabalho[v].ox.data());
        }
    PorRaioSuperficie(state, c.raios);
}
static void BM_LoteSse2(benchmark::State& state) {
    Lote(state, NivelVetor::Sse2, false);
}
static void BM_LoteAvx2(benchmark::State& state) {
    Lote(state, NivelVetor::Avx2, false);
}
static void BM_CopiaLote(benchmark::State& state) {
    Lote(state, NivelVetor::Sse2, true);
}
BENCHMARK(BM_LoteSse2)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoteAvx2)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CopiaLote)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
