// Mirror-making data: exact sags, departures from spheres, Foucault readings and null tests.
#include "ConfeccaoEspelhos.h"

#include "NumeroTexto.h"
#include "Recursos.h"

#include <algorithm>
#include <cmath>
#include <limits>

// Conic sag and the Foucault test: Texereau, How to Make a Telescope, ch. II-III;
// Malacara, Optical Shop Testing, ch. 8 (Foucault test).

namespace {

// The smallest root t > tMin of a·t² + b·t + c = 0 accepted by `aceita`.
template <class Aceita>
bool MenorRaiz(double a, double b, double c, double tMin, Aceita aceita, double& t) {
    double raizes[2];
    int n = 0;
    const double escala = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
    if (escala == 0) return false;
    if (std::fabs(a) <= 1e-15 * escala) {
        if (b == 0) return false;
        raizes[n++] = -c / b;
    } else {
        const double disc = b * b - 4 * a * c;
        if (disc < 0) return false;
        const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
        raizes[n++] = q / a;
        if (q != 0) raizes[n++] = c / q;
    }
    if (n == 2 && raizes[1] < raizes[0]) std::swap(raizes[0], raizes[1]);
    for (int k = 0; k < n; ++k)
        if (raizes[k] > tMin && aceita(raizes[k])) {
            t = raizes[k];
            return true;
        }
    return false;
}

// Golden-section search of the minimum of f over [a, b].
template <class F> double MinimoDourado(F f, double a, double b, int iteracoes) {
    const double r = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - r * (b - a), x2 = a + r * (b - a);
    double f1 = f(x1), f2 = f(x2);
    for (int k = 0; k < iteracoes; ++k) {
        if (f1 < f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - r * (b - a);
            f1 = f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + r * (b - a);
            f2 = f(x2);
        }
    }
    return f1 < f2 ? x1 : x2;
}

} // namespace

bool IntersecaoEsfera(double zCentro, double raio, Vetor3 o, Vetor3 d, double& t) {
    const Vetor3 w{o.x, o.y, o.z - zCentro};
    const double tMin = 1e-9 / std::max(Norma(d), 1e-300);
    return MenorRaiz(
        Escalar(d, d), 2 * Escalar(d, w), Escalar(w, w) - raio * raio, tMin,
        [](double) { return true; }, t);
}

bool LeituraFonteMovel(const Conica& conica, double h, double& leitura) {
    // The normal at height h meets the axis at R − b·z(h) from the vertex.
    double z = 0;
    if (!FlechaConica(conica, h, z)) return false;
    leitura = -conica.b * z + 0.0;
    return true;
}

bool LeituraFonteFixa(const Conica& conica, double h, double& leitura) {
    double z = 0;
    if (!FlechaConica(conica, h, z)) return false;
    const Vetor3 ponto{h, 0, z};
    const Vetor3 fonte{0, 0, conica.R};
    const Vetor3 refletido = Refletir(Unitario(ponto - fonte), NormalConica(conica, ponto));
    if (h == 0) {
        leitura = 0;
        return true;
    }
    if (refletido.x == 0) return false;
    const double t = -ponto.x / refletido.x;
    if (!(t > 0)) return false;
    leitura = ponto.z + t * refletido.z - conica.R;
    return Finito(leitura);
}

