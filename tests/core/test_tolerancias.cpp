// Checks the posed ray trace and the tolerances against identities and closed forms: a null pose,
// a turn about the axis, a tilted flat's mirror image, the two-mirror imaging equation, linear
// decentring coma and the coma-free points of the classical and Dall-Kirkham forms.
#include "Calculo.h"
#include "Global.h"
#include "PoseEspelho.h"
#include "ProjetoJson.h"
#include "Tolerancias.h"

#include <QJsonArray>
#include <QtTest>
#include <cmath>
#include <cstring>

namespace {
TProjeto Projeto5(double D1, double fD1, double gamma, double e, double i) {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = D1;
    p.fD1 = fD1;
    p.gamma = gamma;
    p.e = e;
    p.i = i;
    CalcularProjeto(p, QLatin1Char(','), QLatin1Char('.'));
    return p;
}

// The design's system for variant v (0 classical, 1 Dall-Kirkham, 2 Ritchey-Chrétien).
SistemaDoisEspelhos Sistema(const TProjeto& P, int v) {
    const ConicasProjeto c = ConicasVariante(P, v);
    return SistemaDoProjeto(P, c.b1, c.b2);
}

// The paraxial back focus with the secondary moved by s, written from the mirror equation
// 1/p − 1/p' = 2/r2 (convex secondary, virtual object p behind it, real image p' in front).
double ECasse(const TProjeto& P, double s) {
    const double p = P.r1 / 2 - (P.d + s);
    const double pLinha = 1 / (1 / p - 2 / P.r2);
    return pLinha - (P.d + s);
}
} // namespace

class TesteTolerancias : public QObject {
    Q_OBJECT
private slots:
    // Fault: the posed trace departs from the kernel's sequence (vertex offset, rim, reflection).
    void poseNulaIdentica() {
        const TProjeto P = Projeto5(200, 4, 4, 200, 20);
        for (int v = 0; v < 3; ++v) {
            const SistemaDoisEspelhos s = Sistema(P, v);
            PosesEspelhos nulas;
            nulas.secundario.zPivo = 123; // a pivot alone moves nothing
            for (double theta : {0.0, 0.004})
                for (double px = -99; px <= 99; px += 13.7)
                    for (double py = -99; py <= 99; py += 17.3) {
                        Raio r;
                        QVERIFY(RaioDoFeixe(s, theta, px, py, P.d, r));
                        const TracadoRaio a = TracarRaio(s, r), b = TracarRaioPosado(s, nulas, r);
                        QCOMPARE(int(a.fim), int(b.fim));
                        QCOMPARE(a.nPontos, b.nPontos);
                        QVERIFY(std::memcmp(&a.pontos, &b.pontos, sizeof a.pontos) == 0);
                        QVERIFY(std::memcmp(&a.direcao, &b.direcao, sizeof a.direcao) == 0);
                    }
        }
    }

    // Faults: the inverse motion not the inverse, the pivot applied once, a sign in one matrix.
    void giroNoEixoETrocaDeEixos() {
        const TProjeto P = Projeto5(200, 4, 4, 200, 20);
        const SistemaDoisEspelhos s = Sistema(P, 2);
        PosesEspelhos giro;
        giro.primario.giroZ = 37;
        giro.primario.zPivo = -55;
        giro.secundario.giroZ = -410;
        giro.secundario.zPivo = P.d + 300;
        PosesEspelhos ix, iy; // the same tilt about x, then about y
        ix.secundario = {7, 0, 0, P.d + 80, 0, 0};
        iy.secundario = {0, 7, 0, P.d + 80, 0, 0};
        for (double px = -90; px <= 90; px += 20)
            for (double py = -90; py <= 90; py += 20) {
                if (px * px + py * py < 30 * 30 || px * px + py * py > 95 * 95) continue;
                Raio r, rg;
                QVERIFY(RaioDoFeixe(s, 0, px, py, P.d, r));
                const Vetor3 a = TracarRaio(s, r).final(), b = TracarRaioPosado(s, giro, r).final();
                QVERIFY(std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9);
                // Turning the telescope by 90° about the axis turns a tilt about x into one about
                // y: the ray at (px, py) under x lands where the ray at (−py, px) under y lands,
                // turned back.
                QVERIFY(RaioDoFeixe(s, 0, -py, px, P.d, rg));
                const Vetor3 c = TracarRaioPosado(s, ix, r).final();
                const Vetor3 d = TracarRaioPosado(s, iy, rg).final();
                QVERIFY2(std::fabs(c.x - d.y) < 1e-9 && std::fabs(c.y + d.x) < 1e-9,
                         qPrintable(
                             QStringLiteral("%1 %2 / %3 %4").arg(c.x).arg(c.y).arg(d.x).arg(d.y)));
                QVERIFY(std::fabs(c.y - a.y) > 1e-3); // the tilt did move the image
            }
    }

