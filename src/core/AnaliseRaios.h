// Ray-trace analysis of the three variants: spots, best focus, field curvature, third order.
#pragma once

#include "Global.h"
#include "TracadoLote.h"
#include "TracadoRaios.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Rays of one bundle: RaiosAneis rings of equal area times RaiosAzimutes azimuths.
inline constexpr int RaiosAneis = 20;
inline constexpr int RaiosAzimutes = 64;
inline constexpr int RaiosPorFeixe = RaiosAneis * RaiosAzimutes;
inline constexpr double ComprimentoOnda = 550e-6; // mm

// The pupil points of a bundle on the primary (annulus raioInterno..raioExterno), each standing
// for the same area.
struct PontoPupila {
    double x, y;
};
std::vector<PontoPupila> PupilaAnular(double raioInterno, double raioExterno);
// The rays exactly on the annulus's two rims, RaiosAzimutes on each at azimuths m·2π/M (the
// meridional plane included): they carry the largest aberrations, so they give the geometric
// radius; they stand for no area and do not count in the RMS.
std::vector<PontoPupila> BordasPupila(double raioInterno, double raioExterno);

// One ray's landing point in the image plane and its slopes dx/dz, dy/dz there (mm).
struct PontoImagem {
    double x, y, dx, dy;
};

// Statistics of a spot: centroid (mm), RMS and geometric radius about the centroid (µm), and
// the best focus: the shift of the image plane (mm, positive towards the secondary) that
// minimises the RMS radius, with the RMS there (µm).
struct EstatisticaSpot {
    double centroX = 0, centroY = 0;
    double rms = 0, raioGeometrico = 0;
    double focoOtimo = 0, rmsFocoOtimo = 0;
};
// The geometric radius is the largest distance from the centroid over pontos and bordas.
EstatisticaSpot EstatisticaDoSpot(const std::vector<PontoImagem>& pontos,
                                  const std::vector<PontoImagem>& bordas = {});
// RMS radius (µm) about the centroid after moving the image plane by deslocamento (mm).
double RmsDeslocado(const std::vector<PontoImagem>& pontos, double deslocamento);

// One bundle: image height h (mm) and field angle, the spot relative to its centroid in the
// design's image plane (µm), its statistics, the rays counted and the rays lost.
struct FeixeAnalise {
    double h = 0, theta = 0;
    std::vector<PontoImagem> pontos; // x, y in mm in the image plane
    std::vector<PontoImagem> bordas; // the rim rays that reached it
    EstatisticaSpot estatistica;
    int usados = 0, perdidos = 0; // of the pupil's rays (a lost rim ray only drops out)
};

// Traces a parallel bundle at field angle theta through the pupil points and the rim points
// (rays start on the plane z = zInicio); a pupil ray that misses a mirror is counted as lost.
FeixeAnalise TracarFeixe(const SistemaDoisEspelhos& sistema, const std::vector<PontoPupila>& pupila,
                         double h, double theta, double zInicio,
                         const std::vector<PontoPupila>& bordas = {});

// Third-order (Seidel) aberrations of the design for a marginal height y (mm) on the primary
// and a chief-ray angle theta (rad), stop at the primary. Curvatures in 1/mm, positive when the
// surface is concave towards the secondary.
struct TerceiraOrdem {
    double SI = 0, SII = 0, SIII = 0, SIV = 0; // Seidel sums
    double uFinal = 0;                         // final marginal-ray angle
    double comaSagital = 0;                    // transverse sagittal coma, mm (signed, +y)
    double comaAngular = 0;                    // angular sagittal coma, rad (magnitude)
    double astigmatismoAngular = 0; // angular diameter of the medial image, rad (magnitude)
    double curvaturaPetzval = 0, curvaturaMedia = 0, curvaturaSagital = 0, curvaturaTangencial = 0;
};
TerceiraOrdem AberracoesTerceiraOrdem(const TProjeto& projeto, double b1, double b2, double y,
                                      double theta);

// Why a design cannot be analysed.
enum class MotivoAnalise {
    Valida,
    EntradasNulas,    // D1, F or i not positive
    Ampliacao,        // gamma <= 1
    Geometria,        // d, p, D2 or r2 not positive
    ConicaIndefinida, // a conic has no surface over its mirror's aperture
    EspelhoSemRaios,  // a bundle loses every ray
    NaoFinito         // a number came out NaN or infinite
};

struct VarianteAnalise {
    int variante = 0;
    double b1 = 0, b2 = 0;
    std::array<FeixeAnalise, 3> feixes; // h = 0, 0,7·i/2, i/2
    double deltaCurvatura = 0;          // best focus at the edge minus on axis, mm
    bool campoPlano = false;            // |Δz| < 1e-9 mm
    double raioCurvaturaCampo = 0;      // (i/2)² / (2·Δz), mm
    TerceiraOrdem terceiraOrdem;        // full aperture, edge of the field
};

struct ResultadoAnalise {
    MotivoAnalise motivo = MotivoAnalise::EntradasNulas;
    bool valida() const { return motivo == MotivoAnalise::Valida; }
    double raioAiry = 0;                      // µm
    std::array<VarianteAnalise, 3> variantes; // Clássico, Dall-Kirkham, Ritchey-Chrétien
    int perdidos = 0;                         // rays lost over all bundles
    QStringList avisos; // why a design that cannot be built gives no numbers (AvisosProjeto)
};

// The whole analysis of a design (reads only the first-order fields; the conics are computed
// from them, so the analysis follows every input change).
ResultadoAnalise Analisar(const TProjeto& projeto);

// The window's texts and rows, numbers as "%n".
struct LinhaAnalise {
    QString variante, campo, rms, raioGeometrico, rmsAiry, focoOtimo, rmsFocoOtimo;
};
struct LinhaCurvatura {
    QString variante, raioCampo, coma, astigmatismo, raioPetzval, raioCampoMedio;
};
struct TextosAnalise {
    bool valida = false;
    QString airy;        // lblAiry, or the reason there are no numbers
    // The reason for the printed report, whose pages keep the Windows-1252 code page: the same
    // decision as `airy`, in words that have no Greek letter or sign outside it.
    QString airyRelatorio;
    QString concavidade; // which side each variant's best image surface is concave towards
    QString perdidos;    // rays lost, empty when none
    std::array<LinhaAnalise, 9> linhas;
    std::array<LinhaCurvatura, 3> curvatura;
    std::array<QString, 3> variantes; // column titles of the spot grid
    std::array<QString, 3> alturas;   // row titles of the spot grid
    std::array<QString, 9> rmsSpot;   // caption under each spot (variant-major)
};
TextosAnalise TextosDaAnalise(const ResultadoAnalise& r, QChar decimal, QChar milhar);
TextosAnalise TextosDaAnalise(const ResultadoAnalise& r);
// A length in "%n" or "∞" when infinite.
QString TextoRaio(double raio, bool infinito, QChar decimal, QChar milhar);