// The best-fit sphere. For a sphere of radius Rs the best axial position centres the difference
// conic − sphere between its extremes, so its peak-to-valley is max − min of that difference
// over the aperture. To fourth order in h the difference is a·h² + B·h⁴ and the best sphere is
// the one through the conic's vertex and edge (peak-to-valley |b|·H⁴ / (32·R³), a quarter of
// the departure from the vertex sphere); the search starts from it and refines the curvature
// 1/Rs by a one-dimensional golden-section minimisation of the peak-to-valley. The extremes
// over the aperture are found on 256 samples in h² refined by golden sections.
namespace {

struct Extremos {
    double maximo = 0, minimo = 0;
};

Extremos ExtremosDiferenca(const Conica& conica, double H, double raio) {
    const Conica esfera{raio, 0};
    auto diferenca = [&](double u) {
        const double h = std::sqrt(std::max(u, 0.0));
        double zc = 0, ze = 0;
        FlechaConica(conica, h, zc);
        FlechaConica(esfera, h, ze);
        return zc - ze;
    };
    constexpr int N = 256;
    const double U = H * H;
    double valores[N + 1];
    int iMax = 0, iMin = 0;
    for (int k = 0; k <= N; ++k) {
        valores[k] = diferenca(U * k / N);
        if (valores[k] > valores[iMax]) iMax = k;
        if (valores[k] < valores[iMin]) iMin = k;
    }
    Extremos e{valores[iMax], valores[iMin]};
    auto refinar = [&](int i, double sinal) {
        const double a = U * std::max(i - 1, 0) / N, b = U * std::min(i + 1, N) / N;
        const double u = MinimoDourado([&](double x) { return -sinal * diferenca(x); }, a, b, 60);
        return diferenca(u);
    };
    e.maximo = std::max(e.maximo, refinar(iMax, 1));
    e.minimo = std::min(e.minimo, refinar(iMin, -1));
    return e;
}

} // namespace

double PicoValeEsfera(const Conica& conica, double semiAbertura, double raio) {
    const Extremos e = ExtremosDiferenca(conica, semiAbertura, raio);
    return e.maximo - e.minimo;
}

EsferaAjuste MelhorEsfera(const Conica& conica, double H) {
    double zBorda = 0;
    FlechaConica(conica, H, zBorda);
    const double kVertice = 1 / conica.R;
    const double kBorda = 2 * zBorda / (H * H + zBorda * zBorda); // sphere through vertex, edge
    double folga = std::fabs(kVertice - kBorda);
    if (folga == 0) folga = 1e-9 * kVertice;
    const double kMaximo = (1 - 1e-12) / H; // the sphere must cover the aperture
    double a = std::max(std::min(kVertice, kBorda) - folga, 1e-12 * kVertice);
    double b = std::min(std::max(kVertice, kBorda) + folga, kMaximo);
    auto pv = [&](double k) { return PicoValeEsfera(conica, H, 1 / k); };
    constexpr int M = 40;
    int melhor = 0;
    double pvMelhor = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= M; ++i) {
        const double v = pv(a + (b - a) * i / M);
        if (v < pvMelhor) {
            pvMelhor = v;
            melhor = i;
        }
    }
    const double ka = a + (b - a) * std::max(melhor - 1, 0) / M;
    const double kb = a + (b - a) * std::min(melhor + 1, M) / M;
    const double k = MinimoDourado(pv, ka, kb, 100);
    EsferaAjuste ajuste;
    ajuste.raio = 1 / k;
    const Extremos e = ExtremosDiferenca(conica, H, ajuste.raio);
    ajuste.picoVale = e.maximo - e.minimo;
    ajuste.deslocamento = (e.maximo + e.minimo) / 2;
    if (pvMelhor < ajuste.picoVale) { // the scan found a better grid point than the refinement
        ajuste.raio = 1 / (a + (b - a) * melhor / M);
        const Extremos g = ExtremosDiferenca(conica, H, ajuste.raio);
        ajuste.picoVale = g.maximo - g.minimo;
        ajuste.deslocamento = (g.maximo + g.minimo) / 2;
    }
    return ajuste;
}

