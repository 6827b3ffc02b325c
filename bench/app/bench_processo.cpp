// Whole processes, processor time (user + system of the child): teluvar --pdf, --json and the
// window's start-up (and --json --sem-estudos), each against a bare Qt program doing the least
// equivalent work (one empty PDF page, one JSON object, one empty shown window), run alternately in
// the same loop so the ratio comes from one run on the same (shared, loaded) machine. Reported: the
// medians (ms) and their ratio.
#include "ArquivoProjeto.h"
#include "Global.h"
#include "ProjetoTeste.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <vector>

namespace {

QTemporaryDir& pasta() {
    static QTemporaryDir dir;
    return dir;
}

QString projeto() {
    static const QString nome = [] {
        const QString n = pasta().filePath(QStringLiteral("exemplo.tlv"));
        TProjeto p = ProjetoExemplo();
        GravarArquivo(p, n);
        return n;
    }();
    return nome;
}

double CpuFilhos() {
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
}

// Runs a program to its end; its processor time in seconds, or a negative number on failure.
double Rodar(const QString& programa, const QStringList& argumentos, bool tela) {
    QProcessEnvironment amb;
    amb.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    amb.insert(QStringLiteral("HOME"), qEnvironmentVariable("HOME", QDir::tempPath()));
    amb.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (tela) amb.insert(QStringLiteral("TELUVAR_SAIR_AO_MOSTRAR"), QStringLiteral("1"));
    const double antes = CpuFilhos();
    QProcess p;
    p.setProcessEnvironment(amb);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    return CpuFilhos() - antes;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void Comparar(benchmark::State& state, const QStringList& teluvar, const QString& nu,
              const QStringList& argumentosNu, bool tela) {
    std::vector<double> t, n;
    for (auto _ : state) {
        const double a = Rodar(QStringLiteral(BENCH_NU_DIR "/") + nu, argumentosNu, false);
        const double b = Rodar(QStringLiteral(TELUVAR_PROGRAMA), teluvar, tela);
        if (a < 0 || b < 0) {
            state.SkipWithError("a program failed");
            return;
        }
        n.push_back(a);
        t.push_back(b);
        state.SetIterationTime(b);
    }
    state.counters["teluvar_ms"] = Mediana(t) * 1e3;
    state.counters["nu_ms"] = Mediana(n) * 1e3;
    state.counters["razao"] = Mediana(t) / Mediana(n);
}

void BM_Pdf(benchmark::State& state) {
    const QString saida = pasta().filePath(QStringLiteral("saida.pdf"));
    Comparar(state, {QStringLiteral("--pdf"), saida, projeto()}, QStringLiteral("nu_pdf"),
             {pasta().filePath(QStringLiteral("nu.pdf"))}, false);
}
void BM_Json(benchmark::State& state) {
    Comparar(state, {QStringLiteral("--json"), projeto()}, QStringLiteral("nu_json"), {}, false);
}
void BM_JsonSemEstudos(benchmark::State& state) {
    Comparar(state, {QStringLiteral("--json"), QStringLiteral("--sem-estudos"), projeto()},
             QStringLiteral("nu_json"), {}, false);
}
void BM_Inicio(benchmark::State& state) {
    Comparar(state, {}, QStringLiteral("nu_janela"), {}, true);
}
BENCHMARK(BM_Pdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_Json)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_JsonSemEstudos)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_Inicio)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
