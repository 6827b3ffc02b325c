// One keystroke in the primary-diameter field with the analysis window open, to its repaint.
#include "Analise.h"
#include "Calculo.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"

#include <QLocale>
#include <QTest>
#include <benchmark/benchmark.h>

static void BM_TeclaComAnalise(benchmark::State& estado) {
    TfrmTeluvar frm;
    frm.show();
    TfrmAnalise analise(&frm);
    analise.show();
    if (!QTest::qWaitForWindowExposed(&frm) || !QTest::qWaitForWindowExposed(&analise)) {
        estado.SkipWithError("window not exposed");
        return;
    }
    // The live link the main window makes: every change of an input recomputes the analysis
    // (connected after the main window's own handler, which updates the record first).
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
    estado.counters["valida"] = analise.resultado().valida();
}
BENCHMARK(BM_TeclaComAnalise)
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