    // A paraboloid and a flat tilted by α about its vertex: every ray meets the mirror image of
    // the prime focus in the tilted plane, and the axial ray leaves at 2α from the axis.
    // Faults: degrees for arcminutes, the direction not turned back, the wrong pivot.
    void planoInclinadoDesviaODobro() {
        const double f1 = 800, d = 600;
        SistemaDoisEspelhos s;
        s.primario = {0, {2 * f1, -1}, 100, 0};
        s.secundario = {d, {0, 0}, 40, 0};
        s.zImagem = -200;
        for (double alfa : {10.0, 45.0}) {
            for (int eixo = 0; eixo < 2; ++eixo) {
                PosesEspelhos p;
                (eixo == 0 ? p.secundario.inclinacaoX : p.secundario.inclinacaoY) = alfa;
                p.secundario.zPivo = d;
                const double a = alfa * Pi / (180 * 60);
                // The plane's normal and the prime focus reflected in it.
                const Vetor3 n = eixo == 0 ? Vetor3{0, -std::sin(a), std::cos(a)}
                                           : Vetor3{std::sin(a), 0, std::cos(a)};
                const Vetor3 F0{0, 0, f1}, V{0, 0, d};
                const double dist = Escalar(F0 - V, n);
                const Vetor3 imagem = Mover(F0, n, -2 * dist);
                for (double px : {0.0, 35.0, -70.0, 80.0})
                    for (double py : {0.0, 50.0, -20.0}) {
                        Raio r;
                        QVERIFY(RaioDoFeixe(s, 0, px, py, d + 10, r));
                        const TracadoRaio t = TracarRaioPosado(s, p, r);
                        QVERIFY(t.chegou());
                        // distance from the image point to the ray's last line
                        const Vetor3 w = imagem - t.final();
                        const double ao = Escalar(w, t.direcao);
                        const Vetor3 perp = Mover(w, t.direcao, -ao);
                        QVERIFY2(Norma(perp) < 1e-9, qPrintable(QString::number(Norma(perp))));
                        if (px == 0 && py == 0)
                            QVERIFY(std::fabs(std::acos(-t.direcao.z) - 2 * a) < 1e-12);
                    }
            }
        }
    }

    // A paraxial ray crosses the axis where the imaging equation with the new spacing puts the
    // focus (within 1 % of the shift), the traced best focus agrees, and the focusing rows'
    // secondary shifts reproduce their Δe. Faults: the sign of the shift, the secant's target.
    void focoDoSecundario() {
        const TProjeto P = Projeto5(200, 4, 4, 200, 20);
        const auto pupila = PupilaAnular(P.D2 / 2, P.D1 / 2);
        for (int v = 0; v < 3; ++v)
            for (double delta : {-1.0, -0.4, 0.5, 1.0}) {
                SistemaDoisEspelhos s = Sistema(P, v);
                s.secundario.zVertice += delta;
                const double eNovo = ECasse(P, delta), desvio = std::fabs(eNovo - P.e);
                Raio r;
                QVERIFY(RaioDoFeixe(s, 0, 0, 0.05, P.d + 10, r));
                const TracadoRaio t = TracarRaio(s, r);
                const double zEixo = t.final().z - t.final().y / t.direcao.y * t.direcao.z;
                QVERIFY(std::fabs(-zEixo - eNovo) < 0.01 * desvio);
                const double zTracado = FocoTracado(s, pupila, P.d + 10);
                QVERIFY2(std::fabs(-zTracado - eNovo) < 0.01 * desvio,
                         qPrintable(QStringLiteral("%1 %2 %3").arg(v).arg(-zTracado).arg(eNovo)));
            }
        const ResultadoTolerancias r = CalcularTolerancias(P, -16, 16, 3);
        QVERIFY(r.valida());
        for (const VarianteTolerancias& vt : r.variantes)
            for (const LinhaFocagem& l : vt.focagem) {
                QVERIFY(l.valida);
                QVERIFY(std::fabs(l.deslocamento) < 1.0);
                const double eNovo = ECasse(P, l.deslocamento);
                if (l.deltaE != 0)
                    QVERIFY(std::fabs(eNovo - P.e - l.deltaE) <= 0.01 * std::fabs(l.deltaE));
                else // the best focus of the residual zonal aberration, a few µm off
                    QVERIFY(std::fabs(l.deslocamento) < 1e-3 && l.strehl > 0.99);
            }
    }

