// Mirrors out of their place: tilted about a point on the axis and decentred across it.
#include "PoseEspelho.h"

#include <cmath>

// rigid motions of a surface, ray carried into the surface's frame and back: Welford,
// Aberrations of Optical Systems, ch. 4 (tilted and decentred surfaces).

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
    return TracarRaio(sistema, raio, {}, poses);
}
