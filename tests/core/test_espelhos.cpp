// Checks the mirror-making data against the conic's equation, closed forms and exact traces.
#include "Calculo.h"
#include "ConfeccaoEspelhos.h"
#include "Global.h"
#include "NumeroTexto.h"

#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <cstring>

namespace {

const QChar Virgula(','), Ponto('.');

TProjeto Projeto200() {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = 200;
    p.fD1 = 4;
    p.gamma = 4;
    p.e = 200;
    p.i = 20;
    CalcularProjeto(p, Virgula, Ponto);
    return p;
}

// The conic's own equation: h² − 2Rz + (1 + b)z², scaled to the size of its terms.
double Residuo(double R, double b, double h, double z) {
    const double escala = h * h + 2 * R * std::fabs(z) + std::fabs((1 + b) * z * z);
    return escala == 0 ? 0 : (h * h - 2 * R * z + (1 + b) * z * z) / escala;
}

// An independent meridional tracer for the Hindle check: the reflected ray from the conic's
// implicit equation, the sphere by its own equation, nothing from the code under test.
struct Raio {
    double h, z, dh, dz;
};
bool CruzarConica(double R, double b, Raio& r) {
    const double k = 1 + b;
    const double A = r.dh * r.dh + k * r.dz * r.dz;
    const double B = 2 * (r.h * r.dh - R * r.dz + k * r.z * r.dz);
    const double C = r.h * r.h - 2 * R * r.z + k * r.z * r.z;
    const double disc = B * B - 4 * A * C;
    if (disc < 0) return false;
    double melhor = -1;
    for (double s : {-1.0, 1.0}) {
        const double t = (-B + s * std::sqrt(disc)) / (2 * A);
        const double z = r.z + t * r.dz;
        if (t > 1e-9 && R - k * z >= 0 && (melhor < 0 || t < melhor)) melhor = t;
    }
    if (melhor < 0) return false;
    r.h += melhor * r.dh;
    r.z += melhor * r.dz;
    // Reflect about the gradient (2h, 2kz − 2R).
    double nh = r.h, nz = k * r.z - R;
    const double n = std::hypot(nh, nz);
    nh /= n;
    nz /= n;
    const double p = 2 * (r.dh * nh + r.dz * nz);
    r.dh -= p * nh;
    r.dz -= p * nz;
    return true;
}
bool CruzarEsfera(double zc, double Rs, Raio& r) {
    const double wh = r.h, wz = r.z - zc;
    const double B = 2 * (r.dh * wh + r.dz * wz), C = wh * wh + wz * wz - Rs * Rs;
    const double disc = B * B - 4 * C; // unit direction
    if (disc < 0) return false;
    const double t = (-B + std::sqrt(disc)) / 2;
    if (!(t > 0)) return false;
    r.h += t * r.dh;
    r.z += t * r.dz;
    const double nh = wh + t * r.dh, nz = wz + t * r.dz;
    const double n = std::hypot(nh, nz);
    const double p = 2 * (r.dh * nh + r.dz * nz) / n;
    r.dh -= p * nh / n;
    r.dz -= p * nz / n;
    return true;
}

bool TextoFinito(const QString& t) {
    return !t.contains(QLatin1String("NAN")) && !t.contains(QLatin1String("INF")) &&
           !t.contains(QLatin1String("nan")) && !t.contains(QLatin1String("inf"));
}

} // namespace

class TesteEspelhos : public QObject {
    Q_OBJECT
private slots:
    void sagSatisfazEquacao_data();
    void sagSatisfazEquacao();
    void paraboloideFonteMovel_data();
    void paraboloideFonteMovel();
    void fonteMovelENormal_data();
    void fonteMovelENormal();
    void fonteFixaLeiDaReflexao_data();
    void fonteFixaLeiDaReflexao();
    void esferaDaZeros_data();
    void esferaDaZeros();
    void melhorEsferaParaboloide_data();
    void melhorEsferaParaboloide();
    void melhorEsferaForcaBruta_data();
    void melhorEsferaForcaBruta();
    void zonasDeAreaIgual_data();
    void zonasDeAreaIgual();
    void focosHiperboloide_data();
    void focosHiperboloide();
    void hindleRetornaAoFoco_data();
    void hindleRetornaAoFoco();
    void testeDoSecundarioPorForma_data();
    void testeDoSecundarioPorForma();
    void entradasDegeneradas_data();
    void entradasDegeneradas();
    void textosDoProjeto200();
    void ondasEZonasNosLimites();
    void numeroTresCasas_data();
    void numeroTresCasas();
};