bool ZonasCouder(const Conica& conica, double H, int n, std::vector<ZonaCouder>& zonas) {
    zonas.clear();
    if (n < 1) return false;
    std::vector<ZonaCouder> saida;
    for (int k = 1; k <= n; ++k) {
        ZonaCouder zona;
        zona.numero = k;
        zona.interno = H * std::sqrt(double(k - 1) / n);
        zona.externo = H * std::sqrt(double(k) / n);
        zona.medio = (zona.interno + zona.externo) / 2;
        if (!LeituraFonteMovel(conica, zona.medio, zona.fonteMovel) ||
            !LeituraFonteFixa(conica, zona.medio, zona.fonteFixa))
            return false;
        saida.push_back(zona);
    }
    zonas = std::move(saida);
    return true;
}

namespace {

// Checks the mirror's numbers and computes its sags and departures; empty message when valid.
QString CalcularDesvios(const Conica& conica, double diametro, Desvios& desvios) {
    if (!(Finito(conica.R) && Finito(conica.b) && Finito(diametro) && conica.R > 0 && diametro > 0))
        return TextoRecurso(Recursos::EspelhosSemDados);
    const double H = diametro / 2;
    double zEsfera = 0;
    if (!FlechaConica(conica, H, desvios.flechaExata) || !FlechaConica({conica.R, 0}, H, zEsfera))
        return TextoRecurso(Recursos::EspelhosConicaIndefinida);
    desvios.flechaParaxial = FlechaEspelho(diametro, conica.R);
    desvios.desvioVertice = desvios.flechaExata - zEsfera;
    desvios.melhorEsfera = MelhorEsfera(conica, H);
    return {};
}

// Hindle test of a convex hyperboloid: Malacara, Optical Shop Testing, ch. 12 (null tests).
QString CalcularHindle(const Conica& conica, double H, double distancia, MontagemHindle& montagem) {
    const double e = std::sqrt(-conica.b);
    montagem.focoVirtual = conica.R / (1 + e);
    montagem.focoReal = conica.R / (1 - e);
    double zBorda = 0;
    FlechaConica(conica, H, zBorda);
    // The sphere is centred on the virtual focus; the farthest point of the secondary from that
    // centre is its edge, so the sphere clears the secondary when its radius exceeds that.
    const double raioMinimo = std::hypot(H, montagem.focoVirtual - zBorda);
    montagem.distanciaMinima = raioMinimo - montagem.focoVirtual;
    // Nearer than the real focus the source's beam needs a hole in the sphere, which swallows
    // the light returned by the middle of the secondary; from the real focus on, light comes
    // back from the whole secondary. The default is that distance, up to the next millimetre.
    montagem.distanciaSemPerda = -montagem.focoReal;
    if (!(distancia > 0) || !Finito(distancia)) distancia = std::ceil(montagem.distanciaSemPerda);
    montagem.distancia = distancia;
    montagem.raioEsfera = distancia + montagem.focoVirtual;
    if (!(montagem.raioEsfera > raioMinimo)) return TextoRecurso(Recursos::EspelhosHindleCorta);

    RaioHindle borda;
    if (!TracarHindle(conica, montagem, H, borda))
        return TextoRecurso(Recursos::EspelhosConicaIndefinida);
    montagem.diametroEsfera = 2 * std::fabs(borda.pontos[2].x);

    // The source's beam crosses the sphere on its way to the secondary's edge when the real
    // focus lies outside the sphere: that crossing is the central hole.
    const Vetor3 fonte{0, 0, montagem.focoReal};
    const Vetor3 alvo{H, 0, zBorda};
    montagem.furo = 0;
    montagem.zonaPerdida = 0;
    double t = 0;
    if (std::fabs(montagem.focoVirtual - montagem.focoReal) > montagem.raioEsfera &&
        IntersecaoEsfera(montagem.focoVirtual, montagem.raioEsfera, fonte, alvo - fonte, t)) {
        const double raioFuro = std::fabs(t * (alvo.x - fonte.x));
        montagem.furo = 2 * raioFuro;
        // Rays reflected inside the hole are lost: bisection on the height of the secondary.
        double a = 0, b = H;
        for (int k = 0; k < 200 && b - a > 1e-12 * H; ++k) {
            const double m = (a + b) / 2;
            RaioHindle raio;
            if (TracarHindle(conica, montagem, m, raio) && std::fabs(raio.pontos[2].x) < raioFuro)
                a = m;
            else
                b = m;
        }
        montagem.zonaPerdida = 2 * a;
    }
    return {};
}

} // namespace