    // Decentring coma grows linearly; the coma-free pivot is the classical form's prime focus
    // and the spherical secondary's centre of curvature (Wilson, Reflecting Telescope Optics I,
    // §3.7.2), the Ritchey-Chrétien's between the vertex and the prime focus. Faults: the coma
    // fitted with the wrong basis, the pivot measured from the wrong point.
    void comaEPontoNeutro() {
        const TProjeto P = Projeto5(200, 4, 4, 200, 20);
        const SistemaDoisEspelhos s = Sistema(P, 2);
        for (int tipo = 0; tipo < 2; ++tipo) {
            auto coma = [&](double x) {
                PosesEspelhos p;
                p.secundario.zPivo = P.d;
                (tipo == 0 ? p.secundario.dy : p.secundario.inclinacaoX) = x;
                return FrenteNoEixo(P, s, p).comaY;
            };
            const double c1 = coma(tipo == 0 ? 0.1 : 1), c2 = coma(tipo == 0 ? 0.05 : 0.5);
            QVERIFY(std::fabs(c1) > 1e-3);
            QVERIFY2(std::fabs(c1 / c2 - 2) < 0.04, qPrintable(QString::number(c1 / c2)));
        }
        const ResultadoTolerancias r = CalcularTolerancias(P, -10, 10, 2);
        QVERIFY(r.valida());
        const double p = P.r1 / 2 - P.d;
        QVERIFY2(std::fabs(r.variantes[0].colimacao.pontoNeutro / p - 1) < 0.02,
                 qPrintable(QString::number(r.variantes[0].colimacao.pontoNeutro)));
        QVERIFY(std::fabs(r.variantes[1].colimacao.pontoNeutro / P.r2 - 1) < 0.02);
        const double rc = r.variantes[2].colimacao.pontoNeutro;
        QVERIFY(rc > 0 && rc < p);
        // The JSON carries the same numbers under the design's "Tolerancias" key.
        const QJsonObject j = ProjetoJson(P)[QStringLiteral("Tolerancias")].toObject();
        const QJsonArray vj = j[QStringLiteral("variantes")].toArray();
        QCOMPARE(vj.size(), 3);
        QVERIFY(
            std::fabs(vj[1][QStringLiteral("colimacao")][QStringLiteral("pontoNeutro")].toDouble() -
                      P.r2) < 0.02 * P.r2);
        QCOMPARE(vj[2][QStringLiteral("focagem")].toArray().size(), 15);
        for (const VarianteTolerancias& vt : r.variantes) {
            const ColimacaoVariante& c = vt.colimacao;
            QVERIFY(c.valida && c.descentramento > 0 && c.inclinacao > 0);
            QVERIFY(!(c.espacamentoMenos >= 0) && c.espacamentoMais > 0);
        }
    }

    // Faults: a range read backwards or with a stray third number accepted.
    void faixaDoFoco() {
        const struct {
            const char* texto;
            bool ok;
            double a, b;
        } casos[] = {{"-50;100", true, -50, 100}, {" -2,5 ; 7 ", true, -2.5, 7},
                     {"10;5", false, 0, 0},       {"1;2;3", false, 0, 0},
                     {"a;3", false, 0, 0},        {"-1e9;1e9", false, 0, 0}};
        for (const auto& c : casos) {
            double a = 0, b = 0;
            QCOMPARE(LerFaixaFoco(QString::fromUtf8(c.texto), a, b), c.ok);
            if (c.ok) QVERIFY(a == c.a && b == c.b);
        }
    }
};

QTEST_GUILESS_MAIN(TesteTolerancias)
#include "test_tolerancias.moc"