void TesteEspelhos::sagSatisfazEquacao_data() {
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("H");
    QTest::newRow("esfera") << 1600.0 << 0.0 << 100.0;
    QTest::newRow("paraboloide") << 1600.0 << -1.0 << 100.0;
    QTest::newRow("primario RC") << 1600.0 << -1.0416666666666667 << 100.0;
    QTest::newRow("primario DK") << 1600.0 << -0.70703125 << 100.0;
    QTest::newRow("secundario RC") << 533.3333333333334 << -3.1728395061728394 << 26.875;
    QTest::newRow("oblato") << 300.0 << 2.5 << 150.0;
    QTest::newRow("rapido f/1") << 400.0 << -1.0 << 100.0;
}

void TesteEspelhos::sagSatisfazEquacao() {
    QFETCH(double, R);
    QFETCH(double, b);
    QFETCH(double, H);
    for (int k = 1; k <= 10; ++k) {
        const double h = H * k / 10;
        double z = -1;
        QVERIFY(FlechaConica({R, b}, h, z));
        QVERIFY2(std::fabs(Residuo(R, b, h, z)) < 1e-14, qPrintable(QString::number(h)));
        // The sheet through the vertex: between the vertex and the centre of curvature side.
        QVERIFY(z > 0);
        QVERIFY(R - (1 + b) * z >= 0);
        // The paraxial sag h²/2R is the first term; the conic adds (1 + b)·h⁴/(8R³) next
        // (checked where the series converges fast).
        if (std::fabs(1 + b) * h * h / (R * R) > 0.1) continue;
        const double quarta = (1 + b) * std::pow(h, 4) / (8 * std::pow(R, 3));
        QVERIFY(std::fabs(z - h * h / (2 * R) - quarta) <=
                std::fabs(1.5 * (1 + b) * (1 + b) * std::pow(h, 6) / (16 * std::pow(R, 5))) +
                    1e-12);
    }
}

void TesteEspelhos::paraboloideFonteMovel_data() {
    QTest::addColumn<double>("D");
    QTest::addColumn<int>("zonas");
    QTest::newRow("D150 f/8 5 zonas") << 150.0 << 5;
    QTest::newRow("D200 f/8 3 zonas") << 200.0 << 3;
    QTest::newRow("D300 f/8 12 zonas") << 300.0 << 12;
}

void TesteEspelhos::paraboloideFonteMovel() {
    QFETCH(double, D);
    QFETCH(int, zonas);
    const double r1 = 2 * 8 * D; // f/8
    std::vector<ZonaCouder> z;
    QVERIFY(ZonasCouder({r1, -1}, D / 2, zonas, z));
    QCOMPARE(int(z.size()), zonas);
    for (const ZonaCouder& zona : z) {
        const double hm = zona.medio;
        double sag = 0;
        QVERIFY(FlechaConica({r1, -1}, hm, sag));
        QCOMPARE(zona.fonteMovel, sag);
        QVERIFY(std::fabs(zona.fonteMovel / (hm * hm / (2 * r1)) - 1) < 1e-3);
        QVERIFY(std::fabs(zona.fonteFixa / (hm * hm / r1) - 1) < 5e-3);
    }
}

void TesteEspelhos::fonteMovelENormal_data() {
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("b");
    QTest::newRow("RC") << 1600.0 << -1.0416666666666667;
    QTest::newRow("DK") << 1600.0 << -0.70703125;
    QTest::newRow("hiperboloide forte") << 800.0 << -4.0;
    QTest::newRow("oblato") << 800.0 << 0.8;
}

// The moving-source reading is where the normal meets the axis: z + h / z'(h), with the slope
// taken by central differences of the sag.
void TesteEspelhos::fonteMovelENormal() {
    QFETCH(double, R);
    QFETCH(double, b);
    for (double h : {10.0, 35.0, 60.0, 95.0}) {
        double z = 0, za = 0, zb = 0, leitura = 0;
        const double passo = 1e-4;
        QVERIFY(FlechaConica({R, b}, h, z) && FlechaConica({R, b}, h - passo, za) &&
                FlechaConica({R, b}, h + passo, zb));
        const double inclinacao = (zb - za) / (2 * passo);
        QVERIFY(LeituraFonteMovel({R, b}, h, leitura));
        QVERIFY2(std::fabs(leitura - (z + h / inclinacao - R)) < 1e-6,
                 qPrintable(QString::number(leitura)));
    }
}

