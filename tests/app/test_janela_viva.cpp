// The live-window base: only the newest computation's result is shown; the variant choice
// recomputes.
#include "JanelaViva.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

namespace {
class TJanelaTeste : public TJanelaViva {
public:
    TJanelaTeste() : TJanelaViva(nullptr, "frmTeste", QStringLiteral("Teste")) {}
    QList<int> mostrados;
    int pedidos = 0;
    // Computation n sleeps (5 − n)·40 ms, so an older one ends after a newer one.
    void Recalcular() override {
        const int n = ++pedidos;
        Calcular<int>(
            [n] {
                QThread::msleep(static_cast<unsigned long>(std::max(0, 5 - n) * 40));
                return n;
            },
            [this](const int& r) { mostrados.append(r); });
    }
    using TJanelaViva::calculando;
};
} // namespace

class TestJanelaViva : public QObject {
    Q_OBJECT
private slots:
    // Fault caught: a result shown although a newer computation was asked for (no generation
    // check), or shown twice.
    void resultadoVelhoDescartado() {
        TJanelaTeste j;
        for (int k = 0; k < 3; ++k)
            j.Recalcular();
        QTRY_VERIFY(!j.calculando());
        QCOMPARE(j.mostrados, QList<int>{3});
    }
    // Fault caught: the variant choice not wired to a recomputation.
    void varianteRecalcula() {
        TJanelaTeste j;
        QCOMPARE(j.variante(), 2);
        QSignalSpy sinal(&j, &TJanelaViva::varianteAlterada);
        j.cmbVariante->setCurrentIndex(0);
        QCOMPARE(sinal.count(), 1);
        QCOMPARE(j.pedidos, 1);
        QTRY_VERIFY(!j.calculando());
        QCOMPARE(j.variante(), 0);
    }
};

QTEST_MAIN(TestJanelaViva)
#include "test_janela_viva.moc"
