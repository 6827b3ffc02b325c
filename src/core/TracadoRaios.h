// Exact ray trace through a two-mirror telescope: conic mirrors, exact normals, obstructions.
#pragma once

#include "Global.h"

#include <array>
#include <span>

// Coordinates in mm: z along the axis, from the primary's vertex (z = 0) towards the sky and
// the secondary (z = d); the image plane lies at z = -e. y is the meridional direction.
struct Vetor3 {
    double x = 0, y = 0, z = 0;
};

// A ray: a point and a unit direction.
struct Raio {
    Vetor3 origem;
    Vetor3 direcao;
};

// A conic mirror of revolution. Its surface is c·ρ² − 2w + c·(1+k)·w² = 0 with w = z − zVertice
// and c = 1 / raio; raio > 0 puts the centre of curvature on the side of larger z (so both the
// concave primary and the convex secondary of a Cassegrain have raio > 0). A ray counts as
// reaching the mirror when it meets the surface at raioFuro ≤ ρ ≤ raioExterno.
struct Espelho {
    double zVertice = 0;
    double raio = 0;        // vertex radius of curvature (0 = plane)
    double conica = 0;      // conic constant k (0 sphere, −1 paraboloid)
    double raioExterno = 0; // half the diameter
    double raioFuro = 0;    // radius of a central hole (0 = none)
};

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

// Sag of a conic at height ρ: c·ρ² / (1 + √(1 − (1+k)·c²·ρ²)); false when the square root's
// argument is negative (the conic has no surface at that height).
bool FlechaConica(double raio, double conica, double rho, double& flecha);

// Closed-form intersection of a ray with the conic's vertex sheet (the root that tends to the
// vertex plane as the curvature goes to 0). Returns false when the ray misses the conic or meets
// it past an ellipsoid's equator; otherwise the parameter t ≥ 0 along the ray (origin + t·dir).
bool IntersectarConica(const Espelho& espelho, const Raio& raio, double& t);

// Unit normal of the conic at a point on it.
Vetor3 NormalConica(const Espelho& espelho, const Vetor3& ponto);

// Mirror reflection of a unit direction about a unit normal.
Vetor3 Refletir(const Vetor3& direcao, const Vetor3& normal);

// Traces one ray: primary, secondary, image plane; each segment is checked against the
// obstructions (the first one crossed stops the ray).
TracadoRaio TracarRaio(const SistemaDoisEspelhos& sistema, const Raio& raio,
                       std::span<const Obstrucao> obstrucoes = {});

// The system of a design for one variant's conics (b1, b2): mirrors of diameter D1 and D2
// (no hole), secondary at d, image plane at −e.
SistemaDoisEspelhos SistemaDoProjeto(const TProjeto& projeto, double b1, double b2);

// The ray of a parallel bundle at field angle theta (in the meridional plane, towards +y at
// the image) that meets the primary at the pupil point (px, py) (ρ measured on the primary's
// surface), starting on the plane z = zInicio. False when the primary has no surface there.
bool RaioDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double px, double py,
                 double zInicio, Raio& raio);
