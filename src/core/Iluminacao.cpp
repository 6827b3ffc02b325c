// Field illumination of a two-mirror telescope with its baffles, and the baffle of least
// obstruction that keeps sky light off the field.
#include "Iluminacao.h"

#include "Optica.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>

// vignetting by exact ray trace through the stops and obstructions: Smith, Modern Optical
// Engineering, ch. 6 (stops, pupils and vignetting); the search: Press et al., Numerical
// Recipes, ch. 9 (bisection) and ch. 10 (golden section).

// How many rays. The primary's disc is sampled on a square grid of AmostrasIluminacao = 72
// cells per radius (about 16 300 points on the disc), uniform in area; the bundle is symmetric
// about the meridional plane, so only one half is traced (each point counts twice): about
// 8 100 rays per height, 200 000 for a curve of 25 heights. One point is 1/16 000 of the
// on-axis count, sixteen times finer than the 0,1 % that decides the fully lit field, and a
// shadow's edge moving across the grid changes the count by a few points, so the curve is
// smooth to about 0,05 %; the 25 heights stay near the 20 ms a live window can afford.

namespace {
bool Finitos(std::initializer_list<double> v) {
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}
} // namespace

bool GeometriaDoProjeto(const TProjeto& P, int variante, GeometriaIluminacao& g) {
    g = {};
    if (!Finitos({P.D1, P.F, P.e, P.i, P.gamma, P.d, P.p, P.D2, P.r1, P.r2, P.DDi, P.DDe, P.SSDe,
                  P.LTotal}))
        return false;
    if (!(P.D1 > 0) || !(P.F > 0) || !(P.e > 0) || !(P.i > 0) || !(P.gamma > 1) || !(P.d > 0) ||
        !(P.D2 > 0) || !(P.r1 > 0) || !(P.r2 > 0))
        return false;
    const ConicasProjeto c = ConicasVariante(P, variante);
    double s1 = 0, s2 = 0;
    if (!Finitos({c.b1, c.b2}) || !FlechaConica({P.r1, c.b1}, P.D1 / 2, s1) ||
        !FlechaConica({P.r2, c.b2}, P.D2 / 2, s2))
        return false;
    g.sistema = SistemaDoProjeto(P, c.b1, c.b2);
    g.F = P.F;
    g.zSuporte = P.d;
    g.raioSuporte = std::max(P.SSDe, P.D2) / 2;
    double furo = DiametroFuro(g.sistema, P);
    if (P.DDi > 0 && P.LTotal > 0) {
        TProjeto B = P;
        CalcularDefletor(B);
        if (!Finitos({B.L, B.Z1})) return false;
        g.tubo = true;
        g.zTubo = B.L;
        g.raioInternoTubo = P.DDi / 2;
        g.raioExternoTubo = std::max(P.DDe, P.DDi) / 2;
        if (B.Z1 > 0) furo = std::max(furo, std::max(P.DDe, P.DDi)); // the tube goes through
        CalcularGlares(B, [&](const LinhaGlare& l) {
            if (l.Posicao < P.e) g.diafragmas.push_back({-l.Posicao, l.Diametro / 2});
        });
    }
    g.sistema.primario.raioFuro = std::isfinite(furo) ? furo / 2 : 0;
    return true;
}

