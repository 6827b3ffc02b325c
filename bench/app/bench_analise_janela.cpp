// One keystroke in the primary-diameter field with the analysis window open, to its repaint.
#include "Analise.h"
#include "Calculo.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <benchmark/benchmark.h>

// The analysis window and the main window as a user has them, with the primary-diameter field
// focused; returns false when a window is not shown. Argument 0: the analysis window as it
// opens on the test screen (800 x 600: the spot grid mostly scrolled out of sight); 1: made
// 1300 x 950, so the whole grid shows, as on a larger screen.
static bool Preparar(TfrmTeluvar& frm, TfrmAnalise& analise, bool grande) {
    frm.show();
    analise.show();
    if (grande) analise.resize(1300, 950);
    if (!QTest::qWaitForWindowExposed(&frm) || !QTest::qWaitForWindowExposed(&analise))
        return false;
    // The live link the main window makes: every change of an input recomputes the analysis
    // (connected after the main window's own handler, which updates the record first).
    QObject::connect(frm.edtD1, &TNumberEdit::changed, &analise, &TfrmAnalise::Recalcular);
    const char* valores[] = {"4", "4", "200", "20"};
    TNumberEdit* campos[] = {frm.edtfD, frm.edty, frm.edte, frm.edti};
    for (int k = 0; k < 4; ++k)
        QTest::keyClicks(campos[k], valores[k]);
    frm.edtD1->setFocus();
    QTest::keyClicks(frm.edtD1, QStringLiteral("20"));
    QCoreApplication::processEvents();
    return true;
}

// Alternates "200" and "20" so every iteration changes the text and recomputes.
static void Tecla(TfrmTeluvar& frm, bool& apagar) {
    if (apagar)
        QTest::keyClick(frm.edtD1, Qt::Key_Backspace);
    else
        QTest::keyClick(frm.edtD1, Qt::Key_0);
    apagar = !apagar;
}

// The keystroke, then the whole analysis window repainted (every widget, changed or not).
static void BM_TeclaComAnalise(benchmark::State& estado) {
    TfrmTeluvar frm;
    TfrmAnalise analise(&frm);
    if (!Preparar(frm, analise, estado.range(0) != 0)) {
        estado.SkipWithError("window not exposed");
        return;
    }
    bool apagar = false;
    for (auto _ : estado) {
        Tecla(frm, apagar);
        analise.repaint();
        benchmark::DoNotOptimize(analise.resultado().raioAiry);
    }
    estado.counters["valida"] = analise.resultado().valida();
}
BENCHMARK(BM_TeclaComAnalise)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The keystroke, then what the event loop does next: the pending layouts and the repaint of
// the parts of the analysis window the keystroke changed.
static void BM_TeclaComAnaliseEventos(benchmark::State& estado) {
    TfrmTeluvar frm;
    TfrmAnalise analise(&frm);
    if (!Preparar(frm, analise, estado.range(0) != 0)) {
        estado.SkipWithError("window not exposed");
        return;
    }
    bool apagar = false;
    for (auto _ : estado) {
        Tecla(frm, apagar);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::sendPostedEvents(&analise, QEvent::UpdateRequest);
        benchmark::DoNotOptimize(analise.resultado().raioAiry);
    }
    estado.counters["valida"] = analise.resultado().valida();
}
BENCHMARK(BM_TeclaComAnaliseEventos)
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
