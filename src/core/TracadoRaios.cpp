// Exact ray trace through a two-mirror telescope: conic mirrors, exact normals, obstructions.
#include "TracadoRaios.h"

#include <cmath>
#include <utility>

// exact ray trace through conic surfaces: Welford, Aberrations of Optical Systems, ch. 4 (ray
// tracing), with the conic written as c·ρ² − 2w + c·(1+k)·w² = 0.

namespace {
// Rims and holes accept a ray this close to the edge (relative), against rounding.
constexpr double FolgaBorda = 1e-9;

double Ponto(const Vetor3& a, const Vetor3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vetor3 Mover(const Vetor3& p, const Vetor3& u, double t) {
    return {p.x + t * u.x, p.y + t * u.y, p.z + t * u.z};
}

// The first obstruction crossed between p and p + tMax·u; t is set to where it stops the ray.
bool Obstruido(const Vetor3& p, const Vetor3& u, double tMax, std::span<const Obstrucao> obs,
               double& t) {
    bool parado = false;
    t = tMax;
    if (u.z == 0) return false;
    for (const Obstrucao& o : obs) {
        const double to = (o.z - p.z) / u.z;
        if (!(to > 0) || !(to < t)) continue;
        const Vetor3 q = Mover(p, u, to);
        const double rho = std::sqrt(q.x * q.x + q.y * q.y);
        if (rho >= o.raioMin && rho <= o.raioMax) {
            t = to;
            parado = true;
        }
    }
    return parado;
}
} // namespace

bool FlechaConica(double raio, double conica, double rho, double& flecha) {
    flecha = 0;
    if (raio == 0) return true;
    const double c = 1 / raio;
    const double arg = 1 - (1 + conica) * c * c * rho * rho;
    if (arg < 0) return false;
    flecha = c * rho * rho / (1 + std::sqrt(arg));
    return true;
}

bool IntersectarConica(const Espelho& s, const Raio& r, double& t) {
    const double c = s.raio == 0 ? 0 : 1 / s.raio;
    const double k1 = 1 + s.conica;
    const Vetor3& o = r.origem;
    const Vetor3& u = r.direcao;
    const double w0 = o.z - s.zVertice;
    // A·t² + 2B·t + C = 0
    const double A = c * (u.x * u.x + u.y * u.y + k1 * u.z * u.z);
    const double B = c * (o.x * u.x + o.y * u.y + k1 * w0 * u.z) - u.z;
    const double C = c * (o.x * o.x + o.y * o.y + k1 * w0 * w0) - 2 * w0;
    const double disc = B * B - A * C;
    if (!(disc >= 0)) return false;
    // Both roots, written without cancellation; the nearer one ahead of the ray that lies on
    // the vertex sheet, where 1 − c·(1+k)·w ≥ 0 (the square root of the sag formula): a
    // hyperboloid's other sheet or an ellipsoid's far half is not the mirror.
    const double q = B + std::copysign(std::sqrt(disc), B);
    double raizes[2] = {q != 0 ? -C / q : NAN, A != 0 ? -q / A : NAN};
    if (raizes[1] < raizes[0]) std::swap(raizes[0], raizes[1]);
    for (double r : raizes) {
        if (!(r >= 0) || !std::isfinite(r)) continue;
        const double w = w0 + r * u.z;
        if (1 - c * k1 * w >= 0) {
            t = r;
            return true;
        }
    }
    return false;
}

Vetor3 NormalConica(const Espelho& s, const Vetor3& p) {
    const double c = s.raio == 0 ? 0 : 1 / s.raio;
    const double w = p.z - s.zVertice;
    Vetor3 n{c * p.x, c * p.y, c * (1 + s.conica) * w - 1};
    const double m = std::sqrt(Ponto(n, n));
    return {n.x / m, n.y / m, n.z / m};
}

Vetor3 Refletir(const Vetor3& u, const Vetor3& n) {
    const double k = 2 * Ponto(u, n);
    return {u.x - k * n.x, u.y - k * n.y, u.z - k * n.z};
}

TracadoRaio TracarRaio(const SistemaDoisEspelhos& sistema, const Raio& raio,
                       std::span<const Obstrucao> obstrucoes) {
    TracadoRaio tr;
    tr.pontos[0] = raio.origem;
    tr.nPontos = 1;
    tr.direcao = raio.direcao;
    Raio atual = raio;

    const Espelho* espelhos[2] = {&sistema.primario, &sistema.secundario};
    const FimRaio perdas[2] = {FimRaio::PerdeuPrimario, FimRaio::PerdeuSecundario};
    for (int k = 0; k < 2; ++k) {
        const Espelho& s = *espelhos[k];
        double t = 0;
        const bool acertou = IntersectarConica(s, atual, t);
        double tObs = 0;
        if (Obstruido(atual.origem, atual.direcao, acertou ? t : INFINITY, obstrucoes, tObs)) {
            tr.pontos[tr.nPontos++] = Mover(atual.origem, atual.direcao, tObs);
            tr.fim = FimRaio::Obstruido;
            return tr;
        }
        if (!acertou) {
            // Past an ellipsoid's equator the conic is not a mirror surface.
            tr.fim = perdas[k];
            if (s.conica > -1 && s.raio != 0) {
                const double c = 1 / s.raio;
                const double rhoMax = 1 / (std::fabs(c) * std::sqrt(1 + s.conica));
                if (rhoMax < s.raioExterno) tr.fim = FimRaio::SuperficieIndefinida;
            }
            return tr;
        }
        const Vetor3 p = Mover(atual.origem, atual.direcao, t);
        const double rho = std::sqrt(p.x * p.x + p.y * p.y);
        if (rho > s.raioExterno * (1 + FolgaBorda) || rho < s.raioFuro * (1 - FolgaBorda)) {
            tr.fim = perdas[k];
            return tr;
        }
        tr.pontos[tr.nPontos++] = p;
        atual.origem = p;
        atual.direcao = Refletir(atual.direcao, NormalConica(s, p));
        tr.direcao = atual.direcao;
    }

    // To the image plane.
    if (atual.direcao.z == 0) {
        tr.fim = FimRaio::PerdeuSecundario;
        return tr;
    }
    const double t = (sistema.zImagem - atual.origem.z) / atual.direcao.z;
    if (!(t > 0)) {
        tr.fim = FimRaio::PerdeuSecundario;
        return tr;
    }
    double tObs = 0;
    if (Obstruido(atual.origem, atual.direcao, t, obstrucoes, tObs)) {
        tr.pontos[tr.nPontos++] = Mover(atual.origem, atual.direcao, tObs);
        tr.fim = FimRaio::Obstruido;
        return tr;
    }
    tr.pontos[tr.nPontos++] = Mover(atual.origem, atual.direcao, t);
    tr.fim = FimRaio::Imagem;
    return tr;
}

SistemaDoisEspelhos SistemaDoProjeto(const TProjeto& P, double b1, double b2) {
    SistemaDoisEspelhos s;
    s.primario = {0, P.r1, b1, P.D1 / 2, 0};
    s.secundario = {P.d, P.r2, b2, P.D2 / 2, 0};
    s.zImagem = -P.e;
    return s;
}

bool RaioDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double px, double py,
                 double zInicio, Raio& raio) {
    double flecha = 0;
    const Espelho& s = sistema.primario;
    if (!FlechaConica(s.raio, s.conica, std::sqrt(px * px + py * py), flecha)) return false;
    const Vetor3 alvo{px, py, s.zVertice + flecha};
    raio.direcao = {0, std::sin(theta), -std::cos(theta)};
    const double t = (zInicio - alvo.z) / std::cos(theta);
    raio.origem = Mover(alvo, raio.direcao, -t);
    return true;
}
