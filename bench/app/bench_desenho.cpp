// One keystroke in the primary-diameter field with the to-scale drawing open, to its repaint.
#include "Calculo.h"
#include "Desenho.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"

#include <QLocale>
#include <QTest>
#include <benchmark/benchmark.h>

static void BM_TeclaComDesenho(benchmark::State& estado) {
    TfrmTeluvar frm;
    frm.show();
    // The worked baffle inputs, so the tube, its stops and the holder are drawn too.
    Projeto.DDi = 40;
    Projeto.DDe = 44;
    Projeto.LTotal = 400;
    Projeto.nG = 4;
    Projeto.SSDe = 60;
    TfrmDesenho desenho(&frm);
    desenho.show();
    if (!QTest::qWaitForWindowExposed(&frm) || !QTest::qWaitForWindowExposed(&desenho)) {
        estado.SkipWithError("window not exposed");
        return;
    }
    // The live link the main window makes: every change of an input redraws the drawing
    // (connected after the main window's own handler, which updates the record first).
    QObject::connect(frm.edtD1, &TNumberEdit::changed, &desenho, &TfrmDesenho::Recalcular);
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
        desenho.repaint();
        benchmark::DoNotOptimize(desenho.dados().furo);
    }
    estado.counters["valido"] = desenho.dados().valido();
    estado.counters["defletor"] = desenho.dados().defletor;
}
BENCHMARK(BM_TeclaComDesenho)
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
