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

// A pose as the rigid motion of the trace (MovimentoEspelho), computed once for many rays.
MovimentoEspelho MovimentoDaPose(const PoseEspelho& pose);
MovimentosEspelhos MovimentosDasPoses(const PosesEspelhos& poses);

// Traces one ray through the system with its mirrors posed (no obstructions): TracarRaio with
// the poses' motions, so with both poses null the result is TracarRaio's to the last bit.
TracadoRaio TracarRaioPosado(const SistemaDoisEspelhos& sistema, const MovimentosEspelhos& poses,
                             const Raio& raio);
TracadoRaio TracarRaioPosado(const SistemaDoisEspelhos& sistema, const PosesEspelhos& poses,
                             const Raio& raio);