ContagemIluminacao ContarRaios(const GeometriaIluminacao& g, double theta, int amostras) {
    ContagemIluminacao r;
    const SistemaDoisEspelhos& S = g.sistema;
    const double R1 = S.primario.raioExterno;
    const int M = std::max(amostras, 1);
    const double s = R1 / M;
    const double c1 = Curvatura(S.primario.forma), k1 = 1 + S.primario.forma.b;
    const double c2 = Curvatura(S.secundario.forma), k2 = 1 + S.secundario.forma.b;
    const double zS = S.secundario.zVertice;
    const double furo2 = std::pow(S.primario.raioFuro * (1 - FolgaBorda), 2);
    const double borda2 = std::pow(S.secundario.raioExterno * (1 + FolgaBorda), 2);
    const double suporte2 = g.raioSuporte * g.raioSuporte;
    const double externo2 = g.raioExternoTubo * g.raioExternoTubo;
    const double interno2 = g.raioInternoTubo * g.raioInternoTubo;
    const double tg = std::tan(theta), sn = std::sin(theta), cs = std::cos(theta);
    double rhoMin2 = std::numeric_limits<double>::infinity();
    auto fora = [](double x, double y, double r2) { return x * x + y * y >= r2; };
    for (int a = 0; a < M; ++a) {
        const double px = (a + 0.5) * s; // the half x > 0; x < 0 is its mirror image
        for (int b = -M; b < M; ++b) {
            const double py = (b + 0.5) * s;
            const double rho2 = px * px + py * py;
            if (rho2 > R1 * R1) continue;
            r.total += 2;
            double w1 = 0;
            if (!FlechaConica(S.primario.forma, std::sqrt(rho2), w1)) continue;
            // From the sky: the ray through (px, py, w1) at angle theta.
            auto yEm = [&](double z) { return py - tg * (z - w1); };
            if (!fora(px, yEm(g.zSuporte), suporte2)) continue;
            if (g.tubo && g.zTubo > w1 && !fora(px, yEm(g.zTubo), externo2)) continue;
            if (rho2 < furo2) continue;
            // To the secondary.
            double ux = 0, uy = sn, uz = -cs;
            RefletirConica(c1, k1, px, py, w1, ux, uy, uz);
            const double t2 = RaizConica(c2, k2, px, py, w1 - zS, ux, uy, uz);
            if (std::isnan(t2)) continue;
            const double bx = px + t2 * ux, by = py + t2 * uy, bz = w1 + t2 * uz;
            if (bx * bx + by * by > borda2) continue;
            if (g.tubo && g.zTubo > w1 && g.zTubo < bz) {
                const double t = (g.zTubo - w1) / uz;
                if (!fora(px + t * ux, py + t * uy, externo2)) continue;
            }
            // To the image plane, through the tube's front rim and the stops.
            RefletirConica(c2, k2, bx, by, bz - zS, ux, uy, uz);
            if (!(uz < 0) || !((S.zImagem - bz) / uz > 0)) continue;
            auto dentro = [&](double z, double raio2) {
                if (!(z < bz && z > S.zImagem)) return true;
                const double t = (z - bz) / uz;
                return !fora(bx + t * ux, by + t * uy, raio2 * (1 + 1e-12));
            };
            if (g.tubo && !dentro(g.zTubo, interno2)) continue;
            bool passa = true;
            for (const DiafragmaIluminacao& d : g.diafragmas)
                if (!dentro(d.z, d.raio * d.raio)) {
                    passa = false;
                    break;
                }
            if (!passa) continue;
            r.contados += 2;
            rhoMin2 = std::min(rhoMin2, rho2);
        }
    }
    r.rhoMinimo = r.contados > 0 ? std::sqrt(rhoMin2) : 0;
    return r;
}

bool AlturaDoNivel(const std::vector<double>& alturas, const std::vector<double>& relativa,
                   double nivel, double& altura) {
    for (std::size_t k = 1; k < alturas.size() && k < relativa.size(); ++k)
        if (relativa[k] < nivel) {
            const double a = relativa[k - 1], b = relativa[k];
            const double f = a > b ? (a - nivel) / (a - b) : 0;
            altura = alturas[k - 1] + f * (alturas[k] - alturas[k - 1]);
            return true;
        }
    return false;
}

ResultadoIluminacao CalcularIluminacao(const GeometriaIluminacao& g, double alturaMaxima, int n,
                                       int amostras) {
    ResultadoIluminacao r;
    n = std::max(n, 2);
    std::vector<long> contagem(n);
    ContagemIluminacao eixo;
    auto faixa = [&](int de, int ate) {
        for (int k = de; k < ate; ++k) {
            const double h = alturaMaxima * k / (n - 1);
            const ContagemIluminacao c = ContarRaios(g, std::atan(h / g.F), amostras);
            if (k == 0) eixo = c;
            contagem[k] = c.contados;
        }
    };
    // The heights are independent: the upper half is counted on a second thread.
    std::future<void> outra = std::async(std::launch::async, faixa, n / 2, n);
    faixa(0, n / 2);
    outra.get();
    for (int k = 0; k < n; ++k)
        r.alturas.push_back(alturaMaxima * k / (n - 1));
    if (eixo.contados <= 0 || eixo.total <= 0) return r;
    for (long c : contagem)
        r.relativa.push_back(static_cast<double>(c) / static_cast<double>(eixo.contados));
    r.transmissao = static_cast<double>(eixo.contados) / static_cast<double>(eixo.total);
    r.obstrucaoArea = 1 - r.transmissao;
    r.obstrucaoDiametro = eixo.rhoMinimo / g.sistema.primario.raioExterno;
    for (int k = 0; k < 3; ++k) {
        double h = 0;
        r.alem[k] = !AlturaDoNivel(r.alturas, r.relativa, NiveisIluminacao[k], h);
        r.diametros[k] = 2 * (r.alem[k] ? alturaMaxima : h);
    }
    r.valida = true;
    return r;
}

