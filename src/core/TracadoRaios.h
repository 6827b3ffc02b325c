// Exact ray trace through a two-mirror telescope: conic mirrors, exact normals, obstructions.
#pragma once

#include "Global.h"
#include "Optica.h"

#include <array>
#include <span>

// Coordinates in mm: z along the axis, from the primary's vertex (z = 0) towards the sky and
// the secondary (z = d); the image plane lies at z = -e. y is the meridional direction.

// A ray: a point and a unit direction.
struct Raio {
    Vetor3 origem;
    Vetor3 direcao;
};

// A conic mirror of revolution with its vertex at z = zVertice, w = z − zVertice (so both the
// concave primary and the convex secondary of a Cassegrain have R > 0). A ray counts as
// reaching the mirror when it meets the surface at raioFuro ≤ ρ ≤ raioExterno.
struct Espelho {
    double zVertice = 0;
    Conica forma;           // vertex radius R (0 = plane) and conic constant b
    double raioExterno = 0; // half the diameter
    double raioFuro = 0;    // radius of a central hole (0 = none)
};
// Rims and holes accept a ray this close to the edge (relative), against rounding.
inline constexpr double FolgaBorda = 1e-9;

// The telescope: primary, secondary and the image plane (perpendicular to the axis).
struct SistemaDoisEspelhos {
    Espelho primario;
    Espelho secundario;
    double zImagem = 0;
};

// A flat annular obstruction perpendicular to the axis: it stops a ray that crosses the plane z
// at raioMin ≤ ρ ≤ raioMax (a disc: raioMin = 0; a stop's opaque ring: raioMin = its aperture).
struct Obstrucao {
    double z = 0;
    double raioMin = 0;
    double raioMax = 0;
};

// How a traced ray ended.
enum class FimRaio {
    Imagem,              // reached the image plane
    PerdeuPrimario,      // missed the primary (outside its rim, in its hole, or no intersection)
    PerdeuSecundario,    // missed the secondary
    Obstruido,           // stopped by an obstruction
    SuperficieIndefinida // met the conic where it is not a surface (past an ellipsoid's equator)
};

// One ray's path: pontos[0] is the ray's origin, then each point reached in order (primary,
// secondary, image plane); a ray that ends early ends at the last point it reached (for an
// obstruction, the point where it was stopped). direcao is the direction of the last segment.
struct TracadoRaio {
    FimRaio fim = FimRaio::Imagem;
    std::array<Vetor3, 4> pontos{};
    int nPontos = 0;
    Vetor3 direcao;
    bool chegou() const { return fim == FimRaio::Imagem; }
    const Vetor3& final() const { return pontos[nPontos - 1]; }
};

// A mirror moved rigidly, p → M·(p − pivo) + pivo + desloc (PoseEspelho.h makes one from a
// tilt and a decentre); nulo: left in place.
struct MovimentoEspelho {
    bool nulo = true;
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vetor3 pivo, desloc;
};
struct MovimentosEspelhos {
    MovimentoEspelho primario, secundario;
};
inline const MovimentosEspelhos SemMovimentos{};

// Traces one ray: primary, secondary, image plane; each segment is checked against the
// obstructions (the first one crossed stops the ray). A moved mirror is met by carrying the ray
// into the mirror's own frame, where the conic keeps its closed form; a mirror left in place is
// traced with no transformation at all.
TracadoRaio TracarRaio(const SistemaDoisEspelhos& sistema, const Raio& raio,
                       std::span<const Obstrucao> obstrucoes = {},
                       const MovimentosEspelhos& movimentos = SemMovimentos);

// The system of a design for one variant's conics (b1, b2): mirrors of diameter D1 and D2
// (no hole), secondary at d, image plane at −e.
SistemaDoisEspelhos SistemaDoProjeto(const TProjeto& projeto, double b1, double b2);

// The ray of a parallel bundle at field angle theta (in the meridional plane, towards +y at
// the image) that meets the primary at the pupil point (px, py) (ρ measured on the primary's
// surface), starting on the plane z = zInicio. False when the primary has no surface there.
bool RaioDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double px, double py,
                 double zInicio, Raio& raio);