bool TracarHindle(const Conica& conica, const MontagemHindle& montagem, double h,
                  RaioHindle& raio) {
    double z = 0;
    if (!FlechaConica(conica, h, z)) return false;
    const Vetor3 fonte{0, 0, montagem.focoReal};
    Vetor3 d = Unitario(Vetor3{h, 0, z} - fonte);
    double t = 0;
    if (!IntersectarConica(conica, fonte, d, t)) return false;
    const Vetor3 p1 = Mover(fonte, d, t);
    d = Refletir(d, NormalConica(conica, p1));
    if (!IntersecaoEsfera(montagem.focoVirtual, montagem.raioEsfera, p1, d, t)) return false;
    const Vetor3 q = Mover(p1, d, t);
    d = Refletir(d, Unitario({q.x, 0, q.z - montagem.focoVirtual}));
    if (!IntersectarConica(conica, q, d, t)) return false;
    const Vetor3 p2 = Mover(q, d, t);
    d = Unitario(Refletir(d, NormalConica(conica, p2)));
    const Vetor3 perto = Mover(p2, d, Escalar(fonte - p2, d));
    raio.pontos = {fonte, p1, q, p2, perto};
    raio.erro = Norma(fonte - perto);
    return Finito(raio.erro);
}

DadosEspelhos CalcularEspelhos(const TProjeto& projeto, int variante, int zonas,
                               double distanciaHindle) {
    DadosEspelhos dados;
    dados.variante = std::clamp(variante, 0, 2);
    const auto [b1, b2] = ConicasVariante(projeto, dados.variante);

    EspelhoPrimario& primario = dados.primario;
    primario.conica = {projeto.r1, b1};
    primario.diametro = projeto.D1;
    primario.mensagem = CalcularDesvios(primario.conica, primario.diametro, primario.desvios);
    if (primario.mensagem.isEmpty() && !ZonasCouder(primario.conica, primario.diametro / 2,
                                                    std::clamp(zonas, 3, 12), primario.zonas))
        primario.mensagem = TextoRecurso(Recursos::EspelhosLeituraIndefinida);
    primario.valido = primario.mensagem.isEmpty();

    EspelhoSecundario& secundario = dados.secundario;
    secundario.conica = {projeto.r2, b2};
    secundario.diametro = projeto.D2;
    secundario.mensagem =
        CalcularDesvios(secundario.conica, secundario.diametro, secundario.desvios);
    secundario.valido = secundario.mensagem.isEmpty();
    if (!secundario.valido) return dados;
    const double R = secundario.conica.R;
    if (b2 == 0) {
        secundario.teste = TesteNulo::CentroCurvatura;
        secundario.foco1 = R;
    } else if (b2 == -1) {
        secundario.teste = TesteNulo::Paraboloide;
        secundario.foco1 = R / 2;
    } else if (b2 > 0) {
        secundario.teste = TesteNulo::Oblato;
    } else {
        const double e = std::sqrt(-b2);
        secundario.foco1 = R / (1 + e);
        secundario.foco2 = R / (1 - e);
        if (b2 < -1) {
            secundario.teste = TesteNulo::Hindle;
            secundario.mensagemHindle = CalcularHindle(secundario.conica, secundario.diametro / 2,
                                                       distanciaHindle, secundario.hindle);
            secundario.hindleValido = secundario.mensagemHindle.isEmpty();
        } else {
            secundario.teste = TesteNulo::Focos;
        }
    }
    return dados;
}

// ---- texts ----------------------------------------------------------------------------------

