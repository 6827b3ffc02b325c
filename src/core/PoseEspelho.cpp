// Mirrors out of their place: tilted about a point on the axis and decentred across it.
#include "PoseEspelho.h"

#include <cmath>

// rigid motions of a surface, ray carried into the surface's frame and back: Welford,
// Aberrations of Optical Systems, ch. 4 (tilted and decentred surfaces).

namespace {
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

MovimentoEspelho MovimentoDaPose(const PoseEspelho& pose) {
    MovimentoEspelho mv;
    if (pose.nula()) return mv;
    mv.nulo = false;
    const double minuto = Pi / (180 * 60);
    const double a = pose.inclinacaoX * minuto, b = pose.inclinacaoY * minuto,
                 g = pose.giroZ * minuto;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b),
                 cg = std::cos(g), sg = std::sin(g);
    // Ry(b)·Rx(a)·Rz(g): the turn about the axis first, then the tilts.
    const double rx[3][3] = {{1, 0, 0}, {0, ca, -sa}, {0, sa, ca}};
    const double ry[3][3] = {{cb, 0, sb}, {0, 1, 0}, {-sb, 0, cb}};
    const double rz[3][3] = {{cg, -sg, 0}, {sg, cg, 0}, {0, 0, 1}};
    double t[3][3] = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                t[i][j] += ry[i][k] * rx[k][j];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            mv.m[i][j] = 0;
            for (int k = 0; k < 3; ++k)
                mv.m[i][j] += t[i][k] * rz[k][j];
        }
    mv.pivo = {0, 0, pose.zPivo};
    mv.desloc = {pose.dx, pose.dy, 0};
    return mv;
}

MovimentosEspelhos MovimentosDasPoses(const PosesEspelhos& poses) {
    return {MovimentoDaPose(poses.primario), MovimentoDaPose(poses.secundario)};
}

TracadoRaio TracarRaioPosado(const SistemaDoisEspelhos& sistema, const PosesEspelhos& poses,
                             const Raio& raio) {
    return TracarRaioPosado(sistema, MovimentosDasPoses(poses), raio);
}

TracadoRaio TracarRaioPosado(const SistemaDoisEspelhos& sistema, const MovimentosEspelhos& poses,
                             const Raio& raio) {
    TracadoRaio tr;
    tr.pontos[0] = raio.origem;
    tr.nPontos = 1;
    tr.direcao = raio.direcao;
    Raio atual = raio;

    const Espelho* espelhos[2] = {&sistema.primario, &sistema.secundario};
    const MovimentoEspelho* movimentos[2] = {&poses.primario, &poses.secundario};
    const FimRaio perdas[2] = {FimRaio::PerdeuPrimario, FimRaio::PerdeuSecundario};
    for (int k = 0; k < 2; ++k) {
        const Espelho& s = *espelhos[k];
        const MovimentoEspelho& mv = *movimentos[k];
        const bool posado = !mv.nulo;
        // The ray in the mirror's frame: the inverse motion M⁻¹·(p − pivo − desloc) + pivo.
        Raio local = atual;
        if (posado) {
            local.origem = GirarInverso(mv.m, atual.origem - mv.pivo - mv.desloc) + mv.pivo;
            local.direcao = GirarInverso(mv.m, atual.direcao);
        }
        double t = 0;
        const Vetor3 noVertice{local.origem.x, local.origem.y, local.origem.z - s.zVertice};
        if (!IntersectarConica(s.forma, noVertice, local.direcao, t)) {
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
        Vetor3 u = local.direcao;
        RefletirConica(Curvatura(s.forma), 1 + s.forma.b, p.x, p.y, p.z - s.zVertice, u.x, u.y,
                       u.z);
        if (posado) {
            // Back to the telescope's frame: the point along the ray itself (t is the same in
            // both frames), the direction turned forward.
            atual.origem = Mover(atual.origem, atual.direcao, t);
            atual.direcao = Girar(mv.m, u);
        } else {
            atual.origem = p;
            atual.direcao = u;
        }
        tr.pontos[tr.nPontos++] = atual.origem;
        tr.direcao = atual.direcao;
    }

    if (atual.direcao.z == 0) {
        tr.fim = FimRaio::PerdeuSecundario;
        return tr;
    }
    const double t = (sistema.zImagem - atual.origem.z) / atual.direcao.z;
    if (!(t > 0)) {
        tr.fim = FimRaio::PerdeuSecundario;
        return tr;
    }
    tr.pontos[tr.nPontos++] = Mover(atual.origem, atual.direcao, t);
    tr.fim = FimRaio::Imagem;
    return tr;
}
