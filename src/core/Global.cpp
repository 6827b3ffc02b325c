// The design record and its optical formulas.
#include "Global.h"

#include "Cp1252.h"
#include "Recursos.h"

#include <cmath>
#include <cstring>

TProjeto Projeto{};

QString TituloTexto(const TProjeto& projeto) {
    return Cp1252::Decodificar(reinterpret_cast<const char*>(projeto.Titulo + 1),
                               projeto.Titulo[0]);
}

void DefinirTitulo(TProjeto& projeto, const QString& texto) {
    // One byte per character, cut to 255.
    const QByteArray bytes = Cp1252::Codificar(texto).left(255);
    std::memcpy(projeto.Titulo + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    projeto.Titulo[0] = static_cast<std::uint8_t>(bytes.size());
}

void LimparProjeto(TProjeto& projeto) {
    const double area1 = projeto.Area1, area2 = projeto.Area2;
    const double sag1 = projeto.Sag1, sag2 = projeto.Sag2;
    double* campos[] = {&projeto.D1,     &projeto.D2,        &projeto.f1,     &projeto.F,
                        &projeto.e,      &projeto.p,         &projeto.pLinha, &projeto.gamma,
                        &projeto.i,      &projeto.d,         &projeto.r1,     &projeto.r2,
                        &projeto.fD1,    &projeto.FD1,       &projeto.Tx,     &projeto.b1DK,
                        &projeto.b2DK,   &projeto.b1RC,      &projeto.b2RC,   &projeto.b1Cl,
                        &projeto.b2Cl,   &projeto.L,         &projeto.L1,     &projeto.L2,
                        &projeto.LTotal, &projeto.Reservado, &projeto.DDi,    &projeto.DG,
                        &projeto.Z1,     &projeto.SSDe,      &projeto.DDe};
    for (double* campo : campos)
        *campo = 0.0;
    projeto.Area1 = area1;
    projeto.Area2 = area2;
    projeto.Sag1 = sag1;
    projeto.Sag2 = sag2;
    projeto.Titulo[0] = 0;
    projeto.nG = 2;
}

// two-mirror first-order layout: Wilson, Reflecting Telescope Optics I, ch. 2 (Gaussian theory)
double AreaCirculo(double D) {
    const double r = D / 2;
    return r * r * Pi;
}

double RelacaoFocal(double D1, double F) {
    if (D1 == 0) return D1;
    return F / D1;
}

double DistanciaP(double gamma, double f1, double e) {
    const double divisor = gamma + 1;
    if (divisor == 0) return divisor;
    return (f1 + e) / divisor;
}

double DistanciaPLinha(double p, double gamma, double e, double& d) {
    const double pLinha = p * gamma;
    d = pLinha - e;
    return pLinha;
}

double RaioSecundario(double gamma, double p) {
    const double divisor = gamma - 1;
    if (divisor == 0) return divisor;
    return 2 * p * gamma / divisor;
}

double DiametroSecundario(double f1, double gamma, double D1, double p, double d, double i) {
    const double divisor = f1 * gamma;
    if (divisor == 0) return divisor;
    return D1 * p / f1 + d * i / divisor;
}

double TaxaObstrucao(double D1, double D2) {
    if (D1 == 0) return D1;
    return D2 / D1 * 100;
}

// mirror sagitta, paraxial y²/2R: Smith, Modern Optical Engineering
double FlechaEspelho(double D, double r) {
    const double divisor = 2 * r;
    if (divisor == 0) return divisor;
    const double raio = D / 2;
    return raio * raio / divisor;
}

// conic constants of the three variants: Wilson, Reflecting Telescope Optics I, § 3.2.6
double DeformacaoPrimario(std::int16_t variante, double r1, double r2, double gamma, double d,
                          double p) {
    switch (variante) {
    case VarianteClassico:
        return -1;
    case VarianteDallKirkham: {
        const double g2 = gamma * gamma;
        const double g = g2 * g2 * r1;
        if (g == 0) return 0;
        const double t = g2 - 1;
        return -(1 - t * t * r2 / g);
    }
    case VarianteRitcheyChretien: {
        const double g = gamma * gamma * d;
        if (g == 0) return 0;
        return -(2 * p / g + 1);
    }
    default:
        return 0;
    }
}

double DeformacaoSecundario(std::int16_t variante, double r1, double gamma, double d) {
    switch (variante) {
    case VarianteClassico: {
        const double t = gamma - 1;
        if (t == 0) return 0;
        const double q = (gamma + 1) / t;
        return -(q * q);
    }
    case VarianteDallKirkham:
        return 0;
    case VarianteRitcheyChretien: {
        const double t = gamma - 1;
        const double u = t * t * t * d;
        if (t == 0 || u == 0) return 0;
        const double q = (gamma + 1) / t;
        return -(q * q + r1 * gamma / u);
    }
    default:
        return 0;
    }
}

// baffle lengths from the field's edge rays: A. T. Young, Applied Optics 6, 1063 (1967)
namespace {
double ComprimentoPara(double Dx, double d, double e, double i, double DDi) {
    const double divisor = Dx - i;
    if (divisor == 0) return divisor;
    return (DDi * d + DDi * e - Dx * e - d * i) / divisor;
}
} // namespace

double ComprimentoDefletor(double d, double e, double i, double D2, double DDi) {
    return ComprimentoPara(D2, d, e, i, DDi);
}

double ComprimentoMinimo(double DDi, double d, double e, double SSDe, double i) {
    return ComprimentoPara(SSDe, d, e, i, DDi);
}

double ComprimentoMaximo(double f1, double SSDe, double DDe) {
    if (SSDe == 0) return SSDe;
    return f1 * (SSDe - DDe) / SSDe;
}

// glare stops at the converging beam's edge: Smith, Modern Optical Engineering, stops chapter
double DiametroGlare(double d, double e, double i, double D2, double x) {
    const double divisor = d + e;
    if (divisor == 0) return divisor;
    return (d * i + x * i + D2 * e - D2 * x) / divisor;
}

// field diameter at the focus, F tan(angle): Wilson, Reflecting Telescope Optics I, § 2.2.6
double DiametroDoCampo(double F, double arco) {
    return F * std::tan(arco * Pi / 180);
}
