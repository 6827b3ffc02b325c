// Focusing and collimation tolerances of the three variants.
#include "Tolerancias.h"

#include "Difracao.h"

#include <QJsonArray>
#include <QStringList>
#include <cmath>
#include <future>

// the two-mirror imaging equation and the misaligned secondary: Schroeder, Astronomical Optics
// (2nd ed.), ch. 6 (two-mirror telescopes, misalignment); the coma-free point: Wilson,
// Reflecting Telescope Optics I (2nd ed.), §3.7.2.

namespace {
// Illinois (modified regula falsi) for f(x) = 0 on [a, b] with f(a)·f(b) ≤ 0.
template <class Fn> double Illinois(Fn f, double a, double fa, double b, double fb, double tolX) {
    int lado = 0;
    for (int it = 0; it < 60; ++it) {
        const double c = (a * fb - b * fa) / (fb - fa);
        const double fc = f(c);
        if (fc == 0 || std::fabs(b - a) < tolX) return c;
        if ((fc > 0) == (fb > 0)) {
            b = c;
            fb = fc;
            if (lado == -1) fa /= 2;
            lado = -1;
        } else {
            a = c;
            fa = fc;
            if (lado == 1) fb /= 2;
            lado = 1;
        }
    }
    return (a * fb - b * fa) / (fb - fa);
}

// The smallest x > 0 with strehl(x) = 0,8. The aberration a small error x brings grows as x, so
// q = −ln S = (2πσ)² grows as q0 + k·x²: a secant on (x², q) from x = 0 and x = passo lands
// near the answer at once; every step keeps a bracket [a, b] (q(a) < q*, q(b) ≥ q*) once one
// is known and bisects whenever the secant leaves it. NaN when the Strehl is below 0,8 at x = 0
// or stays above it up to `maximo`.
template <class Fn> double LimiteStrehl(Fn strehl, double passo, double maximo) {
    const double alvo = -std::log(StrehlLimite);
    auto q = [&](double x) {
        const double s = strehl(x);
        return std::isfinite(s) && s > 0 ? -std::log(s) : INFINITY;
    };
    double a = 0, qa = q(0);
    if (!(qa < alvo)) return NAN;
    double b = INFINITY, qb = INFINITY;
    double x0 = 0, q0 = qa, x1 = passo, q1 = q(passo);
    for (int it = 0; it < 40; ++it) {
        if (q1 < alvo) {
            a = x1, qa = q1;
        } else {
            b = x1, qb = q1;
        }
        if (std::isfinite(b) && b - a < 1e-4 * b) break; // x to 0,01 %
        double x2 = NAN;
        if (std::isfinite(q1) && std::isfinite(q0) && q1 != q0) {
            const double u0 = x0 * x0, u1 = x1 * x1;
            const double u2 = u1 + (alvo - q1) * (u1 - u0) / (q1 - q0);
            if (u2 > 0) x2 = std::sqrt(u2);
        }
        const bool fora = !(x2 > a) || (std::isfinite(b) ? !(x2 < b) : !(x2 < 4 * x1 + passo));
        if (fora) x2 = std::isfinite(b) ? (a + b) / 2 : 2 * std::max(x1, a);
        if (!std::isfinite(b) && x2 > maximo) {
            x2 = maximo;
            if (a >= maximo) return NAN;
        }
        x0 = x1, q0 = q1, x1 = x2, q1 = q(x2);
        if (std::fabs(q1 - alvo) < 1e-4 * alvo) return x1;
    }
    if (!std::isfinite(b)) return NAN;
    // the last bracket, interpolated in (x², q)
    const double u = a * a + (alvo - qa) * (b * b - a * a) / (qb - qa);
    return std::isfinite(qb) && u > 0 ? std::sqrt(u) : (a + b) / 2;
}

// Least squares W ≈ Σ aₖ·fₖ(x, y) over the cells that pass light (x, y in units of the grid's
// radius), with the basis 1, x, y, ρ², x·ρ², y·ρ² cut to its first `termos`; the residual's
// RMS. False when the normal equations are singular.
bool Ajustar(const FrenteOnda& f, int termos, double coef[6], double& rms) {
    double s[6][6] = {}, t[6] = {};
    auto base = [](double x, double y, double b[6]) {
        const double r2 = x * x + y * y;
        b[0] = 1, b[1] = x, b[2] = y, b[3] = r2, b[4] = x * r2, b[5] = y * r2;
    };
    const double passo = 2.0 / f.n;
    int celulas = 0;
    for (int iy = 0; iy < f.n; ++iy)
        for (int ix = 0; ix < f.n; ++ix) {
            const std::size_t i = static_cast<std::size_t>(iy) * f.n + ix;
            if (!f.dentro[i]) continue;
            double b[6];
            base((ix + 0.5 - f.n / 2.0) * passo, (iy + 0.5 - f.n / 2.0) * passo, b);
            for (int j = 0; j < termos; ++j) {
                t[j] += b[j] * f.opd[i];
                for (int k = 0; k < termos; ++k)
                    s[j][k] += b[j] * b[k];
            }
            ++celulas;
        }
    if (celulas <= termos) return false;
    // Gaussian elimination with partial pivoting.
    for (int c = 0; c < termos; ++c) {
        int piv = c;
        for (int r = c + 1; r < termos; ++r)
            if (std::fabs(s[r][c]) > std::fabs(s[piv][c])) piv = r;
        if (s[piv][c] == 0) return false;
        for (int k = 0; k < termos; ++k)
            std::swap(s[c][k], s[piv][k]);
        std::swap(t[c], t[piv]);
        for (int r = c + 1; r < termos; ++r) {
            const double m = s[r][c] / s[c][c];
            for (int k = c; k < termos; ++k)
                s[r][k] -= m * s[c][k];
            t[r] -= m * t[c];
        }
    }
    for (int c = termos - 1; c >= 0; --c) {
        double v = t[c];
        for (int k = c + 1; k < termos; ++k)
            v -= s[c][k] * coef[k];
        coef[c] = v / s[c][c];
    }
    double soma = 0;
    for (int iy = 0; iy < f.n; ++iy)
        for (int ix = 0; ix < f.n; ++ix) {
            const std::size_t i = static_cast<std::size_t>(iy) * f.n + ix;
            if (!f.dentro[i]) continue;
            double b[6], w = f.opd[i];
            base((ix + 0.5 - f.n / 2.0) * passo, (iy + 0.5 - f.n / 2.0) * passo, b);
            for (int k = 0; k < termos; ++k)
                w -= coef[k] * b[k];
            soma += w * w;
        }
    rms = std::sqrt(soma / celulas);
    return true;
}

SistemaDoisEspelhos Deslocado(SistemaDoisEspelhos s, double deslocamento) {
    s.secundario.zVertice += deslocamento;
    return s;
}

double ZInicio(const TProjeto& P, const SistemaDoisEspelhos& s) {
    return std::max(P.d, s.secundario.zVertice) + P.D2;
}

// One variant's whole computation.
struct Variante {
    const TProjeto& P;
    SistemaDoisEspelhos base;
    const std::vector<PontoPupila>& pupila;
    const FeixeAnalise& eixo;
    const FeixeAnalise& borda;

