// The to-scale side section of the designed telescope: outlines, traced rays, direct sky light.
#include "DesenhoEscala.h"

#include "AnaliseRaios.h"
#include "Calculo.h"
#include "NumeroTexto.h"
#include "Recursos.h"

#include <algorithm>
#include <cmath>
#include <limits>

// direct light as a linear program in the ray's height and slope, solved at the vertices of its
// feasible region: Chvátal, Linear Programming, ch. 2 and 16 (vertices, Chebyshev centre);
// hull pruning: de Berg et al., Computational Geometry, ch. 1 (monotone chain).

namespace {

// One constraint ca·altura + cs·inclinacao + ct·t ≤ b.
struct Restricao {
    double ca, cs, ct, b;
};

double Cruz(const QPointF& o, const QPointF& a, const QPointF& b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// The lower convex hull of points (x, c): only its vertices can bound a line from above.
std::vector<QPointF> CascoInferior(std::vector<QPointF> p) {
    std::sort(p.begin(), p.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    std::vector<QPointF> casco;
    for (const QPointF& q : p) {
        if (!casco.empty() && casco.back().x() == q.x()) continue; // the lowest at each x
        while (casco.size() >= 2 && Cruz(casco[casco.size() - 2], casco.back(), q) <= 0)
            casco.pop_back();
        casco.push_back(q);
    }
    return casco;
}

std::vector<QPointF> CascoSuperior(std::vector<QPointF> p) {
    for (QPointF& q : p)
        q.setY(-q.y());
    std::vector<QPointF> casco = CascoInferior(std::move(p));
    for (QPointF& q : casco)
        q.setY(-q.y());
    return casco;
}

// Cramer's rule for three constraints taken as equalities.
bool Resolver(const Restricao& r1, const Restricao& r2, const Restricao& r3, double v[3]) {
    const double m[3][3] = {{r1.ca, r1.cs, r1.ct}, {r2.ca, r2.cs, r2.ct}, {r3.ca, r3.cs, r3.ct}};
    const double b[3] = {r1.b, r2.b, r3.b};
    auto det = [](const double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
               a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double D = det(m);
    double escala = 0;
    for (const auto& linha : m)
        for (double x : linha)
            escala = std::max(escala, std::fabs(x));
    if (!(std::fabs(D) > 1e-12 * escala * escala * escala)) return false;
    for (int c = 0; c < 3; ++c) {
        double mc[3][3];
        for (int l = 0; l < 3; ++l)
            for (int k = 0; k < 3; ++k)
                mc[l][k] = k == c ? b[l] : m[l][k];
        v[c] = det(mc) / D;
    }
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

bool Satisfaz(const std::vector<Restricao>& todas, const double v[3]) {
    for (const Restricao& r : todas) {
        const double esquerda = r.ca * v[0] + r.cs * v[1] + r.ct * v[2];
        const double folga = 1e-9 * (1 + std::fabs(r.b) + std::fabs(r.ca * v[0]) +
                                     std::fabs(r.cs * v[1]) + std::fabs(v[2]));
        if (esquerda > r.b + folga) return false;
    }
    return true;
}

Restricao Teto(const QPointF& p) {
    return {1, p.x(), 1, p.y()}; // altura + inclinacao·x + t ≤ c
}
Restricao Piso(const QPointF& p) {
    return {-1, -p.x(), 1, -p.y()}; // altura + inclinacao·x − t ≥ f
}

QPointF Plano(const Vetor3& v) {
    return {-v.z, v.y};
}

// Where a segment from a to b crosses the plane z = 0, as the distance from the axis.
bool CruzaVertice(const Vetor3& a, const Vetor3& b, double& rho) {
    if (!(a.z > 0 && b.z < 0) && !(a.z < 0 && b.z > 0)) return false;
    const double u = a.z / (a.z - b.z);
    const double x = a.x + u * (b.x - a.x), y = a.y + u * (b.y - a.y);
    rho = std::sqrt(x * x + y * y);
    return true;
}

QRectF Retangulo(double x1, double y1, double x2, double y2) {
    return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

QString Mensagem(MotivoDesenho m) {
    switch (m) {
    case MotivoDesenho::Valido:
        return {};
    case MotivoDesenho::EntradasNulas:
        return TextoRecurso(Recursos::DesenhoEntradasNulas);
    case MotivoDesenho::Ampliacao:
        return TextoRecurso(Recursos::DesenhoAmpliacao);
    case MotivoDesenho::Geometria:
        return TextoRecurso(Recursos::DesenhoGeometria);
    case MotivoDesenho::ConicaIndefinida:
        return TextoRecurso(Recursos::DesenhoConicaIndefinida);
    case MotivoDesenho::NaoFinito:
        break;
    }
    return TextoRecurso(Recursos::DesenhoNaoFinito);
}

// Points per half-diameter of a drawn profile: chords of a sphere of radius r ≥ D1 over 1/400
// of the aperture depart from the curve by less than 1e-4 mm at these scales.
constexpr int PontosPerfil = 400;
} // namespace

LuzDireta VerificarLuzDireta(std::span<const AberturaLuz> aberturas) {
    LuzDireta r;
    std::vector<QPointF> tetos, pisos;
    for (const AberturaLuz& a : aberturas) {
        if (a.externa) {
            pisos.push_back({a.x, a.raio});
        } else {
            tetos.push_back({a.x, a.raio});
            pisos.push_back({a.x, -a.raio});
        }
    }
    if (tetos.empty()) { // nothing to pass through: any ray far enough out gets in
        r.atinge = true;
        r.folga = std::numeric_limits<double>::infinity();
        return r;
    }
    std::vector<Restricao> todas;
    for (const QPointF& p : tetos)
        todas.push_back(Teto(p));
    for (const QPointF& p : pisos)
        todas.push_back(Piso(p));

    double xMin = aberturas.front().x, xMax = xMin;
    for (const AberturaLuz& a : aberturas) {
        xMin = std::min(xMin, a.x);
        xMax = std::max(xMax, a.x);
    }
    if (xMin == xMax) {
        // Every plane at one x: the slope is free; the best height is midway.
        double teto = std::numeric_limits<double>::infinity();
        double piso = -teto;
        for (const QPointF& p : tetos)
            teto = std::min(teto, p.y());
        for (const QPointF& p : pisos)
            piso = std::max(piso, p.y());
        r.folga = (teto - piso) / 2;
        r.altura = (teto + piso) / 2;
        r.inclinacao = 0;
        r.atinge = r.folga > 0;
        return r;
    }

    std::vector<Restricao> ativas;
    for (const QPointF& p : CascoInferior(tetos))
        ativas.push_back(Teto(p));
    for (const QPointF& p : CascoSuperior(pisos))
        ativas.push_back(Piso(p));

    bool achou = false;
    double melhor[3] = {0, 0, -std::numeric_limits<double>::infinity()};
    const std::size_t n = ativas.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                double v[3];
                if (!Resolver(ativas[i], ativas[j], ativas[k], v)) continue;
                if (!Satisfaz(todas, v)) continue;
                if (!achou || v[2] > melhor[2]) {
                    std::copy(v, v + 3, melhor);
                    achou = true;
                }
            }
    if (!achou) { // cannot happen with a plane bounded on both sides; report it blocked
        r.folga = -std::numeric_limits<double>::infinity();
        return r;
    }
    r.altura = melhor[0];
    r.inclinacao = melhor[1];
    r.folga = melhor[2];
    r.atinge = r.folga > 0;
    return r;
}

std::vector<AberturaLuz> AberturasLuzDireta(const TProjeto& P, std::span<const LinhaGlare> glares,
                                            bool defletor) {
    std::vector<AberturaLuz> a;
    a.push_back({P.e, P.i / 2, false});
    const double suporte = P.SSDe > P.D2 ? P.SSDe : P.D2;
    a.push_back({-P.d, suporte / 2, true});
    if (defletor) {
        // Only what lies between the sky and the image plane is in the way.
        if (-P.L < P.e) a.push_back({-P.L, P.DDi / 2, false});
        for (const LinhaGlare& g : glares)
            if (g.Posicao < P.e) a.push_back({g.Posicao, g.Diametro / 2, false});
    }
    return a;
}

double DiametroFuro(const SistemaDoisEspelhos& sistemaProjeto, const TProjeto& P) {
    SistemaDoisEspelhos sistema = sistemaProjeto;
    sistema.secundario.raioExterno = std::numeric_limits<double>::infinity();
    const double R1 = P.D1 / 2;
    std::vector<PontoPupila> pupila;
    for (int k = -10; k <= 10; ++k)
        pupila.push_back({0, R1 * k / 10});
    for (int m = 0; m < 24; ++m) {
        const double fi = m * 2 * Pi / 24;
        pupila.push_back({R1 * std::sin(fi), R1 * std::cos(fi)});
    }
    double maximo = 0;
    for (int k = 0; k <= 4; ++k) {
        const double h = P.i / 2 * k / 4;
        const double theta = std::atan(h / P.F);
        for (const PontoPupila& pp : pupila) {
            Raio raio;
            if (!RaioDoFeixe(sistema, theta, pp.x, pp.y, P.d, raio)) continue;
            const TracadoRaio tr = TracarRaio(sistema, raio);
            double rho = 0;
            if (tr.chegou() && CruzaVertice(tr.pontos[2], tr.pontos[3], rho))
                maximo = std::max(maximo, rho);
        }
    }
    return 2 * maximo;
}

DadosDesenho CalcularDesenho(const TProjeto& projeto, int variante, double espessura, QChar decimal,
                             QChar milhar) {
    DadosDesenho D;
    D.variante = variante;
    const TProjeto& P = projeto;
    auto falhar = [&D](MotivoDesenho m) {
        D.motivo = m;
        D.mensagem = Mensagem(m);
        return D;
    };
    const double entradas[] = {P.D1, P.fD1, P.F, P.i,   P.gamma, P.d,      P.p,    P.D2,
                               P.r1, P.r2,  P.e, P.DDi, P.DDe,   P.LTotal, P.SSDe, espessura};
    for (double v : entradas)
        if (!Finito(v)) return falhar(MotivoDesenho::NaoFinito);
    QByteArray causas;
    const QStringList avisos = AvisosProjeto(P, &causas);
    if (!causas.isEmpty()) {
        falhar(causas[0] == 'A'   ? MotivoDesenho::Ampliacao
               : causas[0] == 'E' ? MotivoDesenho::EntradasNulas
                                  : MotivoDesenho::Geometria);
        D.mensagem = TextoRecurso(Recursos::DesenhoIrrealizavel).arg(avisos.join(u'\n'));
        return D;
    }
    if (!(P.D1 > 0) || !(P.fD1 > 0) || !(P.F > 0) || !(P.i > 0) || !(P.e > 0))
        return falhar(MotivoDesenho::EntradasNulas);
    if (!(P.gamma > 1)) return falhar(MotivoDesenho::Ampliacao);
    if (!(P.d > 0) || !(P.p > 0) || !(P.D2 > 0) || !(P.r1 > 0) || !(P.r2 > 0))
        return falhar(MotivoDesenho::Geometria);
    ConicasVariante(P, variante, D.b1, D.b2);
    double sagBorda1 = 0, sagBorda2 = 0;
    if (!Finito(D.b1) || !Finito(D.b2)) return falhar(MotivoDesenho::NaoFinito);
    if (!FlechaConica({P.r1, D.b1}, P.D1 / 2, sagBorda1) ||
        !FlechaConica({P.r2, D.b2}, P.D2 / 2, sagBorda2))
        return falhar(MotivoDesenho::ConicaIndefinida);
    const SistemaDoisEspelhos sistema = SistemaDoProjeto(P, D.b1, D.b2);
    auto N = [&](const char* formato, double valor) {
        return FormatarN(TextoRecurso(formato), valor, decimal, milhar);
    };

    // The baffle, recomputed on a copy from the record's baffle inputs.
    TProjeto B = P;
    D.defletor = TemDefletor(P);
    if (D.defletor) {
        DimensionarDefletor(B);
        CalcularGlares(B, [&D](const LinhaGlare& g) { D.linhasGlare.push_back(g); });
        if (!Finito(B.L) || !Finito(B.Z1)) return falhar(MotivoDesenho::NaoFinito);
    }
    const double DDe = std::max(P.DDe, P.DDi);

    D.furo = DiametroFuro(sistema, P);
    if (!Finito(D.furo) || !(D.furo > 0)) return falhar(MotivoDesenho::NaoFinito);
    D.espessura = espessura > 0 ? espessura : P.D1 / 6;
    const double t = D.espessura;

    // The primary: its conic from the hole's edge to the rim, flat back at the thickness; the
    // hole in the glass widened to the tube when the tube passes through the mirror.
    const double R1 = P.D1 / 2;
    D.furoVidro = D.furo;
    if (D.defletor && -B.L < t && B.Z1 > -sagBorda1) D.furoVidro = std::max(D.furo, DDe);
    const double rFuro = D.furoVidro / 2;
    if (rFuro < R1) {
        Polilinha cima;
        for (int k = 0; k <= PontosPerfil; ++k) {
            const double rho = rFuro + (R1 - rFuro) * k / PontosPerfil;
            double s = 0;
            FlechaConica({P.r1, D.b1}, rho, s);
            cima.push_back({-s, rho});
        }
        cima.push_back({t, R1});
        cima.push_back({t, rFuro});
        Polilinha baixo = cima;
        for (QPointF& q : baixo)
            q.setY(-q.y());
        D.primario = {std::move(cima), std::move(baixo)};
    }

    // The secondary: its conic over D2, flat back; then its holder behind it.
    const double R2 = P.D2 / 2;
    const double t2 = EspessuraSecundario(P.D2, sagBorda2);
    for (int k = -PontosPerfil; k <= PontosPerfil; ++k) {
        const double rho = R2 * k / PontosPerfil;
        double s = 0;
        FlechaConica({P.r2, D.b2}, std::fabs(rho), s);
        D.secundario.push_back({-(P.d + s), rho});
    }
    D.secundario.push_back({-(P.d + t2), R2});
    D.secundario.push_back({-(P.d + t2), -R2});
    const bool suporte = P.SSDe > 0;
    const double comprimentoSuporte = suporte ? P.SSDe / 2 : 0;
    const double frente = -(P.d + t2 + comprimentoSuporte);
    if (suporte) D.suporte.push_back(Retangulo(frente, -P.SSDe / 2, -(P.d + t2), P.SSDe / 2));

    // What stops a ray (in the trace's coordinates, z = −x). D2 and the stops are first-order
    // sizes: the exact marginal rays of the field's edge miss them by about D1 / 5000 at f/4 and
    // D1 / 1500 at f/2, so the fans pass every edge within D1 / 1000 and the secondary does not
    // limit them.
    const double folga = P.D1 / 1000;
    SistemaDoisEspelhos sistemaLeque = sistema;
    sistemaLeque.secundario.raioExterno = std::numeric_limits<double>::infinity();
    std::vector<Obstrucao> obstrucoes;
    obstrucoes.push_back({P.d + t2, 0, R2 - folga});
    if (suporte) obstrucoes.push_back({-frente, 0, P.SSDe / 2 - folga});
    if (D.defletor) {
        D.tubo.push_back(Retangulo(-B.L, P.DDi / 2, B.Z1, DDe / 2));
        D.tubo.push_back(Retangulo(-B.L, -P.DDi / 2, B.Z1, -DDe / 2));
        obstrucoes.push_back({B.L, P.DDi / 2 + folga, DDe / 2});
        const double largura = std::max((DDe - P.DDi) / 2, P.D1 / 400);
        for (const LinhaGlare& g : D.linhasGlare) {
            const double x = g.Posicao;
            D.glares.push_back(
                Retangulo(x - largura / 2, g.Diametro / 2, x + largura / 2, P.DDi / 2));
            D.glares.push_back(
                Retangulo(x - largura / 2, -g.Diametro / 2, x + largura / 2, -P.DDi / 2));
            if (g.Diametro / 2 + folga < P.DDi / 2)
                obstrucoes.push_back({-x, g.Diametro / 2 + folga, P.DDi / 2});
        }
    }

    // The fans: the on-axis bundle's and the field edge's marginal rays, from the front.
    D.xInicio = frente - 0.15 * P.D1;
    const double thetaBorda = std::atan(P.i / 2 / P.F);
    const struct {
        TipoRaio tipo;
        double theta, py;
    } leque[4] = {{TipoRaio::Eixo, 0, R1},
                  {TipoRaio::Eixo, 0, -R1},
                  {TipoRaio::Campo, thetaBorda, R1},
                  {TipoRaio::Campo, thetaBorda, -R1}};
    for (const auto& l : leque) {
        Raio raio;
        if (!RaioDoFeixe(sistemaLeque, l.theta, 0, l.py, -D.xInicio, raio)) continue;
        const TracadoRaio tr = TracarRaio(sistemaLeque, raio, obstrucoes);
        RaioDesenho rd;
        rd.tipo = l.tipo;
        rd.bloqueado = !tr.chegou();
        for (int k = 0; k < tr.nPontos; ++k)
            rd.pontos.push_back(Plano(tr.pontos[k]));
        D.raios.push_back(std::move(rd));
    }

    // The image plane and the field.
    const double meia = std::max(P.i, 0.1 * P.D1) * 0.75;
    D.planoImagem[0] = {P.e, -meia};
    D.planoImagem[1] = {P.e, meia};
    D.campo[0] = {P.e, -P.i / 2};
    D.campo[1] = {P.e, P.i / 2};

    // Direct sky light.
    const std::vector<AberturaLuz> aberturas = AberturasLuzDireta(B, D.linhasGlare, D.defletor);
    D.luz = VerificarLuzDireta(aberturas);
    D.veredito =
        TextoRecurso(D.luz.atinge ? Recursos::LuzDiretaAtinge : Recursos::LuzDiretaBloqueada);
    if (D.luz.atinge && Finito(D.luz.altura) && Finito(D.luz.inclinacao)) {
        RaioDesenho rd;
        rd.tipo = TipoRaio::LuzDireta;
        auto y = [&](double x) { return D.luz.altura + D.luz.inclinacao * x; };
        rd.pontos = {{D.xInicio, y(D.xInicio)}, {P.e, y(P.e)}};
        D.raios.push_back(std::move(rd));
    }

    // Dimension lines: d and e in one chain below the mirrors, p' under them, the tube above,
    // the hole behind the primary.
    const double passo = 0.12 * P.D1;
    D.cotas.push_back({{-P.d, -R2}, {0, -R1}, -R1 - passo, false, N(Recursos::RelDistD, P.d)});
    D.cotas.push_back({{0, -R1}, {P.e, -P.i / 2}, -R1 - passo, false, N(Recursos::RelDistE, P.e)});
    D.cotas.push_back({{-P.d, -R2},
                       {P.e, -P.i / 2},
                       -R1 - 2 * passo,
                       false,
                       N(Recursos::RelDistPLinha, P.pLinha)});
    if (D.defletor)
        D.cotas.push_back({{-B.L, DDe / 2},
                           {B.Z1, DDe / 2},
                           R1 + passo,
                           false,
                           N(Recursos::RelLTotal, B.LTotal)});
    D.textoFuro = N(Recursos::FmtFuroDesenho, D.furo);
    const double xFuro = std::max({t, P.e * 0.5});
    D.cotas.push_back({{t, -D.furo / 2}, {t, D.furo / 2}, xFuro, true, D.textoFuro});

    // Everything drawn.
    double xMax = std::max({P.e, t, xFuro});
    if (D.defletor) xMax = std::max(xMax, B.Z1);
    D.limites = QRectF(QPointF(D.xInicio, -R1 - 2.6 * passo),
                       QPointF(xMax + 0.05 * P.D1, R1 + (D.defletor ? 1.6 : 0.5) * passo));
    for (const RaioDesenho& r : D.raios)
        for (const QPointF& q : r.pontos)
            if (Finito(q.x()) && Finito(q.y())) {
                D.limites.setLeft(std::min(D.limites.left(), q.x()));
                D.limites.setRight(std::max(D.limites.right(), q.x()));
                D.limites.setTop(std::min(D.limites.top(), q.y()));
                D.limites.setBottom(std::max(D.limites.bottom(), q.y()));
            }
    D.motivo = MotivoDesenho::Valido;
    return D;
}

DadosDesenho CalcularDesenho(const TProjeto& projeto, int variante, double espessura) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return CalcularDesenho(projeto, variante, espessura, decimal, milhar);
}
