// Whole-process benchmark of the command line: start to the PDF written, for the design report
// and the baffle report of the worked example, with nothing in the environment but PATH and
// HOME (no display), as a batch job runs it. Wall time is the figure (UseRealTime).
#include "ArquivoProjeto.h"
#include "Global.h"
#include "ProjetoTeste.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& pasta() {
    static QTemporaryDir dir;
    return dir;
}

QString projeto() {
    static const QString nome = [] {
        const QString n = pasta().filePath(QStringLiteral("exemplo.tlv"));
        TProjeto p = ProjetoExemplo();
        p.DDi = 60;
        p.DDe = 64;
        p.LTotal = 500;
        p.nG = 4;
        p.SSDe = 70;
        GravarArquivo(p, n);
        return n;
    }();
    return nome;
}

void rodar(benchmark::State& state, const QStringList& extra) {
    const QString saida = pasta().filePath(QStringLiteral("saida.pdf"));
    QProcessEnvironment amb;
    amb.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    amb.insert(QStringLiteral("HOME"), qEnvironmentVariable("HOME", QDir::tempPath()));
    const QStringList argumentos =
        QStringList{QStringLiteral("--pdf"), saida} + extra + QStringList{projeto()};
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(amb);
        p.start(QStringLiteral(TELUVAR_PROGRAMA), argumentos);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit ||
            p.exitCode() != 0) {
            state.SkipWithError("teluvar --pdf failed");
            return;
        }
    }
    state.counters["KiB"] = double(QFileInfo(saida).size()) / 1024.0;
}

void BM_PdfDoProjeto(benchmark::State& state) {
    rodar(state, {});
}
BENCHMARK(BM_PdfDoProjeto)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_PdfDoDefletor(benchmark::State& state) {
    rodar(state, {QStringLiteral("--relatorio"), QStringLiteral("defletor")});
}
BENCHMARK(BM_PdfDoDefletor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