ResultadoIluminacao CalcularIluminacao(const TProjeto& projeto, int variante) {
    GeometriaIluminacao g;
    if (!GeometriaDoProjeto(projeto, variante, g)) return {};
    return CalcularIluminacao(g, 1.5 * projeto.i / 2);
}

// ---- the baffle of least obstruction ----------------------------------------------------

double EspessuraParede(const TProjeto& P) {
    const double w = (P.DDe - P.DDi) / 2;
    return w > 0 && std::isfinite(w) ? w : 1.0;
}

TProjeto ProjetoComDefletor(const TProjeto& projeto, double DDi, double SSDe) {
    TProjeto P = projeto;
    const double parede = EspessuraParede(projeto);
    P.DDi = DDi;
    P.DDe = DDi + 2 * parede;
    P.SSDe = SSDe;
    if (!(P.LTotal > 0)) P.LTotal = std::max(ComprimentoDefletor(P.d, P.e, P.i, P.D2, DDi), 1.0);
    CalcularDefletor(P);
    return P;
}

double FolgaLuzDireta(const TProjeto& P) {
    std::vector<LinhaGlare> glares;
    CalcularGlares(P, [&](const LinhaGlare& l) { glares.push_back(l); });
    return VerificarLuzDireta(AberturasLuzDireta(P, glares, P.DDi > 0 && P.LTotal > 0)).folga;
}

AvaliacaoDefletor AvaliarDefletor(const TProjeto& P, int variante, double campo, int amostras) {
    AvaliacaoDefletor a;
    GeometriaIluminacao g;
    if (!GeometriaDoProjeto(P, variante, g)) return a;
    const ContagemIluminacao eixo = ContarRaios(g, 0, amostras);
    const ContagemIluminacao borda = ContarRaios(g, std::atan(campo / 2 / P.F), amostras);
    if (eixo.contados <= 0) return a;
    a.folga = FolgaLuzDireta(P);
    a.relativa = static_cast<double>(borda.contados) / static_cast<double>(eixo.contados);
    a.obstrucao = 1 - static_cast<double>(eixo.contados) / static_cast<double>(eixo.total);
    a.valida = true;
    return a;
}