    double Strehl(const SistemaDoisEspelhos& s, const PosesEspelhos& poses = {}) const {
        const FrenteRefocada f = FrenteNoEixo(P, s, poses);
        return f.valida ? f.strehl : NAN;
    }

    // The secondary shift that brings the traced on-axis focus to z = zAlvo (secant from the
    // paraxial value); NaN when it does not converge.
    double Deslocamento(double deltaE) const {
        const double zAlvo = base.zImagem - deltaE;
        auto g = [&](double s) {
            return FocoTracado(Deslocado(base, s), pupila, ZInicio(P, base)) - zAlvo;
        };
        double s0 = DeslocamentoParaxial(P, deltaE);
        if (!std::isfinite(s0)) return NAN;
        double s1 = s0 + 1e-3, g0 = g(s0), g1 = g(s1);
        for (int it = 0; it < 30 && std::isfinite(g1); ++it) {
            if (std::fabs(g1) < 1e-7 || g1 == g0) return s1;
            const double s2 = s1 - g1 * (s1 - s0) / (g1 - g0);
            s0 = s1, g0 = g1, s1 = s2, g1 = g(s2);
        }
        return std::fabs(g1) < 1e-5 ? s1 : NAN;
    }

    LinhaFocagem Linha(double deltaE) const {
        LinhaFocagem l;
        l.deltaE = deltaE;
        l.deslocamento = Deslocamento(deltaE);
        if (!std::isfinite(l.deslocamento)) return l;
        double e = 0;
        FocoParaxial(P, l.deslocamento, e, l.F);
        l.FN = l.F / P.D1;
        SistemaDoisEspelhos s = Deslocado(base, l.deslocamento);
        s.zImagem = base.zImagem - deltaE;
        const double z0 = ZInicio(P, s);
        l.rmsEixo = TracarFeixe(s, pupila, 0, 0, z0).estatistica.rms;
        const double h = P.i / 2;
        l.rmsBorda = TracarFeixe(s, pupila, h, std::atan(h / l.F), z0).estatistica.rms;
        l.strehl = Strehl(s);
        l.valida = std::isfinite(l.strehl) && std::isfinite(l.rmsEixo) &&
                   std::isfinite(l.rmsBorda) && std::isfinite(l.F);
        return l;
    }

