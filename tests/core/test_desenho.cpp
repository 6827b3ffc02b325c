// The to-scale drawing's geometry: central hole, direct sky light, fans, baffle, bad designs.
#include "AnaliseRaios.h"
#include "Calculo.h"
#include "DesenhoEscala.h"
#include "Global.h"
#include "Recursos.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
TProjeto Projeto5(double D1, double fD1, double gamma, double e, double i) {
    TProjeto P;
    std::memset(&P, 0, sizeof P);
    LimparProjeto(P);
    P.D1 = D1;
    P.fD1 = fD1;
    P.gamma = gamma;
    P.e = e;
    P.i = i;
    CalcularProjeto(P, QLatin1Char(','), QLatin1Char('.'));
    return P;
}

void Defletor(TProjeto& P, double DDi, double DDe, double LTotal, int nG, double SSDe) {
    P.DDi = DDi;
    P.DDe = DDe;
    P.LTotal = LTotal;
    P.nG = static_cast<std::int16_t>(nG);
    P.SSDe = SSDe;
}

// Independent sag of a conic: z = c·ρ² / (1 + √(1 − (1+k)·c²·ρ²)).
double Sag(double r, double k, double rho) {
    const double c = 1 / r;
    return c * rho * rho / (1 + std::sqrt(1 - (1 + k) * c * c * rho * rho));
}

// Brute force over a fine grid of sky rays in the axial section, each given by its heights at
// the image plane and at the secondary (height and slope): the best smallest clearance any of
// them keeps from the field's rim, the holder, the baffle's front rim and every stop.
struct Bruta {
    double melhor = -std::numeric_limits<double>::infinity();
};
double Folga(const TProjeto& P, const std::vector<LinhaGlare>& glares, bool defletor, double a,
             double s) {
    auto y = [&](double x) { return a + s * x; };
    const double suporte = std::max(P.SSDe, P.D2) / 2;
    double f = std::min(P.i / 2 - std::fabs(y(P.e)), y(-P.d) - suporte);
    if (defletor) {
        f = std::min(f, P.DDi / 2 - std::fabs(y(-P.L)));
        for (const LinhaGlare& g : glares)
            if (g.Posicao < P.e) f = std::min(f, g.Diametro / 2 - std::fabs(y(g.Posicao)));
    }
    return f;
}
Bruta BuscaBruta(const TProjeto& P, const std::vector<LinhaGlare>& glares, bool defletor) {
    const double suporte = std::max(P.SSDe, P.D2) / 2;
    // A ray through the field and the front rim meets the secondary's plane no higher than the
    // line from the field's lower rim through the rim's upper edge.
    double topo = suporte + P.D1;
    if (defletor) topo = P.DDi / 2 + (P.d - P.L) * (P.DDi / 2 + P.i / 2) / (P.L + P.e) + 1;
    // Widened by i on every side, so the nearest miss of a blocked design is in the grid too.
    const double baixo = suporte - P.i;
    topo += P.i;
    Bruta b;
    const int n = 1200;
    for (int j = 0; j <= n; ++j) {
        const double ye = -P.i + 2 * P.i * j / n;
        for (int k = 0; k <= n; ++k) {
            const double yh = baixo + (topo - baixo) * k / n;
            const double s = (ye - yh) / (P.e + P.d);
            const double a = ye - s * P.e;
            b.melhor = std::max(b.melhor, Folga(P, glares, defletor, a, s));
        }
    }
    return b;
}
} // namespace

