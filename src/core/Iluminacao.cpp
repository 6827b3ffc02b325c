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

// The smallest x in [a, b], to within `tolerancia`, at which `basta` holds, for a `basta` false
// below some x and true above it (a bisection); NaN when it fails at b.
template <class F> double Menor(double a, double b, double tolerancia, F&& basta) {
    if (!basta(b)) return NAN;
    if (basta(a)) return a;
    for (int k = 0; k < 64 && b - a > tolerancia; ++k) {
        const double m = (a + b) / 2;
        (basta(m) ? b : a) = m;
    }
    return b;
}

// The best of f(x) over [lo, hi] for a function with one minimum: a scan of n + 1 points brackets
// it and `passos` steps of a golden section refine it. melhorQue orders the results (an invalid
// one last); a scan that finds no valid result returns its first.
template <class F, class M>
auto MinimoAoLongo(double lo, double hi, int n, int passos, F&& f, M&& melhorQue) {
    auto melhor = f(lo);
    int kMelhor = 0;
    for (int k = 1; k <= n; ++k) {
        auto c = f(lo + (hi - lo) * k / n);
        if (melhorQue(c, melhor)) {
            melhor = std::move(c);
            kMelhor = k;
        }
    }
    if (!melhorQue(melhor, decltype(melhor){})) return melhor;
    const double phi = (std::sqrt(5.0) - 1) / 2;
    double a = lo + (hi - lo) * std::max(kMelhor - 1, 0) / n;
    double b = lo + (hi - lo) * std::min(kMelhor + 1, n) / n;
    double x1 = b - phi * (b - a), x2 = a + phi * (b - a);
    auto f1 = f(x1), f2 = f(x2);
    for (int k = 0; k < passos; ++k) {
        if (melhorQue(f2, f1)) {
            a = x1;
            x1 = x2;
            f1 = std::move(f2);
            x2 = a + phi * (b - a);
            f2 = f(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = std::move(f1);
            x1 = b - phi * (b - a);
            f1 = f(x1);
        }
    }
    if (melhorQue(f1, melhor)) melhor = std::move(f1);
    if (melhorQue(f2, melhor)) melhor = std::move(f2);
    return melhor;
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
    g.zCapuz = P.d;
    g.raioSuporte = std::max(P.SSDe, P.D2) / 2;
    double furo = DiametroFuro(g.sistema, P);
    if (TemDefletor(P)) {
        TProjeto B = P;
        DimensionarDefletor(B);
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

namespace {
// What the trace of one sky ray needs, fixed for a geometry and a field angle.
struct Feixe {
    const GeometriaIluminacao& g;
    double c1, k1, c2, k2, zS, furo2, borda2, suporte2, externo2, interno2, tg, sn, cs;
    Feixe(const GeometriaIluminacao& geo, double theta)
        : g(geo), c1(Curvatura(geo.sistema.primario.forma)), k1(1 + geo.sistema.primario.forma.b),
          c2(Curvatura(geo.sistema.secundario.forma)), k2(1 + geo.sistema.secundario.forma.b),
          zS(geo.sistema.secundario.zVertice),
          furo2(std::pow(geo.sistema.primario.raioFuro * (1 - FolgaBorda), 2)),
          borda2(std::pow(geo.sistema.secundario.raioExterno * (1 + FolgaBorda), 2)),
          suporte2(geo.raioSuporte * geo.raioSuporte),
          externo2(geo.raioExternoTubo * geo.raioExternoTubo),
          interno2(geo.raioInternoTubo * geo.raioInternoTubo), tg(std::tan(theta)),
          sn(std::sin(theta)), cs(std::cos(theta)) {}
};

// A counted ray's path: its point on the primary (p), on the secondary (b), and its directions
// towards the secondary (u1) and towards the image plane (u2).
struct Caminho {
    double px, py, pz, bx, by, bz;
    double u1x, u1y, u1z, u2x, u2y, u2z;
};

// The least squared distance from the axis of the line through (x, y, z) along (ux, uy, uz),
// uz ≠ 0, between the planes za and zb: the distance is a convex function along the line, so
// its least value is where the line comes nearest the axis or, outside [za, zb], at an end.
[[gnu::always_inline]] inline double MenorRaio2(double x, double y, double z, double ux, double uy,
                                                double uz, double za, double zb) {
    double ta = (za - z) / uz, tb = (zb - z) / uz;
    if (ta > tb) std::swap(ta, tb);
    const double a = ux * ux + uy * uy;
    const double t = std::clamp(a > 0 ? -(x * ux + y * uy) / a : ta, ta, tb);
    const double qx = x + t * ux, qy = y + t * uy;
    return qx * qx + qy * qy;
}

// The sky ray through (px, py, pz) at the field angle whose tangent is tg: its least squared
// distance from the axis between the planes za and zb (its height falls by tg per unit of z, so
// it is nearest where that height is least).
[[gnu::always_inline]] inline double Entrada2(double px, double py, double pz, double tg, double za,
                                              double zb) {
    const double ya = py - tg * (za - pz), yb = py - tg * (zb - pz);
    const double y = (ya > 0) != (yb > 0) ? 0 : std::min(std::fabs(ya), std::fabs(yb));
    return px * px + y * y;
}

// The sky ray that meets the primary's plane grid point (px, py) at rho2 = px² + py²: true when
// it gets past everything and reaches the image plane; its path in *c when given. With capuz2
// the holder and hood do not stop the incoming ray: *capuz2 is its least squared distance from
// the axis along them (it gets past a holder of radius r when r² ≤ *capuz2).
[[gnu::always_inline]] inline bool Seguir(const Feixe& f, double px, double py, double rho2,
                                          Caminho* c, double* capuz2 = nullptr) {
    const GeometriaIluminacao& g = f.g;
    const SistemaDoisEspelhos& S = g.sistema;
    double w1 = 0;
    if (!FlechaConica(S.primario.forma, std::sqrt(rho2), w1)) return false;
    // From the sky: the line through (px, py, w1) along (0, sn, −cs), outside the holder and its
    // hood, and outside the tube's wall down to the primary.
    const double m2 = Entrada2(px, py, w1, f.tg, g.zCapuz, g.zSuporte);
    if (capuz2)
        *capuz2 = m2;
    else if (m2 < f.suporte2)
        return false;
    if (g.tubo && g.zTubo > w1 && Entrada2(px, py, w1, f.tg, w1, g.zTubo) < f.externo2)
        return false;
    if (rho2 < f.furo2) return false;
    // To the secondary: outside the tube's wall, inside the hood's open end.
    double ux = 0, uy = f.sn, uz = -f.cs;
    RefletirConica(f.c1, f.k1, px, py, w1, ux, uy, uz);
    const double t2 = RaizConica(f.c2, f.k2, px, py, w1 - f.zS, ux, uy, uz);
    if (std::isnan(t2)) return false;
    const double bx = px + t2 * ux, by = py + t2 * uy, bz = w1 + t2 * uz;
    if (bx * bx + by * by > f.borda2) return false;
    if (g.tubo && g.zTubo > w1 &&
        MenorRaio2(px, py, w1, ux, uy, uz, w1, std::min(g.zTubo, bz)) < f.externo2)
        return false;
    auto dentroEm = [](double x, double y, double z, double vx, double vy, double vz, double zp,
                       double raio2) {
        const double t = (zp - z) / vz;
        const double qx = x + t * vx, qy = y + t * vy;
        return qx * qx + qy * qy <= raio2 * (1 + 1e-12);
    };
    const bool capuz = g.zCapuz < g.zSuporte;
    if (capuz && g.zCapuz > w1 && g.zCapuz < bz &&
        !dentroEm(px, py, w1, ux, uy, uz, g.zCapuz, f.suporte2))
        return false;
    const double u1x = ux, u1y = uy, u1z = uz;
    // To the image plane, through the hood's open end, the tube's front rim and the stops.
    RefletirConica(f.c2, f.k2, bx, by, bz - f.zS, ux, uy, uz);
    if (!(uz < 0) || !((S.zImagem - bz) / uz > 0)) return false;
    auto dentro = [&](double z, double raio2) {
        if (!(z < bz && z > S.zImagem)) return true;
        return dentroEm(bx, by, bz, ux, uy, uz, z, raio2);
    };
    if (capuz && !dentro(g.zCapuz, f.suporte2)) return false;
    if (g.tubo && !dentro(g.zTubo, f.interno2)) return false;
    for (const DiafragmaIluminacao& d : g.diafragmas)
        if (!dentro(d.z, d.raio * d.raio)) return false;
    if (c) *c = {px, py, w1, bx, by, bz, u1x, u1y, u1z, ux, uy, uz};
    return true;
}

// Every grid point of the primary's half disc x > 0 (the other half is its mirror image).
template <class F> void PercorrerGrade(double R1, int amostras, F&& f) {
    const int M = std::max(amostras, 1);
    const double s = R1 / M;
    for (int a = 0; a < M; ++a) {
        const double px = (a + 0.5) * s;
        for (int b = -M; b < M; ++b) {
            const double py = (b + 0.5) * s;
            const double rho2 = px * px + py * py;
            if (rho2 <= R1 * R1) f(px, py, rho2);
        }
    }
}
} // namespace

ContagemIluminacao ContarRaios(const GeometriaIluminacao& g, double theta, int amostras) {
    ContagemIluminacao r;
    const Feixe f(g, theta);
    double rhoMin2 = std::numeric_limits<double>::infinity();
    PercorrerGrade(g.sistema.primario.raioExterno, amostras,
                   [&](double px, double py, double rho2) {
                       r.total += 2;
                       if (!Seguir(f, px, py, rho2, nullptr)) return;
                       r.contados += 2;
                       rhoMin2 = std::min(rhoMin2, rho2);
                   });
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
    DimensionarDefletor(P);
    return P;
}

double FolgaLuzDireta(const TProjeto& P) {
    std::vector<LinhaGlare> glares;
    CalcularGlares(P, [&](const LinhaGlare& l) { glares.push_back(l); });
    return VerificarLuzDireta(AberturasLuzDireta(P, glares, TemDefletor(P))).folga;
}

AvaliacaoDefletor AvaliarGeometria(const GeometriaIluminacao& g, double campo, double folga,
                                   int amostras) {
    AvaliacaoDefletor a;
    const ContagemIluminacao eixo = ContarRaios(g, 0, amostras);
    const ContagemIluminacao borda = ContarRaios(g, std::atan(campo / 2 / g.F), amostras);
    if (eixo.contados <= 0) return a;
    a.folga = folga;
    a.relativa = static_cast<double>(borda.contados) / static_cast<double>(eixo.contados);
    a.obstrucao = 1 - static_cast<double>(eixo.contados) / static_cast<double>(eixo.total);
    a.valida = true;
    return a;
}

AvaliacaoDefletor AvaliarDefletor(const TProjeto& P, int variante, double campo, int amostras) {
    GeometriaIluminacao g;
    if (!GeometriaDoProjeto(P, variante, g)) return {};
    return AvaliarGeometria(g, campo, FolgaLuzDireta(P), amostras);
}

namespace {
// What a baffle must keep at the kept field's edge, given what the mirrors alone give there.
double Exigida(double semDefletor) {
    return NiveisIluminacao[0] * std::min(1.0, semDefletor);
}
TProjeto SemDefletor(const TProjeto& projeto);
} // namespace

double IluminacaoExigida(const TProjeto& P, int variante, double campo, int amostras) {
    GeometriaIluminacao g;
    if (!GeometriaDoProjeto(SemDefletor(P), variante, g)) return NiveisIluminacao[0];
    const ContagemIluminacao eixo = ContarRaios(g, 0, amostras);
    const ContagemIluminacao borda = ContarRaios(g, std::atan(campo / 2 / P.F), amostras);
    if (eixo.contados <= 0) return NiveisIluminacao[0];
    return Exigida(static_cast<double>(borda.contados) / static_cast<double>(eixo.contados));
}

// How the record family's search works. The record's baffle is a family of two numbers: the tube's
// inner diameter DDi (which, through the baffle rule, also sets how far in front of the primary the
// tube begins) and the holder's diameter SSDe. For a fixed DDi the direct-light clearance can
// only fall as the holder grows (a larger disc is a higher floor in the check) and the
// obstruction can only rise, so the best holder for that DDi is the smallest that keeps sky
// light off the field: found by bisection on the exact check. That leaves one number, DDi: a
// wider tube reaches further out, needing a smaller holder but casting a larger shadow of its
// own, so the obstruction first falls then rises. A scan of 24 diameters brackets the minimum
// and a golden-section search refines it; every candidate must keep the required field lit at
// 100 %. A brute-force grid over both numbers confirms the result in the tests.
DefletorOtimizado OtimizarDefletorRegistro(const TProjeto& projeto, int variante, double campo,
                                           int amostras) {
    const TProjeto& P = projeto;
    GeometriaIluminacao g0;
    if (!GeometriaDoProjeto(P, variante, g0) || !(P.d + P.e > 0) || !(P.D2 > P.i)) return {};
    // The tube's front from the primary's vertex (L = 0) to 0,9·d.
    auto diametroPara = [&](double L) {
        return (L * (P.D2 - P.i) + P.D2 * P.e + P.d * P.i) / (P.d + P.e);
    };
    const double lo = diametroPara(0.01 * P.d), hi = diametroPara(0.9 * P.d);
    const double teto = std::max(P.D1, P.D2);
    const double exigida = IluminacaoExigida(P, variante, campo, amostras);

    auto avaliar = [&](double DDi) {
        DefletorOtimizado r;
        r.DDi = DDi;
        // The smallest holder that blocks the direct light.
        const double SSDe = Menor(P.D2, teto, 1e-7 * teto, [&](double d) {
            return FolgaLuzDireta(ProjetoComDefletor(P, DDi, d)) <= 0;
        });
        if (std::isnan(SSDe)) return r;
        const TProjeto Q = ProjetoComDefletor(P, DDi, SSDe);
        const AvaliacaoDefletor av = AvaliarDefletor(Q, variante, campo, amostras);
        if (!av.valida || av.folga > 0 || av.relativa < exigida) return r;
        r.encontrado = true;
        r.SSDe = SSDe;
        r.DDe = Q.DDe;
        r.L = Q.L;
        r.LTotal = Q.LTotal;
        r.relativa = av.relativa;
        r.folga = av.folga;
        r.obstrucaoArea = av.obstrucao;
        return r;
    };
    auto melhorQue = [](const DefletorOtimizado& x, const DefletorOtimizado& y) {
        return x.encontrado && (!y.encontrado || x.obstrucaoArea < y.obstrucaoArea ||
                                (x.obstrucaoArea == y.obstrucaoArea && x.SSDe < y.SSDe));
    };
    const DefletorOtimizado melhor = MinimoAoLongo(lo, hi, 24, 16, avaliar, melhorQue);
    return melhor.encontrado ? melhor : DefletorOtimizado{};
}

// ---- the free family: the tube's front and the hood's reach chosen too ---------------------

namespace {
// The design without the record's baffle: no tube, a flat holder no larger than the secondary.
TProjeto SemDefletor(const TProjeto& projeto) {
    TProjeto P = projeto;
    P.DDi = P.DDe = P.LTotal = P.SSDe = 0;
    return P;
}

// How far behind the primary the tube ends: where the record's tube ends, or the primary's
// surface when there is none.
double FundoDoTubo(const TProjeto& P) {
    if (!TemDefletor(P)) return 0;
    TProjeto B = P;
    DimensionarDefletor(B);
    return std::isfinite(B.Z1) ? std::max(B.Z1, 0.0) : 0;
}

// The largest distance from the axis, at planes along the telescope, of the rays that light the
// kept field (traced without any baffle, at the heights 0, campo/4 and campo/2 over the same grid
// as the count, so a baffle that clears these lines cuts none of the rays counted there): on the
// way back from the secondary (volta), and on both ways (ambos, between the primary and the
// secondary). Each line's distance from the axis is convex along it, so their largest is convex
// too, and the straight interpolation between the planes is never below it.
class Envoltoria {
public:
    Envoltoria(const GeometriaIluminacao& g, double campo, int amostras) {
        z0_ = g.sistema.zImagem;
        z1_ = g.zSuporte;
        volta_.assign(N, 0);
        ambos_.assign(N, 0);
        const double alturas[3] = {0, campo / 4, campo / 2};
        for (double h : alturas) {
            const Feixe f(g, std::atan(h / g.F));
            PercorrerGrade(g.sistema.primario.raioExterno, amostras,
                           [&](double px, double py, double rho2) {
                               Caminho c;
                               if (Seguir(f, px, py, rho2, &c)) somar(c);
                           });
        }
        for (int j = 0; j < N; ++j)
            ambos_[j] = std::max(ambos_[j], volta_[j]);
    }
    double volta(double z) const { return interpolar(volta_, z); }
    double ambos(double z) const { return interpolar(ambos_, z); }

private:
    static constexpr int N = 160;
    double z0_ = 0, z1_ = 0;
    std::vector<double> volta_, ambos_;
    double zNo(int j) const { return z0_ + (z1_ - z0_) * j / (N - 1); }
    void somar(const Caminho& c) {
        for (int j = 0; j < N; ++j) {
            const double z = zNo(j);
            if (z <= c.bz) {
                const double t = (z - c.bz) / c.u2z;
                const double x = c.bx + t * c.u2x, y = c.by + t * c.u2y;
                volta_[j] = std::max(volta_[j], x * x + y * y);
            }
            if (z >= c.pz && z <= c.bz) {
                const double t = (z - c.pz) / c.u1z;
                const double x = c.px + t * c.u1x, y = c.py + t * c.u1y;
                ambos_[j] = std::max(ambos_[j], x * x + y * y);
            }
        }
    }
    // The tables hold squared distances, convex along z too: their straight interpolation is
    // never below them either.
    double interpolar(const std::vector<double>& t, double z) const {
        const double u = std::clamp((z - z0_) / (z1_ - z0_) * (N - 1), 0.0, double(N - 1));
        const int j = std::min(static_cast<int>(u), N - 2);
        return std::sqrt(t[j] + (u - j) * (t[j + 1] - t[j]));
    }
};

} // namespace

// The optimiser gives raioImagem the envelope's radius on the image plane: the straight line from
// the front rim to it clears every line of the envelope between them, by its convexity.
std::vector<DiafragmaIluminacao> DiafragmasDefletor(double L, double DDi, double fundo, int nG,
                                                    double zImagem, double raioImagem) {
    std::vector<DiafragmaIluminacao> d;
    nG = std::max(nG, 2);
    for (int k = 0; k < nG; ++k) {
        const double z = -fundo + (L + fundo) * k / (nG - 1);
        if (!(z > zImagem)) continue;
        const double f = (L - z) / (L - zImagem);
        d.push_back({z, DDi / 2 + f * (raioImagem - DDi / 2)});
    }
    return d;
}
bool GeometriaComDefletor(const TProjeto& P, int variante, const DefletorOtimizado& d,
                          GeometriaIluminacao& g) {
    if (!GeometriaDoProjeto(SemDefletor(P), variante, g)) return false;
    g.raioSuporte = std::max(d.SSDe, P.D2) / 2;
    g.zCapuz = P.d - std::max(d.alcance, 0.0);
    g.tubo = true;
    g.zTubo = d.L;
    g.raioInternoTubo = d.DDi / 2;
    g.raioExternoTubo = std::max(d.DDe, d.DDi) / 2;
    g.diafragmas = d.diafragmas;
    if (d.LTotal > d.L) // the tube goes through the primary
        g.sistema.primario.raioFuro = std::max(g.sistema.primario.raioFuro, g.raioExternoTubo);
    return true;
}

std::vector<AberturaLuz> AberturasDefletor(const TProjeto& P, const DefletorOtimizado& d,
                                           double campoLuz) {
    std::vector<AberturaLuz> a;
    a.push_back({P.e, campoLuz / 2, false});
    const double suporte = std::max(d.SSDe, P.D2) / 2;
    a.push_back({-P.d, suporte, true});
    if (d.alcance > 0) a.push_back({-P.d + d.alcance, suporte, true});
    if (-d.L < P.e) a.push_back({-d.L, d.DDi / 2, false});
    for (const DiafragmaIluminacao& s : d.diafragmas)
        if (-s.z < P.e) a.push_back({-s.z, s.raio, false});
    return a;
}

ResultadoIluminacao CalcularIluminacao(const TProjeto& P, int variante,
                                       const DefletorOtimizado& d) {
    if (!d.encontrado) return {};
    if (!d.livre) return CalcularIluminacao(ProjetoComDefletor(P, d.DDi, d.SSDe), variante);
    GeometriaIluminacao g;
    if (!GeometriaComDefletor(P, variante, d, g)) return {};
    return CalcularIluminacao(g, 1.5 * P.i / 2);
}

// How the free family's search works. Four numbers: the tube's front L, its inner diameter
// DDi, the hood's diameter and its reach. Two of them follow from the other two:
// - For a front L, the smallest DDi that cuts no ray of the kept field is the envelope's radius
//   there; any smaller cuts the field, any larger only lets more sky light in and widens the
//   tube's own shadow. The stops lie on the line that clears the field, as narrow as they can.
// - For a tube and a reach, the hood is the smallest that keeps sky light off the field (the
//   direct-light clearance only falls as it grows: a bisection on the exact check), that is no
//   narrower than the envelope at its open end nor than D2, and that keeps the field lit at
//   100 %: off the axis the hood's shadow moves away from the hole's and the tube's, and the
//   rays lost in between darken the field's edge unless the hood's shadow covers them. Each sky
//   ray gets past a hood narrower than its own least distance from the axis along it, so one
//   trace of the rays (the hood left out) gives the counts for every diameter: the smallest
//   diameter that keeps the edge at 100 % of the axis is read off the sorted distances.
// - What is minimised is then the on-axis obstruction by area, counted. Moving the front towards
//   the secondary widens the tube but lets a smaller hood block the sky; a longer reach lets a
//   smaller hood block it but its open end must widen to let the beam through: along each number
//   one shadow grows while another shrinks, so the obstruction has one minimum along each. A
//   scan brackets it and a golden section refines it, over the front for each reach and over the
//   reach outside. Only the rays that get through without any baffle are traced per candidate.
// Deciding 0,1 % takes the full grid (a coarser one misjudges it and leads the search astray),
// so each candidate is judged on the stored paths of the full grid. The result is counted again
// by the ordinary trace. A brute-force grid over all four numbers confirms it in the tests.
DefletorOtimizado OtimizarDefletor(const TProjeto& projeto, int variante, double campo,
                                   int amostras) {
    DefletorOtimizado resultado;
    resultado.livre = true;
    const TProjeto& P = projeto;
    GeometriaIluminacao g0;
    if (!GeometriaDoProjeto(SemDefletor(P), variante, g0) || !(campo > 0) || !(P.d > 0))
        return resultado;
    const Envoltoria env(g0, campo, amostras);
    const SistemaDoisEspelhos& S = g0.sistema;
    const double R1 = S.primario.raioExterno;
    const double parede = EspessuraParede(P);
    const double fundo = FundoDoTubo(P);
    const int nG = std::max<int>(P.nG, 2);
    const double raioImagem = env.volta(S.zImagem);
    const double campoLuz = CampoEscuro(P, campo);
    const double thetas[2] = {0, std::atan(campo / 2 / P.F)};

    // The rays of one grid that get through without a baffle (no baffle lets more through), at
    // both heights: only they are traced for each candidate.
    // Their paths are kept: against a candidate only the tube's wall, the hole the tube widens
    // and the hood's outside can stop them (the tube's rim, the stops and the hood's open end
    // clear the envelope), and those are tested on the stored lines without tracing again.
    // For each path: its point on the primary, and where its way up to the secondary comes
    // nearest the axis (zPerto, at the squared distance perto2; kq·(z − zPerto)² more elsewhere).
    struct Raio {
        double px, py, pz, rho2, bz, zPerto, perto2, kq;
    };
    struct Grade {
        long total = 0;
        std::vector<Raio> raios[2];
        double exigida = NiveisIluminacao[0];
    };
    Grade grade;
    for (int h = 0; h < 2; ++h) {
        const Feixe f(g0, thetas[h]);
        grade.total = 0;
        PercorrerGrade(R1, amostras, [&](double px, double py, double rho2) {
            grade.total += 2;
            Caminho c;
            if (!Seguir(f, px, py, rho2, &c)) return;
            const double a = c.u1x * c.u1x + c.u1y * c.u1y;
            const double t = a > 0 ? -(c.px * c.u1x + c.py * c.u1y) / a : 0;
            const double qx = c.px + t * c.u1x, qy = c.py + t * c.u1y;
            grade.raios[h].push_back({c.px, c.py, c.pz, rho2, c.bz, c.pz + t * c.u1z,
                                      qx * qx + qy * qy, a / (c.u1z * c.u1z)});
        });
    }
    if (grade.raios[0].empty()) return resultado;
    grade.exigida = Exigida(static_cast<double>(grade.raios[1].size()) /
                            static_cast<double>(grade.raios[0].size()));

    struct Candidato {
        bool valido = false;
        double L = 0, alcance = 0, DDi = 0, DDe = 0, SSDe = 0, obstrucao = 0;
        std::vector<DiafragmaIluminacao> diafragmas;
    };
    auto melhorQue = [](const Candidato& x, const Candidato& y) {
        if (x.valido != y.valido) return x.valido;
        if (x.obstrucao != y.obstrucao) return x.obstrucao < y.obstrucao;
        return x.SSDe < y.SSDe;
    };
    auto defletorDe = [&](const Candidato& c, double SSDe) {
        DefletorOtimizado d;
        d.livre = true;
        d.L = c.L;
        d.DDi = c.DDi;
        d.DDe = c.DDe;
        d.SSDe = SSDe;
        d.alcance = c.alcance;
        d.LTotal = c.L + fundo;
        d.diafragmas = c.diafragmas;
        d.raioImagem = raioImagem;
        return d;
    };
    // The smallest hood from `minimo` up that keeps the edge lit at 100 %, and the obstruction
    // with it; false when none does.
    auto capuzIluminado = [&](const Candidato& c, double minimo, double& SSDe, double& obstrucao) {
        const Grade& gr = grade;
        // Each ray's least distance along the hood, with its height; n[h] the rays of height h
        // that get past a hood of radius² r2 (those whose distance is at least r2).
        const double r2min = minimo * minimo / 4;
        double r2 = r2min;
        long n[2] = {0, 0};
        std::vector<std::pair<double, int>> limiares;
        limiares.reserve(gr.raios[0].size() + gr.raios[1].size());
        const double externo2 = c.DDe * c.DDe / 4;
        const double furo2 = fundo > 0 ? std::pow(c.DDe / 2 * (1 - FolgaBorda), 2) : 0;
        const double zCapuz = P.d - c.alcance;
        for (int h = 0; h < 2; ++h) {
            const double tg = std::tan(thetas[h]);
            auto entrada2 = [tg](const Raio& k, double za, double zb) {
                return Entrada2(k.px, k.py, k.pz, tg, za, zb);
            };
            for (const Raio& k : gr.raios[h]) {
                if (k.rho2 < furo2) continue;
                if (c.L > k.pz) {
                    if (entrada2(k, k.pz, c.L) < externo2) continue;
                    const double z = std::clamp(k.zPerto, k.pz, std::min(c.L, k.bz));
                    if (k.perto2 + k.kq * (z - k.zPerto) * (z - k.zPerto) < externo2) continue;
                }
                const double m2 = entrada2(k, zCapuz, P.d);
                if (m2 >= r2) {
                    ++n[h];
                    limiares.push_back({m2, h});
                }
            }
        }
        auto iluminado = [&] {
            return n[0] > 0 && static_cast<double>(n[1]) >= gr.exigida * static_cast<double>(n[0]);
        };
        // The counts change only where a ray's distance is passed: widen the hood past the
        // nearest distances in turn (a heap gives them in order; usually few are needed, and
        // none when the edge is lit already).
        auto maior = [](const std::pair<double, int>& x, const std::pair<double, int>& y) {
            return x.first > y.first;
        };
        if (!iluminado()) std::make_heap(limiares.begin(), limiares.end(), maior);
        while (!iluminado()) {
            if (limiares.empty()) return false;
            r2 = limiares.front().first * (1 + 1e-12); // just past it, beyond the rounding
            while (!limiares.empty() && limiares.front().first < r2) {
                --n[limiares.front().second];
                std::pop_heap(limiares.begin(), limiares.end(), maior);
                limiares.pop_back();
            }
        }
        SSDe = 2 * std::sqrt(r2) * (1 + 1e-13);
        obstrucao = 1 - static_cast<double>(2 * n[0]) / static_cast<double>(gr.total);
        return true;
    };
    auto avaliar = [&](double L, double alcance) {
        Candidato c;
        c.L = L;
        c.alcance = alcance;
        if (!(L > 0) || !(P.d - alcance > L)) return c;
        c.DDi = 2 * env.volta(L) * (1 + 1e-9);
        c.DDe = c.DDi + 2 * parede;
        c.diafragmas = DiafragmasDefletor(L, c.DDi, fundo, nG, S.zImagem, raioImagem);
        const double envelope = alcance > 0 ? std::max(P.D2, 2 * env.ambos(P.d - alcance)) : P.D2;
        // The smallest hood that blocks the direct light.
        std::vector<AberturaLuz> ab = AberturasDefletor(P, defletorDe(c, envelope), campoLuz);
        auto folga = [&](double diametro) {
            for (AberturaLuz& a : ab)
                if (a.externa) a.raio = diametro / 2;
            return VerificarLuzDireta(ab).folga;
        };
        const double bloqueio = Menor(envelope, std::max(P.D1, envelope), 1e-7 * P.D1,
                                      [&](double d) { return folga(d) <= 0; });
        if (std::isnan(bloqueio)) return c;
        c.valido = capuzIluminado(c, bloqueio, c.SSDe, c.obstrucao);
        return c;
    };
    auto porAlcance = [&](double alcance) {
        const double hi = std::min(0.9 * P.d, (P.d - alcance) * 0.999);
        return MinimoAoLongo(
            0.01 * P.d, hi, 8, 10, [&](double L) { return avaliar(L, alcance); }, melhorQue);
    };
    const Candidato melhor = MinimoAoLongo(0, 0.6 * P.d, 5, 8, porAlcance, melhorQue);
    if (!melhor.valido) return resultado;

    resultado = defletorDe(melhor, melhor.SSDe);
    GeometriaIluminacao g;
    if (!GeometriaComDefletor(P, variante, resultado, g)) return resultado;
    const AvaliacaoDefletor av = AvaliarGeometria(
        g, campo, VerificarLuzDireta(AberturasDefletor(P, resultado, campoLuz)).folga, amostras);
    resultado.folga = av.folga;
    resultado.relativa = av.relativa;
    resultado.obstrucaoArea = av.obstrucao;
    resultado.encontrado = av.valida && av.folga <= 0 && av.relativa >= grade.exigida;
    return resultado;
}

CalculoIluminacao CalcularEstudoIluminacao(const TProjeto& projeto, int variante, double campo,
                                           const CalculoIluminacao* anterior) {
    CalculoIluminacao c;
    TProjeto P = projeto;
    c.defletorAtual = TemDefletor(P);
    if (c.defletorAtual) DimensionarDefletor(P);
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
        c.defletorRegistro = anterior->defletorRegistro;
        c.otimizadoRegistro = anterior->otimizadoRegistro;
        return c;
    }
    // The two searches are independent: the record family's runs on a second thread.
    std::future<void> registro = std::async(std::launch::async, [&] {
        c.defletorRegistro = OtimizarDefletorRegistro(P, variante, campo);
        c.otimizadoRegistro = CalcularIluminacao(P, variante, c.defletorRegistro);
    });
    c.defletor = OtimizarDefletor(P, variante, campo);
    c.otimizado = CalcularIluminacao(P, variante, c.defletor);
    registro.get();
    return c;
}