    // The Δe between a (Strehl ≥ 0,8) and b (below) where the refocused Strehl is 0,8.
    double Cruzamento(double a, double sa, double b, double sb) const {
        auto g = [&](double de) {
            const double s = Deslocamento(de);
            const double st = std::isfinite(s) ? Strehl(Deslocado(base, s)) : NAN;
            return std::isfinite(st) ? st - StrehlLimite : -1.0;
        };
        return Illinois(g, a, sa - StrehlLimite, b, std::isfinite(sb) ? sb - StrehlLimite : -1.0,
                        1e-4 * std::max(1.0, std::fabs(b - a)));
    }

    PosesEspelhos PoseSecundario(double inclinacao, double zPivo, double dy) const {
        PosesEspelhos p;
        p.secundario.inclinacaoX = inclinacao;
        p.secundario.zPivo = zPivo;
        p.secundario.dy = dy;
        return p;
    }

    ColimacaoVariante Colimacao() const {
        ColimacaoVariante c;
        const double zV = base.secundario.zVertice;
        c.descentramento = LimiteStrehl(
            [&](double x) { return Strehl(base, PoseSecundario(0, zV, x)); }, 0.05, P.D2);
        c.inclinacao = LimiteStrehl(
            [&](double x) { return Strehl(base, PoseSecundario(x, zV, 0)); }, 0.5, 600);
        // Spacing errors up to half the secondary's distance to the primary's focus.
        c.espacamentoMais =
            LimiteStrehl([&](double x) { return Strehl(Deslocado(base, x)); }, 0.01, P.p / 2);
        c.espacamentoMenos =
            -LimiteStrehl([&](double x) { return Strehl(Deslocado(base, -x)); }, 0.01, P.p / 2);
        // Coma per unit: one arcminute of tilt about the vertex, 0,1 mm of decentre.
        const FrenteRefocada ft = FrenteNoEixo(P, base, PoseSecundario(1, zV, 0));
        const FrenteRefocada fd = FrenteNoEixo(P, base, PoseSecundario(0, zV, 0.1));
        c.comaPorMinuto = std::hypot(ft.comaX, ft.comaY);
        c.comaPorMm = std::hypot(fd.comaX, fd.comaY) / 0.1;
        // The neutral point: the pivot where one arcminute of tilt leaves no coma along y
        // (secant from the vertex and the centre of curvature).
        auto coma = [&](double zp) {
            return FrenteNoEixo(P, base, PoseSecundario(1, zp, 0)).comaY;
        };
        double z0 = zV, z1 = zV + P.r2, c0 = ft.comaY, c1 = coma(z1);
        for (int it = 0; it < 20 && c1 != c0; ++it) {
            const double z2 = z1 - c1 * (z1 - z0) / (c1 - c0);
            z0 = z1, c0 = c1, z1 = z2;
            if (std::fabs(z1 - z0) < 1e-6 * std::max(1.0, std::fabs(z1 - zV))) break;
            c1 = coma(z1);
        }
        c.pontoNeutro = z1 - zV;
        c.valida = std::isfinite(c.descentramento) && std::isfinite(c.inclinacao) &&
                   std::isfinite(c.comaPorMinuto) && std::isfinite(c.comaPorMm) &&
                   std::isfinite(c.pontoNeutro);
        return c;
    }