void TesteEspelhos::fonteFixaLeiDaReflexao_data() {
    fonteMovelENormal_data();
}

// The fixed-source reading X on the axis must make the normal bisect the directions from the
// mirror point towards the source (0, R) and towards X.
void TesteEspelhos::fonteFixaLeiDaReflexao() {
    QFETCH(double, R);
    QFETCH(double, b);
    for (double h : {10.0, 35.0, 60.0, 95.0}) {
        double z = 0, leitura = 0;
        QVERIFY(FlechaConica({R, b}, h, z));
        QVERIFY(LeituraFonteFixa({R, b}, h, leitura));
        const double sh = -h, sz = R - z, xh = -h, xz = R + leitura - z;
        const double ns = std::hypot(sh, sz), nx = std::hypot(xh, xz);
        const double bh = sh / ns + xh / nx, bz = sz / ns + xz / nx;
        const double nh = h, nz = (1 + b) * z - R; // gradient of the conic
        QVERIFY(std::fabs(bh * nz - bz * nh) / (std::hypot(bh, bz) * std::hypot(nh, nz)) < 1e-12);
    }
}

void TesteEspelhos::esferaDaZeros_data() {
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("D");
    QTest::newRow("f/8") << 3200.0 << 200.0;
    QTest::newRow("f/4") << 1600.0 << 200.0;
    QTest::newRow("f/2") << 400.0 << 100.0;
}

void TesteEspelhos::esferaDaZeros() {
    QFETCH(double, R);
    QFETCH(double, D);
    std::vector<ZonaCouder> z;
    QVERIFY(ZonasCouder({R, 0}, D / 2, 12, z));
    for (const ZonaCouder& zona : z) {
        QCOMPARE(zona.fonteMovel, 0.0);
        QVERIFY(std::fabs(zona.fonteFixa) < 1e-9);
    }
    const EsferaAjuste ajuste = MelhorEsfera({R, 0}, D / 2);
    QVERIFY(ajuste.picoVale < 1e-12);
    QVERIFY(std::fabs(ajuste.raio / R - 1) < 1e-6);
}

void TesteEspelhos::melhorEsferaParaboloide_data() {
    QTest::addColumn<double>("D");
    QTest::newRow("D100") << 100.0;
    QTest::newRow("D200") << 200.0;
    QTest::newRow("D400") << 400.0;
}

void TesteEspelhos::melhorEsferaParaboloide() {
    QFETCH(double, D);
    const double r1 = 2 * 8 * D, H = D / 2;
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    p.D1 = D;
    p.r1 = r1;
    p.D2 = D / 4;
    p.r2 = r1 / 3;
    p.gamma = 3;
    const DadosEspelhos dados = CalcularEspelhos(p, VarianteClassico, 5, 0);
    QVERIFY(dados.primario.valido);
    QCOMPARE(dados.primario.conica.b, -1.0);
    const Desvios& d = dados.primario.desvios;
    const double esperado = std::pow(H, 4) / (32 * std::pow(r1, 3));
    QVERIFY2(std::fabs(d.melhorEsfera.picoVale / esperado - 1) < 0.01,
             qPrintable(QString::number(d.melhorEsfera.picoVale / esperado)));
    // The vertex sphere: R − √(R² − H²) against H²/2R.
    const double vertice = H * H / (2 * r1) - (r1 - std::sqrt(r1 * r1 - H * H));
    QVERIFY(std::fabs(d.desvioVertice / vertice - 1) < 1e-9);
    QVERIFY(std::fabs(d.melhorEsfera.picoVale / std::fabs(d.desvioVertice) - 0.25) < 0.0025);
}

void TesteEspelhos::melhorEsferaForcaBruta_data() {
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("H");
    QTest::newRow("paraboloide f/4") << 1600.0 << -1.0 << 100.0;
    QTest::newRow("primario RC") << 1600.0 << -1.0416666666666667 << 100.0;
    QTest::newRow("secundario RC") << 533.3333333333334 << -3.1728395061728394 << 26.875;
    QTest::newRow("elipsoide rapido") << 300.0 << -0.5 << 75.0;
}

