// Mirrors out of their place: tilted about a point on the axis and decentred across it, traced
// exactly by carrying each ray into the mirror's own frame, where the conic keeps its closed form.
#pragma once

#include "TracadoRaios.h"

// A mirror's pose: a tilt about the x axis then about the y axis (arcminutes), both about the
// point of the axis at z = zPivo, then a decentre (dx, dy) across the axis (mm); giroZ turns the
// mirror about the axis itself (arcminutes), which a mirror of revolution does not notice.
struct PoseEspelho {
    double inclinacaoX = 0, inclinacaoY = 0, giroZ = 0; // arcminutes
    double zPivo = 0;                                   // mm, on the axis
    double dx = 0, dy = 0;                              // mm
    bool nula() const {
        return inclinacaoX == 0 && inclinacaoY == 0 && giroZ == 0 && dx == 0 && dy == 0;
    }
};

struct PosesEspelhos {
    PoseEspelho primario, secundario;
};

// A pose as the rigid motion p → M·(p − pivo) + pivo + desloc, computed once for many rays.
struct MovimentoEspelho {
    bool nulo = true;
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vetor3 pivo, desloc;
};
MovimentoEspelho MovimentoDaPose(const PoseEspelho& pose);
struct MovimentosEspelhos {
    MovimentoEspelho primario, secundario;
};
MovimentosEspelhos MovimentosDasPoses(const PosesEspelhos& poses);

// Traces one ray through the system with its mirrors posed (no obstructions). With both poses
// null the operations are TracarRaio's, so the result is the same to the last bit.
TracadoRaio TracarRaioPosado(const SistemaDoisEspelhos& sistema, const MovimentosEspelhos& poses,
                             const Raio& raio);
TracadoRaio TracarRaioPosado(const SistemaDoisEspelhos& sistema, const PosesEspelhos& poses,
                             const Raio& raio);
