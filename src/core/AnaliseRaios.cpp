// Ray-trace analysis of the three variants: spots, best focus, field curvature, third order.
#include "AnaliseRaios.h"

#include "Calculo.h"
#include "NumeroTexto.h"
#include "Recursos.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
constexpr double SegundosPorRadiano = 206264.80624709636;
} // namespace

// Pupil grid: RaiosAneis rings at the mid-area radii of equal-area annuli, each with
// RaiosAzimutes rays at azimuths (m + ½)·2π/M, so every ray stands for the same area and the
// grid is symmetric about the meridional plane.
std::vector<PontoPupila> PupilaAnular(double raioInterno, double raioExterno) {
    std::vector<PontoPupila> pontos;
    pontos.reserve(RaiosPorFeixe);
    const double a2 = raioInterno * raioInterno;
    const double b2 = raioExterno * raioExterno;
    for (int j = 0; j < RaiosAneis; ++j) {
        const double rho = std::sqrt(a2 + (j + 0.5) / RaiosAneis * (b2 - a2));
        for (int m = 0; m < RaiosAzimutes; ++m) {
            const double fi = (m + 0.5) * 2 * Pi / RaiosAzimutes;
            pontos.push_back({rho * std::cos(fi), rho * std::sin(fi)});
        }
    }
    return pontos;
}

std::vector<PontoPupila> BordasPupila(double raioInterno, double raioExterno) {
    std::vector<PontoPupila> pontos;
    pontos.reserve(2 * RaiosAzimutes);
    for (double rho : {raioInterno, raioExterno})
        for (int m = 0; m < RaiosAzimutes; ++m) {
            const double fi = m * 2 * Pi / RaiosAzimutes;
            pontos.push_back({rho * std::cos(fi), rho * std::sin(fi)});
        }
    return pontos;
}

// Best focus in closed form: at a shift δ of the image plane each point moves to
// (x + δ·dx, y + δ·dy), so the mean square radius about the centroid is S0 + 2·δ·S01 + δ²·S11,
// least at δ = −S01 / S11.
EstatisticaSpot EstatisticaDoSpot(const std::vector<PontoImagem>& pontos,
                                  const std::vector<PontoImagem>& bordas) {
    EstatisticaSpot e;
    if (pontos.empty()) return e;
    const double n = static_cast<double>(pontos.size());
    double mx = 0, my = 0, mdx = 0, mdy = 0;
    for (const PontoImagem& p : pontos) {
        mx += p.x;
        my += p.y;
        mdx += p.dx;
        mdy += p.dy;
    }
    mx /= n;
    my /= n;
    mdx /= n;
    mdy /= n;
    double s0 = 0, s01 = 0, s11 = 0, maximo = 0;
    for (const PontoImagem& p : pontos) {
        const double ax = p.x - mx, ay = p.y - my;
        const double bx = p.dx - mdx, by = p.dy - mdy;
        const double r2 = ax * ax + ay * ay;
        s0 += r2;
        s01 += ax * bx + ay * by;
        s11 += bx * bx + by * by;
        maximo = std::max(maximo, r2);
    }
    for (const PontoImagem& p : bordas) {
        const double ax = p.x - mx, ay = p.y - my;
        maximo = std::max(maximo, ax * ax + ay * ay);
    }
    s0 /= n;
    s01 /= n;
    s11 /= n;
    e.centroX = mx;
    e.centroY = my;
    e.rms = std::sqrt(s0) * 1000;
    e.raioGeometrico = std::sqrt(maximo) * 1000;
    if (s11 > 0) {
        e.focoOtimo = -s01 / s11;
        e.rmsFocoOtimo = std::sqrt(std::max(0.0, s0 - s01 * s01 / s11)) * 1000;
    } else {
        e.rmsFocoOtimo = e.rms;
    }
    return e;
}

double RmsDeslocado(const std::vector<PontoImagem>& pontos, double deslocamento) {
    if (pontos.empty()) return 0;
    const double n = static_cast<double>(pontos.size());
    double mx = 0, my = 0;
    for (const PontoImagem& p : pontos) {
        mx += p.x + deslocamento * p.dx;
        my += p.y + deslocamento * p.dy;
    }
    mx /= n;
    my /= n;
    double s = 0;
    for (const PontoImagem& p : pontos) {
        const double ax = p.x + deslocamento * p.dx - mx, ay = p.y + deslocamento * p.dy - my;
        s += ax * ax + ay * ay;
    }
    return std::sqrt(s / n) * 1000;
}

