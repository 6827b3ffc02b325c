// One keystroke in the primary-diameter field with the analysis window open on its diffraction
// page, to the window's repaint: the diffraction runs in a worker thread meanwhile.
#include "Analise.h"
#include "AnaliseDifracao.h"
#include "Calculo.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <benchmark/benchmark.h>

static void BM_TeclaComDifracao(benchmark::State& estado) {
    TfrmTeluvar frm;
    frm.show();
    TfrmAnalise analise(&frm);
    analise.show();
    analise.tabAnalise->setCurrentIndex(static_cast<int>(estado.range(0)));
    if (!QTest::qWaitForWindowExposed(&frm) || !QTest::qWaitForWindowExposed(&analise)) {
        estado.SkipWithError("window not exposed");
        return;
    }
    QObject::connect(frm.edtD1, &TNumberEdit::changed, &analise, &TfrmAnalise::Recalcular);
    const char* valores[] = {"4", "4", "200", "20"};
    TNumberEdit* campos[] = {frm.edtfD, frm.edty, frm.edte, frm.edti};
    for (int k = 0; k < 4; ++k)
        QTest::keyClicks(campos[k], valores[k]);
    frm.edtD1->setFocus();
    QTest::keyClicks(frm.edtD1, QStringLiteral("20"));
    bool apagar = false;
    for (auto _ : estado) {
        if (apagar)
            QTest::keyClick(frm.edtD1, Qt::Key_Backspace);
        else
            QTest::keyClick(frm.edtD1, Qt::Key_0);
        apagar = !apagar;
        analise.repaint();
        benchmark::DoNotOptimize(analise.resultado().raioAiry);
    }
    // Let the last computation finish outside the timing.
    estado.PauseTiming();
    if (analise.difracao->calculando()) {
        QSignalSpy pronto(analise.difracao, &TAnaliseDifracao::calculado);
        pronto.wait(60000);
    }
    estado.ResumeTiming();
}
// Argument: the page shown (0 ray trace, 1 diffraction).
BENCHMARK(BM_TeclaComDifracao)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
