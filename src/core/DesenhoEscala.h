// The to-scale side section of the designed telescope: outlines, traced rays, direct sky light.
#pragma once

#include "Calculo.h"
#include "Global.h"
#include "TracadoRaios.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <span>
#include <vector>

// Drawing coordinates, in mm: x along the axis from the primary's vertex, positive towards the
// image plane (the baffle's positions: the secondary at −d, the image plane at +e); y the height
// in the axial section, positive upwards. The ray trace's z is −x.
using Polilinha = std::vector<QPointF>;

// Why a design cannot be drawn.
enum class MotivoDesenho {
    Valido,
    EntradasNulas,    // D1, f/D, e or i not positive
    Ampliacao,        // gamma <= 1
    Geometria,        // d, p, D2 or r2 not positive
    ConicaIndefinida, // a conic has no surface over its mirror's aperture
    NaoFinito         // a number came out NaN or infinite
};

// A plane of the axial section that a direct sky ray must cross: inside |y| ≤ raio (a stop's
// aperture, the baffle's front rim, the field), or outside y ≥ raio (the secondary's holder; the
// mirror image of a ray that passes below it is the same case).
struct AberturaLuz {
    double x = 0;
    double raio = 0;
    bool externa = false;
};

// The answer of the direct-light check. folga is the largest, over all straight rays, of the
// smallest clearance (mm) the ray keeps from every edge it must pass; a ray gets through with
// room to spare exactly when folga > 0. The ray that attains it, y = altura + inclinacao·x, is
// the most dangerous one (when atinge) or the nearest miss.
struct LuzDireta {
    bool atinge = false;
    double folga = 0;
    double altura = 0, inclinacao = 0;
};

// Solves the check exactly: the clearance t is a linear program in (altura, inclinacao, t);
// the upper edges count only through the lower convex hull of their (x, raio) points, the lower
// ones through the upper hull, and the optimum is the best feasible vertex of what remains.
LuzDireta VerificarLuzDireta(std::span<const AberturaLuz> aberturas);

// The planes of the check for a design: the field (diameter i at +e), the holder (SSDe at −d,
// or D2 when no holder is designed or it is smaller than the mirror), and, with a baffle, its
// front rim (DDi at −L) and every glare stop's aperture.
std::vector<AberturaLuz> AberturasLuzDireta(const TProjeto& projeto,
                                            std::span<const LinhaGlare> glares, bool defletor);

// A dimension line between two points of the drawing, drawn at x = nivel (vertical) or
// y = nivel (horizontal), with extension lines from the points.
struct Cota {
    QPointF de, ate;
    double nivel = 0;
    bool vertical = false;
    QString texto;
};

enum class TipoRaio { Eixo, Campo, LuzDireta };

// One traced ray: its path through the drawing, and whether it stopped before the image plane.
struct RaioDesenho {
    TipoRaio tipo = TipoRaio::Eixo;
    Polilinha pontos;
    bool bloqueado = false;
};

// Everything the drawing shows, in mm.
struct DadosDesenho {
    MotivoDesenho motivo = MotivoDesenho::EntradasNulas;
    bool valido() const { return motivo == MotivoDesenho::Valido; }
    QString mensagem; // why nothing is drawn
    int variante = VarianteRitcheyChretien;
    double b1 = 0, b2 = 0;
    double espessura = 0; // the primary's thickness at the vertex
    double furo = 0;      // the smallest central hole that passes every ray of the full field
    double furoVidro = 0; // the hole drawn in the glass: the tube passes through it
    std::vector<Polilinha> primario; // closed outlines: the halves above and below the hole
    Polilinha secundario;            // closed outline
    std::vector<QRectF> suporte;     // the secondary's holder
    std::vector<QRectF> tubo;        // the baffle's two walls
    std::vector<QRectF> glares;      // the opaque ring of each stop, above and below
    std::vector<LinhaGlare> linhasGlare;
    bool defletor = false;          // a baffle is designed (DDi and LTotal positive)
    double xInicio = 0;             // where the sky rays start
    QPointF planoImagem[2];         // the image plane's trace
    QPointF campo[2];               // the field circle's diameter on it
    std::vector<RaioDesenho> raios; // the fans, then the direct ray when there is one
    LuzDireta luz;
    QString veredito;  // "Luz direta atinge o campo" / "Luz direta bloqueada"
    QString textoFuro; // the hole diameter as a number
    std::vector<Cota> cotas;
    QRectF limites; // everything drawn (x to the right, y up: top < bottom)
};

// The central hole: twice the largest distance from the axis at the primary's vertex plane
// among the rays of the full field on their way from the secondary to the image plane (bundles
// at five heights from the axis to the field's edge, each through the primary's meridian and
// rim), the secondary taken as large as the beam needs (D2 is a first-order size). Without
// obstructions.
double DiametroFuro(const SistemaDoisEspelhos& sistema, const TProjeto& projeto);

// The drawing of a design for one variant; espessura ≤ 0 gives the default D1 / 6. The baffle
// is recomputed from the record's baffle inputs, so it follows the first-order values.
DadosDesenho CalcularDesenho(const TProjeto& projeto, int variante, double espessura, QChar decimal,
                             QChar milhar);
DadosDesenho CalcularDesenho(const TProjeto& projeto, int variante, double espessura);