// two-mirror third-order aberrations from the Seidel sums of each surface, with the conic's
// aspheric terms and the stop at the primary: Welford, Aberrations of Optical Systems, ch. 7
// (surface contributions) and Schroeder, Astronomical Optics, ch. 5-6 (angular measures).
// Paraxial convention: light enters travelling along +s (s = −z); n = 1, −1, 1.
TerceiraOrdem AberracoesTerceiraOrdem(const TProjeto& P, double b1, double b2, double y,
                                      double theta) {
    TerceiraOrdem t;
    const double c[2] = {P.r1 == 0 ? 0 : -1 / P.r1, P.r2 == 0 ? 0 : -1 / P.r2};
    const double k[2] = {b1, b2};
    const double nAntes[2] = {1, -1}, nDepois[2] = {-1, 1};
    const double espaco[2] = {-P.d, 0}; // vertex-to-vertex distances (signed)
    const double H = theta * y;         // Lagrange invariant
    double h = y, u = 0, hb = 0, ub = theta;
    for (int j = 0; j < 2; ++j) {
        const double n = nAntes[j], n1 = nDepois[j];
        const double A = n * (u + h * c[j]);
        const double Ab = n * (ub + hb * c[j]);
        const double u1 = (n * u - h * c[j] * (n1 - n)) / n1;
        const double ub1 = (n * ub - hb * c[j] * (n1 - n)) / n1;
        const double dun = u1 / n1 - u / n;
        const double asf = k[j] * c[j] * c[j] * c[j] * (n1 - n); // × h⁴ for S_I
        t.SI += -A * A * h * dun + asf * h * h * h * h;
        t.SII += -A * Ab * h * dun + asf * h * h * h * hb;
        t.SIII += -Ab * Ab * h * dun + asf * h * h * hb * hb;
        t.SIV += -H * H * c[j] * (1 / n1 - 1 / n);
        u = u1;
        ub = ub1;
        h += u * espaco[j];
        hb += ub * espaco[j];
    }
    t.uFinal = u;
    if (u != 0) t.comaSagital = t.SII / (2 * u);
    if (y != 0) {
        t.comaAngular = std::fabs(t.SII) / (2 * y);
        t.astigmatismoAngular = std::fabs(t.SIII) / y;
    }
    if (H != 0) {
        const double H2 = H * H;
        t.curvaturaPetzval = t.SIV / H2;
        t.curvaturaSagital = (t.SIII + t.SIV) / H2;
        t.curvaturaMedia = (2 * t.SIII + t.SIV) / H2;
        t.curvaturaTangencial = (3 * t.SIII + t.SIV) / H2;
    }
    return t;
}

FeixeAnalise TracarFeixe(const SistemaDoisEspelhos& sistema, const std::vector<PontoPupila>& pupila,
                         double h, double theta, double zInicio,
                         const std::vector<PontoPupila>& bordas) {
    FeixeAnalise f;
    f.h = h;
    f.theta = theta;
    const Espelho& primario = sistema.primario;
    const double seno = std::sin(theta), cosseno = std::cos(theta);
    // The rays as RaioDoFeixe makes them (the bundle's direction computed once), the pupil's
    // then the rims', in order, traced together; a pupil point where the primary has no surface
    // is lost.
    LoteRaios lote;
    lote.redimensionar(pupila.size() + bordas.size());
    std::size_t n = 0, nPupila = 0;
    for (std::size_t j = 0; j < pupila.size() + bordas.size(); ++j) {
        const PontoPupila& pp = j < pupila.size() ? pupila[j] : bordas[j - pupila.size()];
        if (j == pupila.size()) nPupila = n;
        double flecha = 0;
        if (!FlechaConica(primario.forma, std::sqrt(pp.x * pp.x + pp.y * pp.y), flecha)) {
            if (j < pupila.size()) ++f.perdidos;
            continue;
        }
        const double zAlvo = primario.zVertice + flecha;
        const double t = (zInicio - zAlvo) / cosseno;
        lote.ox[n] = pp.x;
        lote.oy[n] = pp.y - t * seno;
        lote.oz[n] = zAlvo + t * cosseno;
        lote.ux[n] = 0;
        lote.uy[n] = seno;
        lote.uz[n] = -cosseno;
        ++n;
    }
    if (bordas.empty()) nPupila = n;
    lote.redimensionar(n);
    TracarLote(sistema, lote);
    f.pontos.reserve(nPupila);
    for (std::size_t k = 0; k < n; ++k) {
        if (lote.fim[k] != CodigoFim(FimRaio::Imagem)) {
            if (k < nPupila) ++f.perdidos;
            continue;
        }
        (k < nPupila ? f.pontos : f.bordas)
            .push_back({lote.ox[k], lote.oy[k], lote.ux[k] / lote.uz[k], lote.uy[k] / lote.uz[k]});
    }
    f.usados = static_cast<int>(f.pontos.size());
    f.estatistica = EstatisticaDoSpot(f.pontos, f.bordas);
    return f;
}