namespace {

std::vector<LinhaResultado> LinhasDesvios(const Conica& conica, const Desvios& d, QChar dec,
                                          QChar mil) {
    auto dois = [&](double v) { return NumeroTexto(v, dec, mil); };
    auto tres = [&](double v) { return NumeroTextoCasas(v, 3, dec, mil); };
    constexpr double micrometros = 1000;
    const double pv = d.melhorEsfera.picoVale * micrometros;
    const QString valores[10] = {
        dois(conica.R),
        tres(conica.b),
        tres(d.flechaParaxial),
        tres(d.flechaExata),
        dois((d.flechaExata - d.flechaParaxial) * micrometros),
        dois(d.desvioVertice * micrometros),
        dois(d.melhorEsfera.raio),
        dois(pv),
        dois(pv / 0.6328),
        dois(pv / 0.550),
    };
    std::vector<LinhaResultado> linhas;
    for (int k = 0; k < 10; ++k)
        linhas.push_back({TextoRecurso(Recursos::EspelhosDesvios[k]), valores[k]});
    return linhas;
}

} // namespace

TextosEspelhos TextosDosEspelhos(const DadosEspelhos& dados, QChar dec, QChar mil) {
    TextosEspelhos textos;
    auto dois = [&](double v) { return NumeroTexto(v, dec, mil); };
    auto tres = [&](double v) { return NumeroTextoCasas(v, 3, dec, mil); };

    const EspelhoPrimario& p = dados.primario;
    if (p.valido) {
        textos.primario = LinhasDesvios(p.conica, p.desvios, dec, mil);
        for (const ZonaCouder& z : p.zonas)
            textos.zonas.push_back({QString::number(z.numero), dois(z.interno), dois(z.externo),
                                    dois(z.medio), tres(z.fonteMovel), tres(z.fonteFixa)});
    } else {
        textos.mensagemPrimario = p.mensagem;
    }

    const EspelhoSecundario& s = dados.secundario;
    if (!s.valido) {
        textos.mensagemSecundario = s.mensagem;
        return textos;
    }
    textos.secundario = LinhasDesvios(s.conica, s.desvios, dec, mil);
    switch (s.teste) {
    case TesteNulo::CentroCurvatura:
        textos.testeSecundario = TextoRecurso(Recursos::EspelhosTesteEsfera).arg(dois(s.foco1));
        break;
    case TesteNulo::Paraboloide:
        textos.testeSecundario =
            TextoRecurso(Recursos::EspelhosTesteParaboloide).arg(dois(s.foco1));
        break;
    case TesteNulo::Oblato:
        textos.testeSecundario = TextoRecurso(Recursos::EspelhosTesteOblato);
        break;
    case TesteNulo::Focos:
        textos.testeSecundario =
            TextoRecurso(Recursos::EspelhosTesteFocos).arg(dois(s.foco1), dois(s.foco2));
        break;
    case TesteNulo::Hindle: {
        textos.testeSecundario = TextoRecurso(Recursos::EspelhosTesteHindle);
        const MontagemHindle& m = s.hindle;
        const QString valores[7] = {dois(-m.focoReal),         dois(m.focoVirtual),
                                    dois(m.distanciaSemPerda), dois(m.raioEsfera),
                                    dois(m.diametroEsfera),    dois(m.furo),
                                    dois(m.zonaPerdida)};
        const int linhas = s.hindleValido ? 7 : 3;
        for (int k = 0; k < linhas; ++k)
            textos.montagem.push_back({TextoRecurso(Recursos::EspelhosHindle[k]), valores[k]});
        if (!s.hindleValido)
            textos.mensagemSecundario = s.mensagemHindle.arg(dois(m.distanciaMinima));
        break;
    }
    }
    return textos;
}

TextosEspelhos TextosDosEspelhos(const DadosEspelhos& dados) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return TextosDosEspelhos(dados, decimal, milhar);
}
