// One keystroke in the primary-diameter field, from the key event to the repainted diagram panel.
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"

#include <QLocale>
#include <QTest>
#include <benchmark/benchmark.h>

static void BM_TeclaEmEdtD1(benchmark::State& estado) {
    TfrmTeluvar frm;
    frm.show();
    if (!QTest::qWaitForWindowExposed(&frm)) {
        estado.SkipWithError("window not exposed");
        return;
    }
    frm.edtD1->setFocus();
    QTest::keyClicks(frm.edtD1, QStringLiteral("20"));
    bool apagar = false;
    for (auto _ : estado) {
        // Alternate "200" and "20" so every iteration changes the text and recomputes.
        if (apagar)
            QTest::keyClick(frm.edtD1, Qt::Key_Backspace);
        else
            QTest::keyClick(frm.edtD1, Qt::Key_0);
        apagar = !apagar;
        frm.Panel1->repaint();
        benchmark::DoNotOptimize(Projeto.D2);
    }
    estado.counters["D1"] = Projeto.D1;
}
BENCHMARK(BM_TeclaEmEdtD1)
    ->Unit(benchmark::kMicrosecond)
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