// How the search works. The record's baffle is a family of two numbers: the tube's inner
// diameter DDi (which, through the baffle rule, also sets how far in front of the primary the
// tube begins) and the holder's diameter SSDe. For a fixed DDi the direct-light clearance can
// only fall as the holder grows (a larger disc is a higher floor in the check) and the
// obstruction can only rise, so the best holder for that DDi is the smallest that keeps sky
// light off the field: found by bisection on the exact check. That leaves one number, DDi: a
// wider tube reaches further out, needing a smaller holder but casting a larger shadow of its
// own, so the obstruction first falls then rises. A scan of 24 diameters brackets the minimum
// and a golden-section search refines it; every candidate must keep the required field lit at
// 100 %. A brute-force grid over both numbers confirms the result in the tests.
DefletorOtimizado OtimizarDefletor(const TProjeto& projeto, int variante, double campo,
                                   int amostras) {
    DefletorOtimizado melhor;
    const TProjeto& P = projeto;
    GeometriaIluminacao g0;
    if (!GeometriaDoProjeto(P, variante, g0) || !(P.d + P.e > 0) || !(P.D2 > P.i)) return melhor;
    // The tube's front from the primary's vertex (L = 0) to 0,9·d.
    auto diametroPara = [&](double L) {
        return (L * (P.D2 - P.i) + P.D2 * P.e + P.d * P.i) / (P.d + P.e);
    };
    const double lo = diametroPara(0.01 * P.d), hi = diametroPara(0.9 * P.d);
    const double teto = std::max(P.D1, P.D2);

    auto avaliar = [&](double DDi) {
        DefletorOtimizado r;
        r.DDi = DDi;
        // The smallest holder that blocks the direct light.
        double a = P.D2, b = teto;
        if (FolgaLuzDireta(ProjetoComDefletor(P, DDi, b)) > 0) return r;
        if (FolgaLuzDireta(ProjetoComDefletor(P, DDi, a)) <= 0) {
            b = a;
        } else {
            for (int k = 0; k < 48 && b - a > 1e-7 * teto; ++k) {
                const double m = (a + b) / 2;
                (FolgaLuzDireta(ProjetoComDefletor(P, DDi, m)) > 0 ? a : b) = m;
            }
        }
        const TProjeto Q = ProjetoComDefletor(P, DDi, b);
        const AvaliacaoDefletor av = AvaliarDefletor(Q, variante, campo, amostras);
        if (!av.valida || av.folga > 0 || av.relativa < NiveisIluminacao[0]) return r;
        r.encontrado = true;
        r.SSDe = b;
        r.DDe = Q.DDe;
        r.L = Q.L;
        r.folga = av.folga;
        r.obstrucaoArea = av.obstrucao;
        return r;
    };
    auto melhorQue = [](const DefletorOtimizado& x, const DefletorOtimizado& y) {
        return x.encontrado && (!y.encontrado || x.obstrucaoArea < y.obstrucaoArea ||
                                (x.obstrucaoArea == y.obstrucaoArea && x.SSDe < y.SSDe));
    };
    constexpr int N = 24;
    int kMelhor = -1;
    for (int k = 0; k <= N; ++k) {
        const DefletorOtimizado r = avaliar(lo + (hi - lo) * k / N);
        if (melhorQue(r, melhor)) {
            melhor = r;
            kMelhor = k;
        }
    }
    if (kMelhor < 0) return melhor;
    // Golden section in the bracket around the best of the scan.
    const double phi = (std::sqrt(5.0) - 1) / 2;
    double a = lo + (hi - lo) * std::max(kMelhor - 1, 0) / N;
    double b = lo + (hi - lo) * std::min(kMelhor + 1, N) / N;
    double x1 = b - phi * (b - a), x2 = a + phi * (b - a);
    DefletorOtimizado f1 = avaliar(x1), f2 = avaliar(x2);
    for (int k = 0; k < 16; ++k) {
        if (melhorQue(f1, melhor)) melhor = f1;
        if (melhorQue(f2, melhor)) melhor = f2;
        if (melhorQue(f2, f1)) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + phi * (b - a);
            f2 = avaliar(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - phi * (b - a);
            f1 = avaliar(x1);
        }
    }
    if (melhorQue(f1, melhor)) melhor = f1;
    if (melhorQue(f2, melhor)) melhor = f2;
    return melhor;
}

CalculoIluminacao CalcularEstudoIluminacao(const TProjeto& projeto, int variante, double campo,
                                           const CalculoIluminacao* anterior) {
    CalculoIluminacao c;
    TProjeto P = projeto;
    c.defletorAtual = P.DDi > 0 && P.LTotal > 0;
    if (c.defletorAtual) CalcularDefletor(P);
    c.DDi = P.DDi;
    c.DDe = P.DDe;
    c.L = P.L;
    c.SSDe = P.SSDe;
    c.meioCampo = P.i / 2;
    c.campo = campo;
    c.atual = CalcularIluminacao(P, variante);
    c.folgaAtual = c.defletorAtual ? FolgaLuzDireta(P) : 0;
    if (anterior) {
        c.defletor = anterior->defletor;
        c.otimizado = anterior->otimizado;
        return c;
    }
    c.defletor = OtimizarDefletor(P, variante, campo);
    if (c.defletor.encontrado)
        c.otimizado =
            CalcularIluminacao(ProjetoComDefletor(P, c.defletor.DDi, c.defletor.SSDe), variante);
    return c;
}