namespace {

bool FeixeFinito(const FeixeAnalise& f) {
    const EstatisticaSpot& e = f.estatistica;
    return Finito(e.centroX) && Finito(e.centroY) && Finito(e.rms) && Finito(e.raioGeometrico) &&
           Finito(e.focoOtimo) && Finito(e.rmsFocoOtimo);
}
} // namespace

ResultadoAnalise Analisar(const TProjeto& P) {
    ResultadoAnalise r;
    const double entradas[] = {P.D1, P.F, P.i, P.gamma, P.d, P.p, P.D2, P.r1, P.r2, P.e};
    for (double v : entradas)
        if (!Finito(v)) {
            r.motivo = MotivoAnalise::NaoFinito;
            return r;
        }
    QByteArray causas;
    r.avisos = AvisosProjeto(P, &causas);
    if (!causas.isEmpty()) {
        r.motivo = causas[0] == 'A'   ? MotivoAnalise::Ampliacao
                   : causas[0] == 'E' ? MotivoAnalise::EntradasNulas
                                      : MotivoAnalise::Geometria;
        return r;
    }
    if (!(P.D1 > 0) || !(P.F > 0) || !(P.i > 0)) {
        r.motivo = MotivoAnalise::EntradasNulas;
        return r;
    }
    if (!(P.gamma > 1)) {
        r.motivo = MotivoAnalise::Ampliacao;
        return r;
    }
    if (!(P.d > 0) || !(P.p > 0) || !(P.D2 > 0) || !(P.r1 > 0) || !(P.r2 > 0)) {
        r.motivo = MotivoAnalise::Geometria;
        return r;
    }
    r.raioAiry = 1.22 * ComprimentoOnda * P.F / P.D1 * 1000;
    const std::vector<PontoPupila> pupila = PupilaAnular(std::min(P.D2, P.D1) / 2, P.D1 / 2);
    const std::vector<PontoPupila> bordas = BordasPupila(std::min(P.D2, P.D1) / 2, P.D1 / 2);
    const double alturas[3] = {0, 0.7 * P.i / 2, P.i / 2};
    for (int v = 0; v < 3; ++v) {
        VarianteAnalise& va = r.variantes[v];
        va.variante = v;
        ConicasVariante(P, v, va.b1, va.b2);
        double flecha = 0;
        if (!FlechaConica({P.r1, va.b1}, P.D1 / 2, flecha) ||
            !FlechaConica({P.r2, va.b2}, P.D2 / 2, flecha)) {
            r.motivo = MotivoAnalise::ConicaIndefinida;
            return r;
        }
        const SistemaDoisEspelhos sistema = SistemaDoProjeto(P, va.b1, va.b2);
        for (int k = 0; k < 3; ++k) {
            FeixeAnalise& f = va.feixes[k];
            f = TracarFeixe(sistema, pupila, alturas[k], std::atan(alturas[k] / P.F), P.d, bordas);
            r.perdidos += f.perdidos;
            if (f.usados == 0) {
                r.motivo = MotivoAnalise::EspelhoSemRaios;
                return r;
            }
            if (!FeixeFinito(f)) {
                r.motivo = MotivoAnalise::NaoFinito;
                return r;
            }
        }
        va.deltaCurvatura = va.feixes[2].estatistica.focoOtimo - va.feixes[0].estatistica.focoOtimo;
        va.campoPlano = std::fabs(va.deltaCurvatura) < 1e-9;
        va.raioCurvaturaCampo = va.campoPlano ? 0 : (P.i / 2) * (P.i / 2) / (2 * va.deltaCurvatura);
        va.terceiraOrdem = AberracoesTerceiraOrdem(P, va.b1, va.b2, P.D1 / 2, (P.i / 2) / P.F);
        const TerceiraOrdem& t = va.terceiraOrdem;
        if (!Finito(va.raioCurvaturaCampo) || !Finito(t.comaAngular) ||
            !Finito(t.astigmatismoAngular) || !Finito(t.curvaturaPetzval) ||
            !Finito(t.curvaturaMedia)) {
            r.motivo = MotivoAnalise::NaoFinito;
            return r;
        }
    }
    r.motivo = MotivoAnalise::Valida;
    return r;
}

QString TextoRaio(double raio, bool infinito, QChar decimal, QChar milhar) {
    if (infinito) return TextoRecurso(Recursos::Infinito);
    return NumeroTexto(raio, decimal, milhar);
}