    void Calcular(const ResultadoTolerancias& r, double deMin, double deMax, int passos,
                  VarianteTolerancias& vt) const {
        for (int k = 0; k < passos; ++k)
            vt.focagem.push_back(
                Linha(passos == 1 ? deMin : deMin + (deMax - deMin) * k / (passos - 1)));
        // The Strehl range about Δe = 0 (sampled there too when 0 is no step).
        const double s0 = Strehl(base);
        vt.faixaMin = deMin, vt.faixaMax = deMax;
        vt.abertoMin = vt.abertoMax = true;
        double aMais = 0, sMais = s0, aMenos = 0, sMenos = s0;
        for (const LinhaFocagem& l : vt.focagem) {
            const double s = l.valida ? l.strehl : NAN;
            if (l.deltaE > 0 && vt.abertoMax) {
                if (std::isfinite(s) && s >= StrehlLimite) {
                    aMais = l.deltaE, sMais = s;
                } else if (s0 >= StrehlLimite) {
                    vt.faixaMax = Cruzamento(aMais, sMais, l.deltaE, s);
                    vt.abertoMax = false;
                }
            }
        }
        for (auto it = vt.focagem.rbegin(); it != vt.focagem.rend(); ++it) {
            const double s = it->valida ? it->strehl : NAN;
            if (it->deltaE < 0 && vt.abertoMin) {
                if (std::isfinite(s) && s >= StrehlLimite) {
                    aMenos = it->deltaE, sMenos = s;
                } else if (s0 >= StrehlLimite) {
                    vt.faixaMin = Cruzamento(aMenos, sMenos, it->deltaE, s);
                    vt.abertoMin = false;
                }
            }
        }
        for (double dz : r.deslocCamera) {
            vt.cameraEixo.push_back(RmsDeslocado(eixo.pontos, dz));
            vt.cameraBorda.push_back(RmsDeslocado(borda.pontos, dz));
        }
        vt.colimacao = Colimacao();
    }
};
} // namespace

void FocoParaxial(const TProjeto& P, double s, double& e, double& F) {
    const double d = P.d + s, p = P.f1 - d;
    const double pLinha = 1 / (1 / p - 2 / P.r2);
    e = pLinha - d;
    F = P.f1 * pLinha / p;
}

double DeslocamentoParaxial(const TProjeto& P, double deltaE) {
    // With a = p (secondary to the primary's focus), K = e + Δe + f1:
    // a² − a·(r2 + K) + K·r2 / 2 = 0; the root nearest today's p.
    const double K = P.e + deltaE + P.f1;
    const double b = P.r2 + K, disc = b * b - 2 * K * P.r2;
    if (!(disc >= 0)) return NAN;
    const double q = (b + std::copysign(std::sqrt(disc), b)) / 2;
    const double a0 = q, a1 = K * P.r2 / 2 / q;
    const double p = P.f1 - P.d;
    const double a = std::fabs(a0 - p) < std::fabs(a1 - p) ? a0 : a1;
    return P.f1 - a - P.d;
}

double FocoTracado(const SistemaDoisEspelhos& sistema, const std::vector<PontoPupila>& pupila,
                   double zInicio) {
    const FeixeAnalise f = TracarFeixe(sistema, pupila, 0, 0, zInicio);
    if (f.usados == 0) return NAN;
    return sistema.zImagem + f.estatistica.focoOtimo;
}

FrenteRefocada FrenteNoEixo(const TProjeto& P, const SistemaDoisEspelhos& sistema,
                            const PosesEspelhos& poses, int amostras) {
    FrenteRefocada r;
    ReferenciaFrente ref;
    ref.lambda = ComprimentoOnda;
    ref.zImagem = sistema.zImagem;
    if (!PupilaSaida(sistema, ref.zPupila)) return r;
    FrenteOnda f = GradeAnular(amostras, P.D1 / 2, std::min(P.D2, P.D1) / 2);
    if (!FrenteDoFeixe(sistema, 0, ZInicio(P, sistema), ref, f,
                       [&sistema, mv = MovimentosDasPoses(poses)](const Raio& raio) {
                           return TracarRaioPosado(sistema, mv, raio);
                       }))
        return r;
    double coef[6] = {};
    if (!Ajustar(f, 4, coef, r.rms)) return r;
    r.strehl = StrehlMarechal(r.rms);
    double rms6 = 0;
    if (!Ajustar(f, 6, coef, rms6)) return r;
    r.comaX = coef[4];
    r.comaY = coef[5];
    r.valida = std::isfinite(r.strehl) && std::isfinite(r.comaX) && std::isfinite(r.comaY);
    return r;
}

