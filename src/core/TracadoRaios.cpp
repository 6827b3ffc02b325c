// Exact ray trace through a two-mirror telescope: conic mirrors, exact normals, obstructions.
#include "TracadoRaios.h"

#include <cmath>

// exact ray trace through conic surfaces: Welford, Aberrations of Optical Systems, ch. 4 (ray
// tracing); the conic's closed forms are the optics kernel's.

namespace {
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

// A point in the mirror's own frame: the vertex at the origin.
Vetor3 NoVertice(const Espelho& s, const Vetor3& p) {
    return {p.x, p.y, p.z - s.zVertice};
}

Vetor3 Girar(const double m[3][3], const Vetor3& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}
Vetor3 GirarInverso(const double m[3][3], const Vetor3& v) {
    return {m[0][0] * v.x + m[1][0] * v.y + m[2][0] * v.z,
            m[0][1] * v.x + m[1][1] * v.y + m[2][1] * v.z,
            m[0][2] * v.x + m[1][2] * v.y + m[2][2] * v.z};
}
} // namespace

TracadoRaio TracarRaio(const SistemaDoisEspelhos& sistema, const Raio& raio,
                       std::span<const Obstrucao> obstrucoes,
                       const MovimentosEspelhos& movimentos) {
    TracadoRaio tr;
    tr.pontos[0] = raio.origem;
    tr.nPontos = 1;
    tr.direcao = raio.direcao;
    Raio atual = raio;

    const Espelho* espelhos[2] = {&sistema.primario, &sistema.secundario};
    const MovimentoEspelho* mover[2] = {&movimentos.primario, &movimentos.secundario};
    const FimRaio perdas[2] = {FimRaio::PerdeuPrimario, FimRaio::PerdeuSecundario};
    for (int k = 0; k < 2; ++k) {
        const Espelho& s = *espelhos[k];
        const MovimentoEspelho& mv = *mover[k];
        // The ray in the mirror's frame: the inverse motion M⁻¹·(p − pivo − desloc) + pivo.
        Raio local = atual;
        if (!mv.nulo) {
            local.origem = GirarInverso(mv.m, atual.origem - mv.pivo - mv.desloc) + mv.pivo;
            local.direcao = GirarInverso(mv.m, atual.direcao);
        }
        double t = 0;
        const bool acertou =
            IntersectarConica(s.forma, NoVertice(s, local.origem), local.direcao, t);
        double tObs = 0;
        if (Obstruido(atual.origem, atual.direcao, acertou ? t : INFINITY, obstrucoes, tObs)) {
            tr.pontos[tr.nPontos++] = Mover(atual.origem, atual.direcao, tObs);
            tr.fim = FimRaio::Obstruido;
            return tr;
        }
        if (!acertou) {
            // Past an ellipsoid's equator the conic is not a mirror surface.
            tr.fim = perdas[k];
            if (AlturaMaximaConica(s.forma) < s.raioExterno) tr.fim = FimRaio::SuperficieIndefinida;
            return tr;
        }
        const Vetor3 p = Mover(local.origem, local.direcao, t);
        const double rho2 = p.x * p.x + p.y * p.y;
        const double externo = s.raioExterno * (1 + FolgaBorda);
        const double furo = s.raioFuro * (1 - FolgaBorda);
        if (rho2 > externo * externo || rho2 < furo * furo) {
            tr.fim = perdas[k];
            return tr;
        }
        RefletirConica(Curvatura(s.forma), 1 + s.forma.b, p.x, p.y, p.z - s.zVertice,
                       local.direcao.x, local.direcao.y, local.direcao.z);
        if (mv.nulo) {
            atual.origem = p;
            atual.direcao = local.direcao;
        } else {
            // Back to the telescope's frame: the point along the ray itself (t is the same in
            // both frames), the direction turned forward.
            atual.origem = Mover(atual.origem, atual.direcao, t);
            atual.direcao = Girar(mv.m, local.direcao);
        }
        tr.pontos[tr.nPontos++] = atual.origem;
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
    s.primario = {0, {P.r1, b1}, P.D1 / 2, 0};
    s.secundario = {P.d, {P.r2, b2}, P.D2 / 2, 0};
    s.zImagem = -P.e;
    return s;
}

bool RaioDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double px, double py,
                 double zInicio, Raio& raio) {
    double flecha = 0;
    const Espelho& s = sistema.primario;
    if (!FlechaConica(s.forma, std::sqrt(px * px + py * py), flecha)) return false;
    const Vetor3 alvo{px, py, s.zVertice + flecha};
    raio.direcao = {0, std::sin(theta), -std::cos(theta)};
    const double t = (zInicio - alvo.z) / std::cos(theta);
    raio.origem = Mover(alvo, raio.direcao, -t);
    return true;
}