// A grid over the radius and the axial position, with no help from the algorithm: no sphere on
// it beats the one found, and the one found is no worse than the best of the grid.
void TesteEspelhos::melhorEsferaForcaBruta() {
    QFETCH(double, R);
    QFETCH(double, b);
    QFETCH(double, H);
    const EsferaAjuste ajuste = MelhorEsfera({R, b}, H);
    constexpr int NH = 301;
    double zc[NH];
    for (int k = 0; k < NH; ++k)
        FlechaConica({R, b}, H * k / (NH - 1), zc[k]);
    // The vertex sphere differs by about |b|·H⁴/8R³; radii within ±(that bound) of the
    // curvature change it implies, positions within ± that departure.
    const double escala = std::fabs(b) * std::pow(H, 4) / (8 * std::pow(R, 3)) + 1e-9;
    const double dk = 4 * escala / (H * H);
    // Two passes: the whole box, then a box of four steps around the best point of the first.
    double melhor = 1e300, melhorK = 1 / R, melhorC = 0;
    double k0 = 1 / R - dk, k1 = 1 / R + dk, c0 = -2 * escala, c1 = 2 * escala;
    constexpr int NR = 161, NC = 161;
    for (int passo = 0; passo < 2; ++passo) {
        const double pk = (k1 - k0) / (NR - 1), pc = (c1 - c0) / (NC - 1);
        for (int i = 0; i < NR; ++i) {
            const double k = k0 + pk * i;
            double ze[NH];
            for (int m = 0; m < NH; ++m)
                FlechaConica({1 / k, 0}, H * m / (NH - 1), ze[m]);
            for (int j = 0; j < NC; ++j) {
                const double c = c0 + pc * j;
                double maximo = 0;
                for (int m = 0; m < NH; ++m)
                    maximo = std::max(maximo, std::fabs(zc[m] - ze[m] - c));
                if (maximo < melhor) {
                    melhor = maximo;
                    melhorK = k;
                    melhorC = c;
                }
            }
        }
        k0 = melhorK - 2 * pk;
        k1 = melhorK + 2 * pk;
        c0 = melhorC - 2 * pc;
        c1 = melhorC + 2 * pc;
    }
    const double melhorRaio = 1 / melhorK;
    const double encontrado = ajuste.picoVale / 2; // the largest axial difference
    QVERIFY2(encontrado <= melhor * (1 + 1e-6),
             qPrintable(QStringLiteral("%1 > %2").arg(encontrado).arg(melhor)));
    QVERIFY2(melhor <= encontrado * 1.005 + 1e-12,
             qPrintable(QStringLiteral("%1 vs %2").arg(melhor).arg(encontrado)));
    QVERIFY(std::fabs(melhorRaio / ajuste.raio - 1) < 1e-3);
}