ResultadoTolerancias CalcularTolerancias(const TProjeto& P, double deMin, double deMax,
                                         int passos) {
    ResultadoTolerancias r;
    const ResultadoAnalise a = Analisar(P);
    r.motivo = a.motivo;
    if (!a.valida() || passos < 1 || !(deMin <= deMax)) return r;
    const double N = P.FD1;
    r.profundidadeFoco = 2 * ComprimentoOnda * N * N;
    for (int k = -8; k <= 8; ++k)
        r.deslocCamera.push_back(r.profundidadeFoco * k / 4);
    const std::vector<PontoPupila> pupila = PupilaAnular(std::min(P.D2, P.D1) / 2, P.D1 / 2);
    auto variante = [&](int v) {
        const VarianteAnalise& va = a.variantes[v];
        // The secondary twice its size: the tolerances measure the aberrations of a moved
        // secondary, not the light its rim would lose.
        SistemaDoisEspelhos s = SistemaDoProjeto(P, va.b1, va.b2);
        s.secundario.raioExterno *= 2;
        const Variante calc{P, s, pupila, va.feixes[0], va.feixes[2]};
        calc.Calcular(r, deMin, deMax, passos, r.variantes[v]);
    };
    std::future<void> outras[2] = {std::async(std::launch::async, variante, 1),
                                   std::async(std::launch::async, variante, 2)};
    variante(0);
    outras[0].get();
    outras[1].get();
    return r;
}

bool LerFaixaFoco(const QString& texto, double& deMin, double& deMax) {
    const QStringList partes = texto.split(QLatin1Char(';'));
    if (partes.size() != 2) return false;
    bool ok1 = false, ok2 = false;
    QString a = partes[0].trimmed(), b = partes[1].trimmed();
    a.replace(QLatin1Char(','), QLatin1Char('.'));
    b.replace(QLatin1Char(','), QLatin1Char('.'));
    const double x = a.toDouble(&ok1), y = b.toDouble(&ok2);
    if (!ok1 || !ok2 || !std::isfinite(x) || !std::isfinite(y) || !(x < y) || y - x > 1e4)
        return false;
    deMin = x;
    deMax = y;
    return true;
}

QJsonObject ToleranciasJson(const ResultadoTolerancias& r) {
    QJsonObject o;
    o[QStringLiteral("motivo")] =
        r.valida() ? QStringLiteral("Valida") : QStringLiteral("Invalida");
    if (!r.valida()) return o;
    auto num = [](double x) { return std::isfinite(x) ? QJsonValue(x) : QJsonValue(); };
    o[QStringLiteral("profundidadeFoco")] = r.profundidadeFoco;
    const char* nomes[3] = {"Classico", "DallKirkham", "RitcheyChretien"};
    QJsonArray vs;
    for (int v = 0; v < 3; ++v) {
        const VarianteTolerancias& vt = r.variantes[v];
        QJsonArray linhas;
        for (const LinhaFocagem& l : vt.focagem)
            linhas.append(QJsonObject{{QStringLiteral("deltaE"), l.deltaE},
                                      {QStringLiteral("deslocamento"), num(l.deslocamento)},
                                      {QStringLiteral("F"), num(l.F)},
                                      {QStringLiteral("FN"), num(l.FN)},
                                      {QStringLiteral("rmsEixo"), num(l.rmsEixo)},
                                      {QStringLiteral("strehl"), num(l.strehl)},
                                      {QStringLiteral("rmsBorda"), num(l.rmsBorda)}});
        QJsonArray camera;
        for (std::size_t k = 0; k < r.deslocCamera.size(); ++k)
            camera.append(QJsonObject{{QStringLiteral("deslocamento"), r.deslocCamera[k]},
                                      {QStringLiteral("rmsEixo"), num(vt.cameraEixo[k])},
                                      {QStringLiteral("rmsBorda"), num(vt.cameraBorda[k])}});
        const ColimacaoVariante& c = vt.colimacao;
        vs.append(QJsonObject{
            {QStringLiteral("variante"), QString::fromLatin1(nomes[v])},
            {QStringLiteral("focagem"), linhas},
            {QStringLiteral("faixa"), QJsonArray{num(vt.faixaMin), num(vt.faixaMax)}},
            {QStringLiteral("camera"), camera},
            {QStringLiteral("colimacao"),
             QJsonObject{{QStringLiteral("descentramento"), num(c.descentramento)},
                         {QStringLiteral("inclinacao"), num(c.inclinacao)},
                         {QStringLiteral("comaPorMinuto"), num(c.comaPorMinuto)},
                         {QStringLiteral("comaPorMm"), num(c.comaPorMm)},
                         {QStringLiteral("pontoNeutro"), num(c.pontoNeutro)},
                         {QStringLiteral("espacamentoMenos"), num(c.espacamentoMenos)},
                         {QStringLiteral("espacamentoMais"), num(c.espacamentoMais)}}}});
    }
    o[QStringLiteral("variantes")] = vs;
    return o;
}