class TestDesenho : public QObject {
    Q_OBJECT
private slots:
    // The hole against a brute force: bundles at 21 heights over the field, each through a
    // polar grid of the primary (17 rings × 72 azimuths, the meridian's rim points included),
    // the largest distance from the axis where the rays cross the vertex plane towards the image.
    void furo_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("fD1");
        QTest::addColumn<double>("gamma");
        QTest::addColumn<double>("e");
        QTest::addColumn<double>("i");
        QTest::addColumn<int>("variante");
        QTest::newRow("200/4 Cl") << 200.0 << 4.0 << 4.0 << 200.0 << 20.0 << 0;
        QTest::newRow("200/4 DK") << 200.0 << 4.0 << 4.0 << 200.0 << 20.0 << 1;
        QTest::newRow("200/4 RC") << 200.0 << 4.0 << 4.0 << 200.0 << 20.0 << 2;
        QTest::newRow("250/2,5 RC") << 250.0 << 2.5 << 5.0 << 250.0 << 30.0 << 2;
        QTest::newRow("400/3 DK") << 400.0 << 3.0 << 3.0 << 300.0 << 40.0 << 1;
        QTest::newRow("1000/2 Cl") << 1000.0 << 2.0 << 4.0 << 400.0 << 50.0 << 0;
    }
    void furo() {
        QFETCH(double, D1);
        QFETCH(double, fD1);
        QFETCH(double, gamma);
        QFETCH(double, e);
        QFETCH(double, i);
        QFETCH(int, variante);
        const TProjeto P = Projeto5(D1, fD1, gamma, e, i);
        const DadosDesenho D = CalcularDesenho(P, variante, 0, ',', '.');
        QVERIFY(D.valido());

        double b1 = 0, b2 = 0;
        ConicasVariante(P, variante, b1, b2);
        SistemaDoisEspelhos s = SistemaDoProjeto(P, b1, b2);
        s.secundario.raioExterno = std::numeric_limits<double>::infinity();
        double maximo = 0;
        int tracados = 0;
        for (int j = 0; j <= 20; ++j) {
            const double theta = std::atan(i / 2 * j / 20 / P.F);
            for (int k = 0; k <= 16; ++k)
                for (int m = 0; m < (k == 0 ? 1 : 72); ++m) {
                    const double fi = 2 * Pi * m / 72, rho = D1 / 2 * k / 16;
                    Raio raio;
                    QVERIFY(
                        RaioDoFeixe(s, theta, rho * std::sin(fi), rho * std::cos(fi), P.d, raio));
                    const TracadoRaio tr = TracarRaio(s, raio);
                    QVERIFY(tr.chegou());
                    const Vetor3 a = tr.pontos[2], b = tr.pontos[3];
                    QVERIFY(a.z > 0 && b.z < 0);
                    const double u = a.z / (a.z - b.z);
                    const double x = a.x + u * (b.x - a.x), y = a.y + u * (b.y - a.y);
                    maximo = std::max(maximo, std::hypot(x, y));
                    ++tracados;
                }
        }
        QCOMPARE(tracados, 21 * (16 * 72 + 1));
        QVERIFY2(std::fabs(D.furo - 2 * maximo) <= 1e-9,
                 qPrintable(QString::number(D.furo - 2 * maximo)));
        // First order: the cone from the secondary's rim to the field's rim at the vertex plane.
        const double G0 = (P.d * i + P.D2 * e) / (P.d + e);
        QVERIFY(std::fabs(D.furo - G0) < 0.01 * G0);
        // "%n": two decimals, decimal comma; G0 is under 1.000, so no thousands separator.
        QVERIFY(QRegularExpression(QStringLiteral("^Furo = \\d{1,3},\\d\\d$"))
                    .match(D.textoFuro)
                    .hasMatch());
    }

    // The exact verdict against the brute force, for the baffle example (record values as
    // given), the 200/4 design with that baffle, and the 200/4 design with a holder of 90.
    void luzDireta_data() {
        QTest::addColumn<bool>("exemplo");
        QTest::addColumn<double>("LTotal");
        QTest::addColumn<int>("nG");
        QTest::addColumn<double>("SSDe");
        QTest::addColumn<bool>("atinge");
        QTest::newRow("exemplo do defletor") << true << 400.0 << 4 << 60.0 << true;
        QTest::newRow("200/4, defletor do exemplo") << false << 400.0 << 4 << 60.0 << true;
        QTest::newRow("200/4, suporte 90") << false << 500.0 << 5 << 90.0 << false;
    }
    void luzDireta() {
        QFETCH(bool, exemplo);
        QFETCH(double, LTotal);
        QFETCH(int, nG);
        QFETCH(double, SSDe);
        QFETCH(bool, atinge);
        TProjeto P;
        if (exemplo) {
            std::memset(&P, 0, sizeof P);
            P.D2 = 50;
            P.d = 600;
            P.e = 150;
            P.i = 20;
            P.f1 = 800;
        } else {
            P = Projeto5(200, 4, 4, 200, 20);
        }
        Defletor(P, 40, 44, LTotal, nG, SSDe);
        CalcularDefletor(P);
        std::vector<LinhaGlare> glares;
        CalcularGlares(P, [&](const LinhaGlare& g) { glares.push_back(g); });
        const LuzDireta luz = VerificarLuzDireta(AberturasLuzDireta(P, glares, true));
        const Bruta b = BuscaBruta(P, glares, true);

        QCOMPARE(luz.atinge, atinge);
        QCOMPARE(luz.atinge, b.melhor > 0);
        // The exact optimum bounds every ray of the grid and is met by the ray it returns.
        QVERIFY(luz.folga >= b.melhor - 1e-9);
        QVERIFY2(luz.folga - b.melhor < 0.02, qPrintable(QString::number(luz.folga - b.melhor)));
        QVERIFY(std::fabs(Folga(P, glares, true, luz.altura, luz.inclinacao) - luz.folga) < 1e-9);

        const bool regraL1 = P.L < P.L1; // the cone rule: a baffle shorter than L1 lets light in
        qInfo("%s: L = %.2f, L1 = %.2f, regra de L1: %s; exata: %s (folga %.3f mm)",
              QTest::currentDataTag(), P.L, P.L1, regraL1 ? "atinge" : "bloqueada",
              luz.atinge ? "atinge" : "bloqueada", luz.folga);
    }

    // Closed forms: without a baffle the best ray crosses the field's centre (clearance i/2);
    // two stops alone: the axis (clearance the smaller radius); stops on one straight cone
    // count only through its ends; a holder wider than what the rim and the field allow blocks.
    void luzFormas_data() {
        QTest::addColumn<QList<double>>("planos"); // x, raio, externa (0/1) per plane
        QTest::addColumn<double>("folga");
        QTest::newRow("campo e suporte") << QList<double>{150, 10, 0, -600, 30, 1} << 10.0;
        QTest::newRow("duas aberturas") << QList<double>{0, 1, 0, 10, 3, 0} << 1.0;
        QTest::newRow("uma so abertura") << QList<double>{5, 2, 0} << 2.0;
        // Field ±10 at 100, rim ±20 at −100, holder 30 at −200: the ray through (100, −10 + t)
        // and (−100, 20 − t) reaches −200 at 35 − 2·t ≥ 30 + t, so t = 5/3.
        QTest::newRow("aro e suporte")
            << QList<double>{100, 10, 0, -100, 20, 0, -200, 30, 1} << 5.0 / 3;
        QList<double> cone{100, 10, 0, -100, 20, 0, -200, 30, 1};
        for (int k = 1; k < 200;
             ++k) { // 199 stops on the straight cone from (−100, 20) to (100, 10)
            const double x = -100 + k;
            cone << x << 20 - (x + 100) / 20 << 0;
        }
        QTest::newRow("cone de glares") << cone << 5.0 / 3;
        QTest::newRow("bloqueado")
            << QList<double>{100, 10, 0, -100, 20, 0, -200, 40, 1} << -5.0 / 3;
    }
    void luzFormas() {
        QFETCH(QList<double>, planos);
        QFETCH(double, folga);
        std::vector<AberturaLuz> a;
        for (int k = 0; k + 2 < planos.size(); k += 3)
            a.push_back({planos[k], planos[k + 1], planos[k + 2] != 0});
        const LuzDireta luz = VerificarLuzDireta(a);
        QVERIFY2(std::fabs(luz.folga - folga) < 1e-9, qPrintable(QString::number(luz.folga)));
        QCOMPARE(luz.atinge, folga > 0);
        for (const AberturaLuz& p : a) { // the ray keeps the clearance at every plane
            const double y = luz.altura + luz.inclinacao * p.x;
            const double f = p.externa ? y - p.raio : p.raio - std::fabs(y);
            QVERIFY(f >= luz.folga - 1e-9);
        }
    }

    // A design without a baffle draws no tube, no stops and no tube length; its fans reach the
    // image plane and start on the primary's conic.
    void semDefletor() {
        const TProjeto P = Projeto5(200, 4, 4, 200, 20);
        const DadosDesenho D = CalcularDesenho(P, VarianteRitcheyChretien, 0, ',', '.');
        QVERIFY(D.valido());
        QVERIFY(!D.defletor);
        QVERIFY(D.tubo.empty() && D.glares.empty() && D.suporte.empty());
        QCOMPARE(D.cotas.size(), std::size_t(4)); // d, e, p' and the hole
        QCOMPARE(D.furoVidro, D.furo);
        QVERIFY(D.luz.atinge);
        QVERIFY(std::fabs(D.luz.folga - P.i / 2) < 1e-9);
        QCOMPARE(D.veredito, QString::fromUtf8("Luz direta atinge o campo"));
        QCOMPARE(D.espessura, 200.0 / 6);
        int leque = 0;
        for (const RaioDesenho& r : D.raios) {
            if (r.tipo == TipoRaio::LuzDireta) continue;
            ++leque;
            QVERIFY(!r.bloqueado);
            QCOMPARE(r.pontos.size(), std::size_t(4));
            QVERIFY(std::fabs(r.pontos[3].x() - P.e) < 1e-9);
            QVERIFY(std::fabs(std::fabs(r.pontos[1].y()) - 100) < 1e-6);
            QVERIFY(std::fabs(r.pontos[1].x() + Sag(P.r1, D.b1, 100)) < 1e-9);
        }
        QCOMPARE(leque, 4);
    }

    // With a baffle: both walls from −L to Z1, one ring per stop on each side, the tube length
    // dimension; a holder wider than the primary stops every fan ray on its front face.
    void comDefletor() {
        TProjeto P = Projeto5(200, 4, 4, 200, 20);
        Defletor(P, 40, 44, 400, 4, 60);
        DadosDesenho D = CalcularDesenho(P, VarianteRitcheyChretien, 25, ',', '.');
        QVERIFY(D.defletor);
        QCOMPARE(D.espessura, 25.0);
        QCOMPARE(D.tubo.size(), std::size_t(2));
        const double L = (40.0 * 600 + 40.0 * 200 - P.D2 * 200 - 600.0 * 20) / (P.D2 - 20);
        QVERIFY(std::fabs(D.tubo[0].left() + L) < 1e-9);
        QVERIFY(std::fabs(D.tubo[0].right() - (400 - L)) < 1e-9);
        QCOMPARE(D.glares.size(), std::size_t(8));
        QCOMPARE(D.cotas.size(), std::size_t(5));
        QVERIFY(D.furoVidro >= 44); // the tube passes through the glass
        for (const RaioDesenho& r : D.raios)
            if (r.tipo != TipoRaio::LuzDireta) QVERIFY(!r.bloqueado);

        P.SSDe = 240;
        D = CalcularDesenho(P, VarianteRitcheyChretien, 0, ',', '.');
        const double t2 = std::max(P.D2 / 6, 1.5 * Sag(P.r2, D.b2, P.D2 / 2));
        for (const RaioDesenho& r : D.raios) {
            if (r.tipo == TipoRaio::LuzDireta) continue;
            QVERIFY(r.bloqueado);
            QVERIFY(std::fabs(r.pontos.back().x() + (P.d + t2 + 120)) < 1e-9);
        }
    }

    // Designs that cannot be drawn give nothing to draw and say why; a design that cannot be
    // built says it with the main window's warnings ("avisos": every one of them, in order).
    void degenerados_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("fD1");
        QTest::addColumn<double>("gamma");
        QTest::addColumn<double>("e");
        QTest::addColumn<double>("i");
        QTest::addColumn<QString>("mensagem");
        const QString nulas = QString::fromUtf8(Recursos::DesenhoEntradasNulas);
        const QString avisos = QStringLiteral("avisos");
        const QString gama = QString::fromUtf8(Recursos::DesenhoIrrealizavel)
                                 .arg(QString::fromUtf8(Recursos::AvisoGamma));
        QTest::newRow("vazio") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << nulas;
        QTest::newRow("D1 = 0") << 0.0 << 4.0 << 4.0 << 200.0 << 20.0 << avisos;
        QTest::newRow("i = 0") << 200.0 << 4.0 << 4.0 << 200.0 << 0.0 << nulas;
        QTest::newRow("e = 0") << 200.0 << 4.0 << 4.0 << 0.0 << 20.0 << avisos;
        QTest::newRow("gama = 1") << 200.0 << 4.0 << 1.0 << 200.0 << 20.0 << gama;
        QTest::newRow("gama = 0,5") << 200.0 << 4.0 << 0.5 << 200.0 << 20.0 << gama;
        QTest::newRow("foco além do secundário") << 200.0 << 4.0 << 4.0 << 5000.0 << 20.0 << avisos;
        QTest::newRow("secundário maior que o primário")
            << 200.0 << 4.0 << 4.0 << 200.0 << 1000.0 << avisos;
        QTest::newRow("NaN") << qQNaN() << 4.0 << 4.0 << 200.0 << 20.0
                             << QString::fromUtf8(Recursos::DesenhoNaoFinito);
    }
    void degenerados() {
        QFETCH(double, D1);
        QFETCH(double, fD1);
        QFETCH(double, gamma);
        QFETCH(double, e);
        QFETCH(double, i);
        QFETCH(QString, mensagem);
        TProjeto P = Projeto5(D1, fD1, gamma, e, i);
        Defletor(P, 40, 44, 400, 4, 60);
        if (mensagem == QLatin1String("avisos")) {
            const QStringList avisos = AvisosProjeto(P);
            QVERIFY(!avisos.isEmpty());
            mensagem = QString::fromUtf8(Recursos::DesenhoIrrealizavel).arg(avisos.join(u'\n'));
        }
        const DadosDesenho D = CalcularDesenho(P, VarianteRitcheyChretien, 0, ',', '.');
        QVERIFY(!D.valido());
        QCOMPARE(D.mensagem, mensagem);
        QVERIFY(D.primario.empty() && D.secundario.empty() && D.raios.empty() && D.cotas.empty() &&
                D.tubo.empty());
    }
};

QTEST_GUILESS_MAIN(TestDesenho)
#include "test_desenho.moc"
