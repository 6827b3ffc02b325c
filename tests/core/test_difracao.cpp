// Checks the diffraction image against closed forms: the annular aperture's MTF and encircled
// energy, its first dark ring, pure defocus, and third-order coma.
#include "AnaliseRaios.h"
#include "Calculo.h"
#include "Difracao.h"
#include "Global.h"

#include <QLocale>
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

// The image of a perfect annular pupil (no aberration) on the program's grid.
ImagemDifracao Perfeita(double eps, int preenchimento) {
    FrenteOnda f = GradeAnular(DifracaoAmostras, 1, eps);
    RemoverPistaoInclinacao(f);
    ImagemDifracao im;
    ImagemDaFrente(f, preenchimento, im);
    return im;
}

// Linear interpolation of a sampled curve.
double Interpolar(const std::vector<double>& x, const std::vector<double>& y, double v) {
    for (std::size_t i = 1; i < x.size(); ++i)
        if (x[i] >= v) return y[i - 1] + (v - x[i - 1]) / (x[i] - x[i - 1]) * (y[i] - y[i - 1]);
    return NAN;
}

// The wavefront of the classical variant of design p at field angle theta, reference point in
// the plane zImagem.
FrenteOnda FrenteClassica(const TProjeto& p, double theta, double zImagem) {
    double b1 = 0, b2 = 0;
    ConicasVariante(p, 0, b1, b2);
    const SistemaDoisEspelhos s = SistemaDoProjeto(p, b1, b2);
    ReferenciaFrente ref;
    ref.lambda = ComprimentoOnda;
    ref.zImagem = zImagem;
    if (!PupilaSaida(s, ref.zPupila)) return {};
    FrenteOnda f = GradeAnular(DifracaoAmostras, p.D1 / 2, p.D2 / 2);
    if (!FrenteDoFeixe(s, theta, p.d, ref, f)) return {};
    return f;
}
} // namespace

