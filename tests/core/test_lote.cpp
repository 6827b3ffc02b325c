// The batch ray trace against the single-ray trace, ray by ray, at every vector level.
#include "TracadoLote.h"
#include "TracadoRaios.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <vector>

namespace {

// A primary with a hole, a hyperbolic secondary whose rim cuts the beam, the image plane.
SistemaDoisEspelhos Sistema(double R1, double b1) {
    SistemaDoisEspelhos s;
    s.primario = {0, {R1, b1}, 100, 20};
    s.secundario = {600, {533, -3.17}, 28, 0};
    s.zImagem = -200;
    return s;
}

std::vector<Raio> RaiosDeTeste(const SistemaDoisEspelhos& s) {
    std::vector<Raio> raios;
    QRandomGenerator gen(77);
    // Random rays over and past the primary's rim and hole, tilted up to 0,1 rad.
    for (int k = 0; k < 3000; ++k) {
        const double th = gen.bounded(0.1), fi = gen.bounded(2 * Pi);
        raios.push_back(
            {{gen.bounded(240.0) - 120, gen.bounded(240.0) - 120, 900},
             {std::sin(th) * std::cos(fi), std::sin(th) * std::sin(fi), -std::cos(th)}});
    }
    // Rays exactly on the rim and on the hole's edge, and grazing rays: tangent to the primary
    // in the meridional plane, at heights up to and past where the conic ends.
    for (double rho : {20.0, 100.0, 5.0, 50.0, 99.0, 150.0, 400.0, 1200.0}) {
        double z = 0;
        const bool existe = FlechaConica(s.primario.forma, rho, z);
        raios.push_back({{0, rho, 900}, {0, 0, -1}});
        if (!existe) continue;
        const double inclinacao = InclinacaoConica(s.primario.forma, rho);
        const Vetor3 tangente = Unitario({0, -1, -inclinacao});
        raios.push_back({Mover({0, rho, z}, tangente, -300), tangente});
        raios.push_back(
            {Mover({0, rho, z}, tangente, -300), Unitario({0, -1, -inclinacao * 1.001})});
    }
    raios.push_back({{10, 40, 900}, {1, 0, 0}}); // parallel to every vertex plane
    return raios;
}

} // namespace

class TestLote : public QObject {
    Q_OBJECT
private slots:
    // Faults caught: a wrong root (far sheet, behind the ray), a rim or hole test off, a lost
    // ray that keeps moving, a wrong code for where it was lost, a vector level that diverges,
    // a path length that misses a segment.
    void loteIgualAoRaio_data() {
        QTest::addColumn<double>("R1");
        QTest::addColumn<double>("b1");
        QTest::addColumn<int>("nivel");
        const struct {
            const char* nome;
            double R1, b1;
        } casos[] = {{"esfera", 1600, 0},
                     {"paraboloide", 1600, -1},
                     {"hiperboloide", 1600, -1.2},
                     {"oblato", 1600, 0.8},
                     {"plano", 0, 0},
                     // An ellipsoid ending at ρ = 1600/√(1+k) ≈ 53 mm, inside the 100 mm rim.
                     {"conica indefinida", 1600, 900}};
        for (const auto& c : casos)
            for (NivelVetor n : {NivelVetor::Sse2, NivelVetor::Avx2})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(
                    QLatin1String(c.nome),
                    n == NivelVetor::Sse2 ? QStringLiteral("sse2") : QStringLiteral("avx2"))))
                    << c.R1 << c.b1 << static_cast<int>(n);
    }
    void loteIgualAoRaio() {
        QFETCH(double, R1);
        QFETCH(double, b1);
        QFETCH(int, nivel);
        if (static_cast<NivelVetor>(nivel) == NivelVetor::Avx2 && !Avx2Disponivel())
            QSKIP("no AVX2 on this processor");
        const SistemaDoisEspelhos s = Sistema(R1, b1);
        const std::vector<Raio> raios = RaiosDeTeste(s);
        LoteRaios lote;
        lote.redimensionar(raios.size());
        for (std::size_t k = 0; k < raios.size(); ++k) {
            lote.ox[k] = raios[k].origem.x;
            lote.oy[k] = raios[k].origem.y;
            lote.oz[k] = raios[k].origem.z;
            lote.ux[k] = raios[k].direcao.x;
            lote.uy[k] = raios[k].direcao.y;
            lote.uz[k] = raios[k].direcao.z;
        }
        TracarLote(s, lote, true, static_cast<NivelVetor>(nivel));
        int fins[5] = {};
        for (std::size_t k = 0; k < raios.size(); ++k) {
            const TracadoRaio tr = TracarRaio(s, raios[k]);
            QCOMPARE(lote.fimDoRaio(k), tr.fim);
            ++fins[static_cast<int>(tr.fim)];
            const Vetor3 q{lote.ox[k], lote.oy[k], lote.oz[k]};
            const Vetor3 u{lote.ux[k], lote.uy[k], lote.uz[k]};
            QVERIFY2(Norma(q - tr.final()) <= 1e-12, qPrintable(QString::number(k)));
            QVERIFY(Norma(u - tr.direcao) <= 1e-12);
            double caminho = 0; // the segments' lengths between the points reached
            for (int p = 1; p < tr.nPontos; ++p)
                caminho += Norma(tr.pontos[p] - tr.pontos[p - 1]);
            QVERIFY(std::fabs(lote.caminho[k] - caminho) <= 1e-9);
        }
        // The cases meant are all there: rays imaged, lost at each mirror, past the ellipse.
        QVERIFY(fins[int(FimRaio::Imagem)] > 100);
        QVERIFY(fins[int(FimRaio::PerdeuSecundario)] > 100);
        const bool indefinida = AlturaMaximaConica(s.primario.forma) < s.primario.raioExterno;
        QVERIFY(fins[int(indefinida ? FimRaio::SuperficieIndefinida : FimRaio::PerdeuPrimario)] >
                100);
    }

    // Fault caught: a slope with the wrong factor or sign (the drawing of tangent rays above and
    // future tolerances rely on it): against the sag's central difference.
    void inclinacao() {
        for (const Conica c : {Conica{1600, 0}, Conica{1600, -1}, Conica{-533, -3.17}}) {
            for (double rho : {10.0, 80.0, 300.0}) {
                double za = 0, zb = 0;
                QVERIFY(FlechaConica(c, rho - 1e-4, za) && FlechaConica(c, rho + 1e-4, zb));
                QVERIFY(std::fabs(InclinacaoConica(c, rho) - (zb - za) / 2e-4) < 1e-8);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestLote)
#include "test_lote.moc"