void TesteEspelhos::zonasDeAreaIgual_data() {
    QTest::addColumn<int>("n");
    for (int n : {3, 5, 8, 12})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TesteEspelhos::zonasDeAreaIgual() {
    QFETCH(int, n);
    const double H = 100;
    std::vector<ZonaCouder> z;
    QVERIFY(ZonasCouder({1600, -1}, H, n, z));
    QCOMPARE(z.front().interno, 0.0);
    QCOMPARE(z.back().externo, H);
    for (int k = 0; k < n; ++k) {
        QCOMPARE(z[k].numero, k + 1);
        const double area = Pi * (z[k].externo * z[k].externo - z[k].interno * z[k].interno);
        QVERIFY(std::fabs(area / (Pi * H * H / n) - 1) < 1e-12);
        QCOMPARE(z[k].medio, (z[k].interno + z[k].externo) / 2);
        if (k > 0) QCOMPARE(z[k].interno, z[k - 1].externo);
    }
}

void TesteEspelhos::focosHiperboloide_data() {
    QTest::addColumn<int>("variante");
    QTest::addColumn<double>("b");
    QTest::newRow("classico") << int(VarianteClassico) << -25.0 / 9;
    QTest::newRow("RC") << int(VarianteRitcheyChretien) << -3.1728395061728394;
}

void TesteEspelhos::focosHiperboloide() {
    QFETCH(int, variante);
    QFETCH(double, b);
    const TProjeto p = Projeto200();
    const DadosEspelhos d = CalcularEspelhos(p, variante, 5, 0);
    const EspelhoSecundario& s = d.secundario;
    QVERIFY(s.valido);
    QCOMPARE(s.teste, TesteNulo::Hindle);
    QVERIFY(std::fabs(s.conica.b - b) < 1e-12);
    const double R = p.r2;
    QVERIFY(std::fabs(s.foco1 - R / (1 + std::sqrt(-b))) < 1e-9);
    QVERIFY(std::fabs(s.foco2 - R / (1 - std::sqrt(-b))) < 1e-9);
    QCOMPARE(s.hindle.focoVirtual, s.foco1);
    QCOMPARE(s.hindle.focoReal, s.foco2);
    // The classical secondary images the primary's focus (p behind it) at the system focus
    // (p' in front of it).
    if (variante == VarianteClassico) {
        QVERIFY(std::fabs(s.foco1 - p.p) < 1e-9);
        QVERIFY(std::fabs(s.foco2 + p.pLinha) < 1e-9);
    }
    // Each focus is at distance R/(1 ± e) on the axis of h² − 2Rz + (1+b)z² = 0: the focal
    // distance property |PF1 − PF2| = 2a holds for every point of the sheet.
    const double k = 1 + b, a = R / std::fabs(k);
    for (double h : {5.0, 15.0, 26.875}) {
        double z = 0;
        QVERIFY(FlechaConica({R, b}, h, z));
        const double d1 = std::hypot(h, z - s.foco1), d2 = std::hypot(h, z - s.foco2);
        QVERIFY(std::fabs(std::fabs(d1 - d2) - 2 * a) < 1e-9);
    }
}

void TesteEspelhos::hindleRetornaAoFoco_data() {
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("distancia");
    QTest::newRow("RC, a mais curta") << 533.3333333333334 << -3.1728395061728394 << 26.875 << 0.0;
    QTest::newRow("RC, 300 mm") << 533.3333333333334 << -3.1728395061728394 << 26.875 << 300.0;
    QTest::newRow("classico, a mais curta") << 533.3333333333334 << -25.0 / 9 << 26.875 << 0.0;
    QTest::newRow("classico, 700 mm") << 533.3333333333334 << -25.0 / 9 << 26.875 << 700.0;
    QTest::newRow("forte, 150 mm") << 200.0 << -9.0 << 40.0 << 150.0;
}

// Every ray from the real focus comes back to it, traced here with the test's own tracer.
void TesteEspelhos::hindleRetornaAoFoco() {
    QFETCH(double, R);
    QFETCH(double, b);
    QFETCH(double, H);
    QFETCH(double, distancia);
    const double e = std::sqrt(-b);
    EspelhoSecundario s;
    MontagemHindle m;
    // The set-up as the program computes it for a record whose secondary is this conic.
    {
        TProjeto q;
        std::memset(&q, 0, sizeof q);
        q.r2 = R;
        q.D2 = 2 * H;
        q.r1 = 1600;
        q.D1 = 200;
        // gamma chosen so that the classical secondary's conic is b: ((g+1)/(g−1))² = −b.
        q.gamma = (e + 1) / (e - 1);
        const DadosEspelhos d = CalcularEspelhos(q, VarianteClassico, 5, distancia);
        QVERIFY(d.secundario.hindleValido);
        QVERIFY(std::fabs(d.secundario.conica.b - b) < 1e-12);
        m = d.secundario.hindle;
        s = d.secundario;
    }
    if (distancia > 0) QCOMPARE(m.distancia, distancia);
    QVERIFY(m.raioEsfera > std::hypot(H, m.focoVirtual - s.desvios.flechaExata));
    double maiorAltura = 0;
    for (int k = 0; k <= 100; ++k) {
        const double h = H * k / 100;
        double z = 0;
        QVERIFY(FlechaConica({R, b}, h, z));
        const double dh = h, dz = z - m.focoReal, n = std::hypot(dh, dz);
        Raio r{0, m.focoReal, dh / n, dz / n};
        QVERIFY(CruzarConica(R, b, r));
        QVERIFY(std::fabs(r.h - h) < 1e-9);
        QVERIFY(CruzarEsfera(m.focoVirtual, m.raioEsfera, r));
        maiorAltura = std::max(maiorAltura, std::fabs(r.h));
        QVERIFY(CruzarConica(R, b, r));
        // Distance of the returning line from the real focus.
        const double wh = -r.h, wz = m.focoReal - r.z;
        const double erro = std::fabs(wh * r.dz - wz * r.dh);
        QVERIFY2(erro < 1e-9, qPrintable(QStringLiteral("h=%1 erro=%2").arg(h).arg(erro)));
        // The program's own trace agrees.
        RaioHindle raio;
        QVERIFY(TracarHindle({R, b}, m, h, raio));
        QVERIFY(raio.erro < 1e-9);
    }
    // The sphere's diameter is the span of the returned light.
    QVERIFY(std::fabs(m.diametroEsfera - 2 * maiorAltura) < 1e-9);
    // Below the real focus the source's beam crosses the sphere: the hole is where the ray to
    // the edge crosses it, and the lost zone of the secondary returns onto the hole's rim.
    const bool fonteFora = m.distancia < -m.focoReal;
    QCOMPARE(m.furo > 0, fonteFora);
    QCOMPARE(m.zonaPerdida > 0, fonteFora);
    if (fonteFora) {
        double zb = 0, zp = 0;
        FlechaConica({R, b}, H, zb);
        // The ray from the real focus to the edge, at the sphere: |P − V| = Rs.
        const double dh = H, dz = zb - m.focoReal;
        double a = 0, c = 1;
        for (int k = 0; k < 200; ++k) {
            const double t = (a + c) / 2;
            (std::hypot(t * dh, m.focoReal + t * dz - m.focoVirtual) > m.raioEsfera ? a : c) = t;
        }
        QVERIFY(std::fabs(m.furo - 2 * a * dh) < 1e-6);
        const double h = m.zonaPerdida / 2;
        FlechaConica({R, b}, h, zp);
        const double n = std::hypot(h, zp - m.focoReal);
        Raio r{0, m.focoReal, h / n, (zp - m.focoReal) / n};
        QVERIFY(CruzarConica(R, b, r) && CruzarEsfera(m.focoVirtual, m.raioEsfera, r));
        QVERIFY(std::fabs(std::fabs(r.h) - m.furo / 2) < 1e-6);
    }
    // The default distance: the real focus, up to the next whole millimetre.
    if (distancia == 0) {
        QCOMPARE(m.distancia, std::ceil(-m.focoReal));
        QCOMPARE(m.raioEsfera, m.distancia + m.focoVirtual);
    }
}

void TesteEspelhos::testeDoSecundarioPorForma_data() {
    QTest::addColumn<int>("variante");
    QTest::addColumn<double>("gamma");
    QTest::addColumn<int>("teste");
    QTest::newRow("DK: esfera") << int(VarianteDallKirkham) << 4.0
                                << int(TesteNulo::CentroCurvatura);
    QTest::newRow("classico: hiperboloide")
        << int(VarianteClassico) << 4.0 << int(TesteNulo::Hindle);
    QTest::newRow("RC: hiperboloide")
        << int(VarianteRitcheyChretien) << 4.0 << int(TesteNulo::Hindle);
    // γ = −0,2 makes the classical secondary's conic −(0,8/1,2)²: a prolate ellipsoid.
    QTest::newRow("classico: elipsoide") << int(VarianteClassico) << -0.2 << int(TesteNulo::Focos);
}

void TesteEspelhos::testeDoSecundarioPorForma() {
    QFETCH(int, variante);
    QFETCH(double, gamma);
    QFETCH(int, teste);
    TProjeto p = Projeto200();
    p.gamma = gamma;
    const DadosEspelhos d = CalcularEspelhos(p, variante, 5, 0);
    QVERIFY(d.secundario.valido);
    QCOMPARE(int(d.secundario.teste), teste);
    const TextosEspelhos t = TextosDosEspelhos(d, Virgula, Ponto);
    QVERIFY(!t.testeSecundario.isEmpty());
    if (teste == int(TesteNulo::CentroCurvatura)) {
        QCOMPARE(d.secundario.foco1, p.r2);
        QVERIFY(t.testeSecundario.contains(QStringLiteral("533,33")));
        QVERIFY(t.montagem.empty());
    } else if (teste == int(TesteNulo::Focos)) {
        // Both foci real, behind the vertex, at R/(1 ± e).
        const double e = std::sqrt(-d.secundario.conica.b);
        QVERIFY(e < 1);
        QVERIFY(std::fabs(d.secundario.foco1 - p.r2 / (1 + e)) < 1e-9);
        QVERIFY(std::fabs(d.secundario.foco2 - p.r2 / (1 - e)) < 1e-9);
        QVERIFY(d.secundario.foco1 > 0 && d.secundario.foco2 > d.secundario.foco1);
        QVERIFY(t.montagem.empty());
        QVERIFY(t.testeSecundario.contains(NumeroTexto(d.secundario.foco2, Virgula, Ponto)));
    } else {
        QCOMPARE(int(t.montagem.size()), 7);
    }
}

void TesteEspelhos::entradasDegeneradas_data() {
    QTest::addColumn<double>("D1");
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("D2");
    QTest::addColumn<double>("r2");
    QTest::addColumn<bool>("primarioValido");
    QTest::addColumn<bool>("secundarioValido");
    const double nan = std::nan(""), inf = HUGE_VAL;
    QTest::newRow("vazio") << 0.0 << 0.0 << 0.0 << 0.0 << false << false;
    QTest::newRow("r1 nulo") << 200.0 << 0.0 << 50.0 << 500.0 << false << true;
    QTest::newRow("D2 nulo") << 200.0 << 1600.0 << 0.0 << 500.0 << true << false;
    QTest::newRow("r2 negativo") << 200.0 << 1600.0 << 50.0 << -500.0 << true << false;
    QTest::newRow("NaN") << nan << 1600.0 << 50.0 << nan << false << false;
    QTest::newRow("infinito") << inf << 1600.0 << inf << 500.0 << false << false;
    QTest::newRow("abertura maior que o raio") << 200.0 << 80.0 << 50.0 << 500.0 << false << true;
}

void TesteEspelhos::entradasDegeneradas() {
    QFETCH(double, D1);
    QFETCH(double, r1);
    QFETCH(double, D2);
    QFETCH(double, r2);
    QFETCH(bool, primarioValido);
    QFETCH(bool, secundarioValido);
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    p.D1 = D1;
    p.r1 = r1;
    p.D2 = D2;
    p.r2 = r2;
    p.gamma = 4;
    p.d = 600;
    p.p = 200;
    for (int variante = 0; variante < 3; ++variante) {
        const DadosEspelhos d = CalcularEspelhos(p, variante, 5, 0);
        QCOMPARE(d.primario.valido, primarioValido);
        QCOMPARE(d.secundario.valido, secundarioValido);
        QCOMPARE(d.primario.mensagem.isEmpty(), primarioValido);
        QCOMPARE(d.secundario.mensagem.isEmpty(), secundarioValido);
        const TextosEspelhos t = TextosDosEspelhos(d, Virgula, Ponto);
        QCOMPARE(t.mensagemPrimario.isEmpty(), primarioValido);
        QStringList todos{t.mensagemPrimario, t.mensagemSecundario, t.testeSecundario};
        for (const auto& z : t.zonas)
            for (const QString& c : z)
                todos << c;
        for (const auto& l : t.primario)
            todos << l.valor;
        for (const auto& l : t.secundario)
            todos << l.valor;
        for (const auto& l : t.montagem)
            todos << l.valor;
        for (const QString& texto : todos)
            QVERIFY2(TextoFinito(texto), qPrintable(texto));
        if (!primarioValido) QVERIFY(t.zonas.empty() && t.primario.empty());
    }
}

void TesteEspelhos::textosDoProjeto200() {
    const TProjeto p = Projeto200();
    const DadosEspelhos d = CalcularEspelhos(p, VarianteRitcheyChretien, 5, 0);
    const TextosEspelhos t = TextosDosEspelhos(d, Virgula, Ponto);
    QVERIFY(t.mensagemPrimario.isEmpty() && t.mensagemSecundario.isEmpty());
    QCOMPARE(int(t.zonas.size()), 5);
    const QRegularExpression tres(QStringLiteral("^-?\\d+,\\d{3}$"));
    const QRegularExpression dois(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d{2}$"));
    for (const auto& z : t.zonas) {
        for (int c = 1; c <= 3; ++c)
            QVERIFY2(dois.match(z[c]).hasMatch(), qPrintable(z[c]));
        for (int c = 4; c <= 5; ++c)
            QVERIFY2(tres.match(z[c]).hasMatch(), qPrintable(z[c]));
    }
    // Zone 5 spans √(4/5)·100 to 100; the moving-source reading is −b·z(hm).
    QCOMPARE(t.zonas[4][1], QStringLiteral("89,44"));
    QCOMPARE(t.zonas[4][2], QStringLiteral("100,00"));
    const double hm = (100 * std::sqrt(0.8) + 100) / 2, b = -(2 * 200 / (16 * 600.0) + 1);
    const double z = hm * hm / (1600 * (1 + std::sqrt(1 - (1 + b) * hm * hm / (1600.0 * 1600))));
    QCOMPARE(t.zonas[4][4], NumeroTextoCasas(-b * z, 3, Virgula, Ponto));
    QCOMPARE(int(t.primario.size()), 10);
    QCOMPARE(t.primario[0].valor, QStringLiteral("1.600,00"));
    QCOMPARE(t.primario[1].valor, QStringLiteral("-1,042"));
    QCOMPARE(t.primario[2].valor, QStringLiteral("3,125"));
    QCOMPARE(t.secundario[1].valor, QStringLiteral("-3,173"));
    QCOMPARE(int(t.montagem.size()), 7);
}

// The P-V rows in waves are the P-V in µm over the wavelength in µm (He-Ne 0,6328, green
// 0,55), for both mirrors; the Couder zone count is held to 3...12 (0 asked gives 3, 20 gives 12).
void TesteEspelhos::ondasEZonasNosLimites() {
    const TProjeto p = Projeto200();
    const DadosEspelhos d = CalcularEspelhos(p, VarianteRitcheyChretien, 5, 0);
    const TextosEspelhos t = TextosDosEspelhos(d, Virgula, Ponto);
    const std::pair<const std::vector<LinhaResultado>*, double> espelhos[] = {
        {&t.primario, d.primario.desvios.melhorEsfera.picoVale},
        {&t.secundario, d.secundario.desvios.melhorEsfera.picoVale}};
    for (const auto& [linhas, pvMm] : espelhos) {
        QVERIFY(pvMm > 1e-6); // a departure worth a fraction of a wave at least
        QCOMPARE(linhas->at(7).valor, NumeroTexto(pvMm * 1000, Virgula, Ponto));
        QCOMPARE(linhas->at(8).valor, NumeroTexto(pvMm * 1000 / 0.6328, Virgula, Ponto));
        QCOMPARE(linhas->at(9).valor, NumeroTexto(pvMm * 1000 / 0.55, Virgula, Ponto));
    }
    QCOMPARE(int(CalcularEspelhos(p, VarianteRitcheyChretien, 0, 0).primario.zonas.size()), 3);
    QCOMPARE(int(CalcularEspelhos(p, VarianteRitcheyChretien, 20, 0).primario.zonas.size()), 12);
    QCOMPARE(int(CalcularEspelhos(p, VarianteRitcheyChretien, 12, 0).primario.zonas.size()), 12);
}

void TesteEspelhos::numeroTresCasas_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("casas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("empate") << 0.0625 << 3 << QStringLiteral("0,063");
    QTest::newRow("empate negativo") << -0.0625 << 3 << QStringLiteral("-0,063");
    QTest::newRow("zero negativo") << -0.0004 << 3 << QStringLiteral("0,000");
    QTest::newRow("milhares") << 1234567.125 << 3 << QStringLiteral("1.234.567,125");
    QTest::newRow("duas casas") << 2.675 << 2 << QStringLiteral("2,67"); // 2.67499999...
    QTest::newRow("sem casas") << 2.5 << 0 << QStringLiteral("3");
}

void TesteEspelhos::numeroTresCasas() {
    QFETCH(double, valor);
    QFETCH(int, casas);
    QFETCH(QString, texto);
    QCOMPARE(NumeroTextoCasas(valor, casas, Virgula, Ponto), texto);
}

QTEST_GUILESS_MAIN(TesteEspelhos)
#include "test_espelhos.moc"