class TestDifracao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // O'Neill's annular MTF at tabulated points: catches a wrong cut (index, axis, frequency
    // step), a transform too narrow (the autocorrelation wraps), a wrong normalisation, and a
    // typo in the closed form drawn as the diffraction limit.
    void mtfAnular_data() {
        QTest::addColumn<double>("eps");
        QTest::addColumn<double>("nu");
        QTest::addColumn<double>("mtf");
        const double e33[][2] = {
            {0.1, 0.8109}, {0.2, 0.6280}, {0.3, 0.4596}, {0.5, 0.3252}, {0.8, 0.1168}};
        for (const auto& v : e33)
            QTest::addRow("0,33 a %.1f", v[0]) << 0.33 << v[0] << v[1];
        const double e0[][2] = {{0.1, 0.8729}, {0.2, 0.7471}, {0.5, 0.3910}};
        for (const auto& v : e0)
            QTest::addRow("0 a %.1f", v[0]) << 0.0 << v[0] << v[1];
    }
    void mtfAnular() {
        QFETCH(double, eps);
        QFETCH(double, nu);
        QFETCH(double, mtf);
        QVERIFY2(std::fabs(MtfAnular(nu, eps) - mtf) < 0.0006,
                 qPrintable(QString::number(MtfAnular(nu, eps))));
        const ImagemDifracao im = Perfeita(eps, DifracaoPreenchimento);
        const auto k = static_cast<std::size_t>(std::lround(nu * DifracaoAmostras));
        QVERIFY2(std::fabs(im.mtfTangencial[k] - mtf) < 0.005,
                 qPrintable(QString::number(im.mtfTangencial[k])));
        QVERIFY2(std::fabs(im.mtfSagital[k] - mtf) < 0.005,
                 qPrintable(QString::number(im.mtfSagital[k])));
    }

    // A cylindrical defocus W = c·y² (y meridional) leaves the sagittal cut (frequency along x)
    // exactly the perfect aperture's and lowers the tangential one. Catches the two cuts
    // swapped and the map's rows and columns exchanged.
    void cortes() {
        FrenteOnda f = GradeAnular(DifracaoAmostras, 1, 0.33);
        for (int iy = 0; iy < f.n; ++iy)
            for (int ix = 0; ix < f.n; ++ix) {
                const double y = (iy + 0.5 - f.n / 2.0) * 2 / f.n;
                f.opd[static_cast<std::size_t>(iy) * f.n + ix] = 0.5 * y * y;
            }
        QVERIFY(RemoverPistaoInclinacao(f));
        ImagemDifracao im;
        QVERIFY(ImagemDaFrente(f, DifracaoPreenchimento, im));
        for (int d = 1; d <= 8; ++d) {
            const auto k = static_cast<std::size_t>(d * DifracaoAmostras / 10);
            QVERIFY2(std::fabs(im.mtfSagital[k] - MtfAnular(d / 10.0, 0.33)) < 0.005,
                     qPrintable(QString::number(im.mtfSagital[k])));
            QVERIFY(im.mtfTangencial[k] < im.mtfSagital[k] - 0.02);
        }
    }

    // The PSF picture is oriented as the image plane: the Dall-Kirkham's coma at the edge of
    // the field flares the same way in the PSF as in the ray spot (the third moments along y
    // have the same sign). Catches a picture turned by 180° against the spot diagram.
    void orientacaoPsf() {
        const TProjeto p = Projeto5(200, 4, 4, 200, 20);
        const ResultadoAnalise a = Analisar(p);
        const ResultadoDifracao r = AnalisarDifracao(p, a, false);
        QVERIFY(r.valida());
        const FeixeAnalise& spot = a.variantes[1].feixes[2];
        double my = 0, m3 = 0;
        for (const PontoImagem& q : spot.pontos)
            my += q.y / spot.pontos.size();
        for (const PontoImagem& q : spot.pontos)
            m3 += std::pow(q.y - my, 3);
        const ImagemDifracao& im = r.feixes[1][2].imagem;
        double soma = 0, cy = 0, c3 = 0;
        const int meio = im.lado / 2;
        for (int l = 0; l < im.lado; ++l)
            for (int c = 0; c < im.lado; ++c) {
                const double v = im.psf[static_cast<std::size_t>(l) * im.lado + c];
                soma += v;
                cy += v * (l - meio);
            }
        cy /= soma;
        for (int l = 0; l < im.lado; ++l)
            for (int c = 0; c < im.lado; ++c)
                c3 +=
                    im.psf[static_cast<std::size_t>(l) * im.lado + c] * std::pow(l - meio - cy, 3);
        QVERIFY(std::fabs(m3) > 0);
        QVERIFY2((m3 > 0) == (c3 > 0), qPrintable(QStringLiteral("%1 %2").arg(m3).arg(c3)));
    }

    // Encircled energy within 1,2197·λN and the first dark ring: catches a wrong PSF sample
    // step, a wrong kernel in the encircled-energy sum and a wrong obstruction scale.
    void energiaAnel_data() {
        QTest::addColumn<double>("eps");
        QTest::addColumn<double>("ee");
        QTest::addColumn<double>("anel");
        QTest::newRow("0") << 0.0 << 0.8378 << 1.2197;
        QTest::newRow("0,33") << 0.33 << 0.6565 << 1.0977;
        QTest::newRow("0,5") << 0.5 << 0.4930 << 0.0;
    }
    void energiaAnel() {
        QFETCH(double, eps);
        QFETCH(double, ee);
        QFETCH(double, anel);
        const ImagemDifracao im = Perfeita(eps, DifracaoPreenchimento);
        const double e = Interpolar(RaiosEnergia(), im.energia, 1.2197);
        QVERIFY2(std::fabs(e - ee) < 0.005, qPrintable(QString::number(e)));
        QVERIFY(im.ee50 > 0 && im.ee50 < im.ee80);
        QVERIFY(std::fabs(Interpolar(RaiosEnergia(), im.energia, im.ee50) - 0.5) < 1e-9);
        if (anel == 0) return;
        // The zero of the amplitude along x, sampled at λN / 8: the least sample and the
        // neighbour across the zero (the amplitude changes sign there; its two possible signs
        // are told apart by which makes the three samples nearer a straight line), then linear
        // interpolation of the signed amplitude.
        const ImagemDifracao fina = Perfeita(eps, 8);
        const int meio = fina.lado / 2;
        auto valor = [&](int j) {
            return static_cast<double>(
                fina.psf[static_cast<std::size_t>(meio) * fina.lado + meio + j]);
        };
        int jm = static_cast<int>(0.8 / fina.passo);
        for (int j = jm; j * fina.passo < 1.5; ++j)
            if (valor(j) < valor(jm)) jm = j;
        const double a = std::sqrt(valor(jm - 1)), b = std::sqrt(valor(jm)),
                     c = std::sqrt(valor(jm + 1)), h = fina.passo;
        const double r = std::fabs(a + 2 * b - c) < std::fabs(a - 2 * b - c)
                             ? (jm - 1) * h + h * a / (a + b)
                             : jm * h + h * b / (b + c);
        QVERIFY2(std::fabs(r - anel) < 0.01, qPrintable(QString::number(r)));
        QVERIFY(b * b < 1e-3 * valor(0));
    }

    // Pure defocus of the perfect (classical, on axis) design: the RMS is W020·(1 − ε²)/√12
    // with W020 = δz/(8N²), and the PSF Strehl is the annulus' closed form
    // [sin(πW020(1 − ε²)) / (πW020(1 − ε²))]² and within 1 % of exp(−(2πσ)²). Catches a wrong
    // optical path (a segment left out, the reference sphere's correction with a wrong sign or
    // radius), a wrong wavelength unit and a wrong Strehl normalisation.
    void desfoco_data() {
        QTest::addColumn<double>("sigma");
        QTest::newRow("0") << 0.0;
        QTest::newRow("1/40") << 1.0 / 40;
        QTest::newRow("1/20") << 1.0 / 20;
        QTest::newRow("1/14") << 1.0 / 14;
    }
    void desfoco() {
        QFETCH(double, sigma);
        const TProjeto p = Projeto5(200, 4, 4, 200, 20);
        const double eps = p.D2 / p.D1, N = p.F / p.D1;
        const double w020 = sigma * std::sqrt(12.0) / (1 - eps * eps);
        const double dz = w020 * ComprimentoOnda * 8 * N * N;
        for (double sinal : {1.0, -1.0}) {
            const FrenteOnda f = FrenteClassica(p, 0, -p.e + sinal * dz);
            QVERIFY(f.celulas > 0);
            QVERIFY2(std::fabs(f.rms - sigma) < 0.01 * sigma + 2e-4,
                     qPrintable(QString::number(f.rms)));
            ImagemDifracao im;
            QVERIFY(ImagemDaFrente(f, DifracaoPreenchimento, im));
            const double x = Pi * w020 * (1 - eps * eps);
            const double fechada = sigma == 0 ? 1 : std::pow(std::sin(x) / x, 2);
            QVERIFY2(std::fabs(im.strehlPsf - fechada) < 0.003,
                     qPrintable(QString::number(im.strehlPsf)));
            QVERIFY(std::fabs(im.strehlPsf / im.strehlMarechal - 1) < 0.01);
        }
    }

    // The classical variant at a small field (edge at 0,5 mm): the wavefront is third-order
    // coma, W131·(ρ³ − a·ρ)·cos θ with W131 = S_II / 2 (a removes the tilt over the annulus),
    // the residual (field curvature, astigmatism) small, the coefficient within 2 % of the
    // Seidel sum and the RMS within 5 % of the coma term's. Catches a pupil
    // coordinate scaled or rotated, tilt left in, and an off-axis bundle traced wrongly.
    void coma() {
        const TProjeto p = Projeto5(200, 4, 4, 200, 1);
        const double theta = (p.i / 2) / p.F;
        const FrenteOnda f = FrenteClassica(p, theta, -p.e);
        QVERIFY(f.celulas > 0);
        double b1 = 0, b2 = 0;
        ConicasVariante(p, 0, b1, b2);
        const double w131 =
            AberracoesTerceiraOrdem(p, b1, b2, p.D1 / 2, theta).SII / 2 / ComprimentoOnda;
        // a = <ρ⁴>/<ρ²> over the annulus (area weight).
        const double eps = p.D2 / p.D1, e2 = eps * eps;
        const double a = (1 - e2 * e2 * e2) / 3 / ((1 - e2 * e2) / 2);
        double sbb = 0, swb = 0, sww = 0;
        std::vector<double> base(f.opd.size(), 0);
        for (int iy = 0; iy < f.n; ++iy)
            for (int ix = 0; ix < f.n; ++ix) {
                const std::size_t i = static_cast<std::size_t>(iy) * f.n + ix;
                if (!f.dentro[i]) continue;
                const double x = (ix + 0.5 - f.n / 2.0) * 2 / f.n,
                             y = (iy + 0.5 - f.n / 2.0) * 2 / f.n;
                base[i] = (x * x + y * y - a) * y;
                sbb += base[i] * base[i];
                swb += f.opd[i] * base[i];
            }
        const double c = swb / sbb;
        for (std::size_t i = 0; i < f.opd.size(); ++i)
            if (f.dentro[i]) sww += std::pow(f.opd[i] - c * base[i], 2);
        const double residuo = std::sqrt(sww / f.celulas);
        QVERIFY2(std::fabs(std::fabs(c) / std::fabs(w131) - 1) < 0.02,
                 qPrintable(QStringLiteral("%1 %2").arg(c).arg(w131)));
        QVERIFY2(residuo < 0.25 * f.rms,
                 qPrintable(QStringLiteral("%1 %2").arg(residuo).arg(f.rms)));
        // The RMS of the tilt-free coma term over the annulus: |W131|·√(½(<ρ⁶> − <ρ⁴>²/<ρ²>)).
        const double m2 = (1 - e2 * e2) / 2 / (1 - e2), m4 = (1 - e2 * e2 * e2) / 3 / (1 - e2);
        const double m6 = (1 - e2 * e2 * e2 * e2) / 4 / (1 - e2);
        const double rmsComa = std::fabs(w131) * std::sqrt(0.5 * (m6 - m4 * m4 / m2));
        QVERIFY2(std::fabs(f.rms / rmsComa - 1) < 0.05,
                 qPrintable(QStringLiteral("%1 %2").arg(f.rms).arg(rmsComa)));
    }

    // A design the analysis refuses gives a message and no numbers; a valid one gives finite
    // numbers in every row, with the Strehl ratios in (0, 1].
    void projetos_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("i");
        QTest::addColumn<bool>("valida");
        QTest::newRow("D1 = 0") << 0.0 << 20.0 << false;
        QTest::newRow("200/4/4/200/20") << 200.0 << 20.0 << true;
    }
    void projetos() {
        QFETCH(double, D1);
        QFETCH(double, i);
        QFETCH(bool, valida);
        const TProjeto p = Projeto5(D1, 4, 4, 200, i);
        for (bool melhor : {false, true}) {
            const ResultadoDifracao r = AnalisarDifracao(p, Analisar(p), melhor);
            QCOMPARE(r.valida(), valida);
            const TextosDifracao t = TextosDaDifracao(r, QLatin1Char(','), QLatin1Char('.'));
            QCOMPARE(t.mensagem.isEmpty(), valida);
            if (!valida) continue;
            for (const auto& variante : r.feixes)
                for (const FeixeDifracao& f : variante) {
                    QVERIFY(f.imagem.strehlPsf > 0 && f.imagem.strehlPsf <= 1 + 1e-9);
                    QVERIFY(f.imagem.ee80 > f.imagem.ee50);
                }
            for (const LinhaDifracao& l : t.linhas)
                QVERIFY(!l.rms.contains(QLatin1String("nan"), Qt::CaseInsensitive));
        }
    }
};

QTEST_GUILESS_MAIN(TestDifracao)
#include "test_difracao.moc"
