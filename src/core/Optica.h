// The one optics kernel: vectors, conic mirrors of revolution and reflection, shared by the ray
// trace, the drawing and the mirror-making data (the batch trace inlines the same closed forms).
#pragma once

#include "Global.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

// conic surfaces and their ray intersection in closed form: Welford, Aberrations of Optical
// Systems, ch. 4 (ray tracing), with the conic written as c·ρ² − 2w + c·(1+k)·w² = 0.

inline bool Finito(double v) {
    return std::isfinite(v);
}

// A point or a direction, in mm: z along the axis, x and y across it (y the meridional
// direction; a meridional-plane figure uses x as the height and y = 0).
struct Vetor3 {
    double x = 0, y = 0, z = 0;
};
inline Vetor3 operator+(const Vetor3& a, const Vetor3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vetor3 operator-(const Vetor3& a, const Vetor3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline double Escalar(const Vetor3& a, const Vetor3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double Norma(const Vetor3& v) {
    return std::sqrt(Escalar(v, v));
}
inline Vetor3 Unitario(const Vetor3& v) {
    const double n = Norma(v);
    return {v.x / n, v.y / n, v.z / n};
}
// p + t·u
inline Vetor3 Mover(const Vetor3& p, const Vetor3& u, double t) {
    return {p.x + t * u.x, p.y + t * u.y, p.z + t * u.z};
}

// A conic mirror of revolution, vertex at the origin: c·ρ² − 2w + c·(1+k)·w² = 0, with w the
// axial distance from the vertex and c = 1 / R. R > 0 puts the centre of curvature on the side
// of larger w (the concave primary and the convex secondary of a Cassegrain, each seen from
// its own side, both have R > 0); R = 0 is a plane. b is the conic constant k (0 sphere,
// −1 paraboloid, < −1 hyperboloid, > −1 ellipsoid).
struct Conica {
    double R = 0;
    double b = 0;
};

inline double Curvatura(const Conica& s) {
    return s.R == 0 ? 0 : 1 / s.R;
}

// The sag at height ρ: c·ρ² / (1 + √(1 − (1+k)·c²·ρ²)); false where the square root's argument
// is negative (no surface at that height).
inline bool FlechaConica(const Conica& s, double rho, double& flecha) {
    flecha = 0;
    if (s.R == 0) return true;
    const double c = 1 / s.R;
    const double arg = 1 - (1 + s.b) * c * c * rho * rho;
    if (!(arg >= 0)) return false;
    flecha = c * rho * rho / (1 + std::sqrt(arg));
    return true;
}

// The slope dw/dρ at height ρ: c·ρ / √(1 − (1+k)·c²·ρ²); NaN where there is no surface.
inline double InclinacaoConica(const Conica& s, double rho) {
    const double c = Curvatura(s);
    return c * rho / std::sqrt(1 - (1 + s.b) * c * c * rho * rho);
}

// The largest height the conic reaches: an ellipsoid ends at its equator ρ = 1 / (|c|·√(1+k));
// other conics are unbounded (infinity).
inline double AlturaMaximaConica(const Conica& s) {
    if (!(s.b > -1) || s.R == 0) return INFINITY;
    return 1 / (std::fabs(1 / s.R) * std::sqrt(1 + s.b));
}

// The parameter t ≥ 0 where the ray o + t·u (o relative to the vertex) meets the conic's vertex
// sheet, NaN when it does not. Branch-free, so the batch trace vectorises the very same lines:
// A·t² + 2B·t + C = 0, both roots written without cancellation; the nearer root ahead of the ray
// that lies where 1 − c·(1+k)·w ≥ 0 (the square root of the sag formula): a hyperboloid's other
// sheet or an ellipsoid's far half is not the mirror. A = 0 (a plane, a ray along an asymptote)
// leaves the one root −C / 2B.
[[gnu::always_inline]] inline double RaizConica(double c, double k1, double ox, double oy,
                                                double w0, double ux, double uy, double uz) {
    const double A = c * (ux * ux + uy * uy + k1 * uz * uz);
    const double B = c * (ox * ux + oy * uy + k1 * w0 * uz) - uz;
    const double C = c * (ox * ox + oy * oy + k1 * w0 * w0) - 2 * w0;
    const double disc = B * B - A * C;
    const double q = B + std::copysign(std::sqrt(disc), B); // NaN when disc < 0
    const double r0 = -C / q, r1 = -q / A;
    // & rather than &&: every test is evaluated, so the vectorised loop needs no branch.
    const bool ok0 = (r0 >= 0) & (std::fabs(r0) <= DBL_MAX) & (1 - c * k1 * (w0 + r0 * uz) >= 0);
    const bool ok1 = (r1 >= 0) & (std::fabs(r1) <= DBL_MAX) & (1 - c * k1 * (w0 + r1 * uz) >= 0);
    const double r = ok0 & (!ok1 | (r0 < r1)) ? r0 : r1;
    return r + (ok0 | ok1 ? 0.0 : NAN); // (a sum, not a select: GCC then vectorises the loop)
}

// The reflection of the direction (ux, uy, uz) at the point (px, py, w) of the conic (w from
// the vertex), about the unit normal: NormalConica and Refletir in the same operations, written
// on numbers so the batch trace vectorises them.
[[gnu::always_inline]] inline void RefletirConica(double c, double k1, double px, double py,
                                                  double w, double& ux, double& uy, double& uz) {
    const double gx = c * px, gy = c * py, gz = c * k1 * w - 1;
    const double m = std::sqrt(gx * gx + gy * gy + gz * gz);
    const double nx = gx / m, ny = gy / m, nz = gz / m;
    const double k = 2 * (ux * nx + uy * ny + uz * nz);
    ux -= k * nx;
    uy -= k * ny;
    uz -= k * nz;
}

// The intersection of a ray (origin relative to the vertex, any direction) with the conic's
// vertex sheet: false when it misses; otherwise the parameter t ≥ 0 along the ray.
inline bool IntersectarConica(const Conica& s, const Vetor3& o, const Vetor3& u, double& t) {
    const double r = RaizConica(Curvatura(s), 1 + s.b, o.x, o.y, o.z, u.x, u.y, u.z);
    if (std::isnan(r)) return false;
    t = r;
    return true;
}

// The unit normal at a point of the conic (relative to the vertex), pointing away from the
// centre of curvature for R > 0 (towards −w at the vertex).
inline Vetor3 NormalConica(const Conica& s, const Vetor3& p) {
    const double c = Curvatura(s);
    return Unitario({c * p.x, c * p.y, c * (1 + s.b) * p.z - 1});
}

// Mirror reflection of a direction about a unit normal.
inline Vetor3 Refletir(const Vetor3& u, const Vetor3& n) {
    const double k = 2 * Escalar(u, n);
    return {u.x - k * n.x, u.y - k * n.y, u.z - k * n.z};
}

// A variant's conic constants (b1 the primary's, b2 the secondary's) from the design's current
// radii and distances (the comparison list holds them only as of its last refresh).
struct ConicasProjeto {
    double b1 = 0, b2 = 0;
};
ConicasProjeto ConicasVariante(const TProjeto& projeto, int variante);
void ConicasVariante(const TProjeto& projeto, int variante, double& b1, double& b2);

// The secondary's drawn thickness: a sixth of its diameter, or 1,5 × its edge sag when deeper.
inline double EspessuraSecundario(double diametro, double flechaBorda) {
    return std::max(diametro / 6, 1.5 * flechaBorda);
}
