// Measures one keystroke's work in the core: the first-order recomputation and its twelve labels.
#include "Calculo.h"
#include "Global.h"
#include "NumeroTexto.h"
#include "ProjetoTeste.h"

#include <QLocale>
#include <benchmark/benchmark.h>

static void BM_RecalculoComRotulos(benchmark::State& state) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TProjeto p = ProjetoExemplo();
    double d1 = 200;
    for (auto _ : state) {
        p.D1 = d1;
        d1 = d1 == 200 ? 2000.5 : 200;
        auto rotulos = CalcularProjeto(p);
        benchmark::DoNotOptimize(rotulos);
    }
}
BENCHMARK(BM_RecalculoComRotulos);

static void BM_NumeroTexto(benchmark::State& state) {
    double v = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumeroTexto(v, QLatin1Char(','), QLatin1Char('.')));
        v += 0.01;
    }
}
BENCHMARK(BM_NumeroTexto);

static void BM_MostrarResultados(benchmark::State& state) {
    TProjeto p = ProjetoExemplo();
    CalcularProjeto(p);
    for (auto _ : state)
        benchmark::DoNotOptimize(MostrarResultados(p));
}
BENCHMARK(BM_MostrarResultados);

BENCHMARK_MAIN();