namespace {
// A radius from a curvature: "∞" beyond 1e12 mm.
QString TextoCurvatura(double curvatura, QChar decimal, QChar milhar) {
    const bool infinito = std::fabs(curvatura) < 1e-12;
    return TextoRaio(infinito ? 0 : 1 / curvatura, infinito, decimal, milhar);
}

QString MensagemMotivo(MotivoAnalise m) {
    switch (m) {
    case MotivoAnalise::Valida:
        return {};
    case MotivoAnalise::EntradasNulas:
        return TextoRecurso(Recursos::AnaliseEntradasNulas);
    case MotivoAnalise::Ampliacao:
        return TextoRecurso(Recursos::AnaliseAmpliacao);
    case MotivoAnalise::Geometria:
        return TextoRecurso(Recursos::AnaliseGeometria);
    case MotivoAnalise::ConicaIndefinida:
        return TextoRecurso(Recursos::AnaliseConicaIndefinida);
    case MotivoAnalise::EspelhoSemRaios:
        return TextoRecurso(Recursos::AnaliseEspelhoSemRaios);
    case MotivoAnalise::NaoFinito:
        break;
    }
    return TextoRecurso(Recursos::AnaliseNaoFinita);
}
} // namespace

TextosAnalise TextosDaAnalise(const ResultadoAnalise& r, QChar decimal, QChar milhar) {
    TextosAnalise t;
    const char* nomes[3] = {Recursos::Classico, Recursos::DallKirkham, Recursos::RitcheyChretien};
    for (int v = 0; v < 3; ++v) {
        t.variantes[v] = TextoRecurso(nomes[v]);
        t.curvatura[v].variante = t.variantes[v];
        for (int k = 0; k < 3; ++k)
            t.linhas[v * 3 + k].variante = t.variantes[v];
    }
    t.valida = r.valida();
    if (!t.valida) {
        t.airyRelatorio = MensagemMotivo(r.motivo);
        t.airy = r.avisos.isEmpty()
                     ? t.airyRelatorio
                     : TextoRecurso(Recursos::AnaliseIrrealizavel).arg(r.avisos.join(u'\n'));
        return t;
    }
    auto N = [&](double x) { return NumeroTexto(x, decimal, milhar); };
    t.airy = FormatarN(TextoRecurso(Recursos::FmtRaioAiry), r.raioAiry, decimal, milhar);
    QStringList lados;
    for (int v = 0; v < 3; ++v) {
        const VarianteAnalise& va = r.variantes[v];
        for (int k = 0; k < 3; ++k) {
            const FeixeAnalise& f = va.feixes[k];
            const EstatisticaSpot& e = f.estatistica;
            LinhaAnalise& l = t.linhas[v * 3 + k];
            l.campo = N(f.h);
            l.rms = N(e.rms);
            l.raioGeometrico = N(e.raioGeometrico);
            l.rmsAiry = N(e.rms / r.raioAiry);
            l.focoOtimo = N(e.focoOtimo);
            l.rmsFocoOtimo = N(e.rmsFocoOtimo);
            t.rmsSpot[v * 3 + k] =
                FormatarN(TextoRecurso(Recursos::FmtRmsSpot), e.rms, decimal, milhar);
            if (v == 0)
                t.alturas[k] =
                    FormatarN(TextoRecurso(Recursos::FmtAlturaCampo), f.h, decimal, milhar);
        }
        const TerceiraOrdem& to = va.terceiraOrdem;
        LinhaCurvatura& c = t.curvatura[v];
        c.raioCampo = TextoRaio(va.raioCurvaturaCampo, va.campoPlano, decimal, milhar);
        c.coma = N(to.comaAngular * SegundosPorRadiano);
        c.astigmatismo = N(to.astigmatismoAngular * SegundosPorRadiano);
        c.raioPetzval = TextoCurvatura(to.curvaturaPetzval, decimal, milhar);
        c.raioCampoMedio = TextoCurvatura(to.curvaturaMedia, decimal, milhar);
        const char* fmt = va.campoPlano               ? Recursos::FmtCampoPlano
                          : va.raioCurvaturaCampo > 0 ? Recursos::FmtConcavoSecundario
                                                      : Recursos::FmtConcavoPrimario;
        lados << TextoRecurso(fmt).arg(t.variantes[v]);
    }
    t.concavidade = lados.join(QStringLiteral("; ")) + QLatin1Char('.');
    if (r.perdidos > 0) t.perdidos = TextoRecurso(Recursos::FmtRaiosPerdidos).arg(r.perdidos);
    return t;
}

TextosAnalise TextosDaAnalise(const ResultadoAnalise& r) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return TextosDaAnalise(r, decimal, milhar);
}
