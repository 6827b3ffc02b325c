// The one optics kernel: the variants' conics from the design record.
#include "Optica.h"

ConicasProjeto ConicasVariante(const TProjeto& P, int variante) {
    const auto v = static_cast<std::int16_t>(std::clamp(variante, 0, 2));
    return {DeformacaoPrimario(v, P.r1, P.r2, P.gamma, P.d, P.p),
            DeformacaoSecundario(v, P.r1, P.gamma, P.d)};
}

void ConicasVariante(const TProjeto& P, int variante, double& b1, double& b2) {
    const ConicasProjeto c = ConicasVariante(P, variante);
    b1 = c.b1;
    b2 = c.b2;
}
