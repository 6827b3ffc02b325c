// Field illumination of a two-mirror telescope with its baffles, and the baffle of least
// obstruction that keeps sky light off the field.
#pragma once

#include "Calculo.h"
#include "DesenhoEscala.h"
#include "Global.h"
#include "TracadoRaios.h"

#include <vector>

// An aperture of the returning beam: the ray crosses the plane z inside raio.
struct DiafragmaIluminacao {
    double z = 0;
    double raio = 0;
};

// What a sky ray must get past, in the ray trace's coordinates (z from the primary's vertex
// towards the sky; the image plane at sistema.zImagem). The mirrors' own limits are in sistema
// (the primary's hole as primario.raioFuro, the secondary's rim as secundario.raioExterno).
struct GeometriaIluminacao {
    SistemaDoisEspelhos sistema;
    double F = 0;           // system focal length: heights to field angles
    double zSuporte = 0;    // the holder's plane (the secondary's vertex)
    double raioSuporte = 0; // a disc the incoming rays must pass outside
    // The hood: a cylinder of raioSuporte from the holder back to its open end zCapuz (zSuporte
    // when the holder is a flat disc). Incoming rays pass outside it; the rays to and from the
    // secondary pass through its open end.
    double zCapuz = 0;
    bool tubo = false;          // a baffle tube is there
    double zTubo = 0;           // its front
    double raioExternoTubo = 0; // incoming rays and rays to the secondary pass outside it
    double raioInternoTubo = 0; // rays to the image pass inside it
    std::vector<DiafragmaIluminacao> diafragmas; // the glare stops' apertures
};

// The geometry of a design for one variant, with the record's baffle (as the baffle computation
// gives it from DDi, DDe, SSDe, LTotal, nG) when DDi and LTotal are positive. False when the
// design has no valid system.
bool GeometriaDoProjeto(const TProjeto& projeto, int variante, GeometriaIluminacao& g);

// Samples per primary radius of the pupil grid (see Iluminacao.cpp).
inline constexpr int AmostrasIluminacao = 72;
inline constexpr int AlturasIluminacao = 25;

// Rays counted at one field angle (of theta radians) over the primary's disc sampled on a
// square grid of `amostras` cells per radius; `total` the grid points on the bare primary.
// rhoMinimo: the smallest radius on the primary of a counted ray.
struct ContagemIluminacao {
    long contados = 0;
    long total = 0;
    double rhoMinimo = 0;
};
ContagemIluminacao ContarRaios(const GeometriaIluminacao& g, double theta,
                               int amostras = AmostrasIluminacao);

// The illumination curve and its figures.
struct ResultadoIluminacao {
    bool valida = false;
    std::vector<double> alturas;  // image heights (mm), 0 .. 1,5·i/2, i/2 among them
    std::vector<double> relativa; // relative illumination (1 on the axis)
    double transmissao = 0;       // on-axis rays counted / rays on a bare primary
    double obstrucaoArea = 0;     // 1 − transmissao
    double obstrucaoDiametro = 0; // the on-axis beam's central shadow / D1
    // Diameters (mm) of the field lit at 100 % (within 0,1 %), 75 % and 50 %; alem[k] true when
    // the level is not reached within the heights traced (then the largest diameter traced).
    double diametros[3] = {0, 0, 0};
    bool alem[3] = {false, false, false};
};
inline constexpr double NiveisIluminacao[3] = {0.999, 0.75, 0.5};

// The curve at `n` heights from 0 to alturaMaxima (the k-th at alturaMaxima·k/(n−1)).
ResultadoIluminacao CalcularIluminacao(const GeometriaIluminacao& g, double alturaMaxima,
                                       int n = AlturasIluminacao,
                                       int amostras = AmostrasIluminacao);
// For a design: the curve of one variant up to 1,5·i/2 (i/2 is the 17th of 25 heights).
ResultadoIluminacao CalcularIluminacao(const TProjeto& projeto, int variante);

// Where the heights cross a level, interpolated linearly; false when it is never crossed.
bool AlturaDoNivel(const std::vector<double>& alturas, const std::vector<double>& relativa,
                   double nivel, double& altura);

// A baffle of least obstruction. The optimiser's own family (livre) is free of the baffle rule:
// the tube's front at L in front of the primary with the inner diameter DDi (its wall
// (DDe − DDi)/2 of the record, 1 mm when that is not positive), its back end where the record's
// tube ends (LTotal − L behind the front, the primary's surface when there is no baffle), nG
// glare stops from the back end to the front on the straight line that just clears the kept
// field's rays; the secondary's hood of diameter SSDe reaching `alcance` behind the secondary.
// The record's family (not livre) is what the baffle window holds: the tube's front where the
// baffle rule puts it for DDi, the stops as the baffle computation places them, a flat holder.
struct DefletorOtimizado {
    bool encontrado = false;
    bool livre = false;
    double DDi = 0, DDe = 0, SSDe = 0, L = 0;
    double alcance = 0;                          // the hood's reach behind the secondary
    double LTotal = 0;                           // the tube's whole length
    std::vector<DiafragmaIluminacao> diafragmas; // the stops (livre)
    double raioImagem = 0; // where the stops' line meets the image plane (livre)
    double obstrucaoArea = 0;
    double relativa = 0; // the illumination at the edge of the kept field
    double folga = 0; // the direct-light check's clearance (≤ 0: no sky light reaches the field)
};
// The illumination a baffle must keep at the edge of the field `campo` (relative to the axis):
// 100 % within 0,1 %, or, where the mirrors alone (the secondary's rim, the hole) already darken
// that edge, 0,1 % short of what they give there: a baffle cannot light what the mirrors miss,
// and a hood widened until the axis is as dark as the edge would only obstruct more.
double IluminacaoExigida(const TProjeto& projeto, int variante, double campo,
                         int amostras = AmostrasIluminacao);
// campo: the diameter that must stay lit at 100 %. The free family's optimum:
DefletorOtimizado OtimizarDefletor(const TProjeto& projeto, int variante, double campo,
                                   int amostras = AmostrasIluminacao);
// The record family's optimum (what "Aplicar" can write into the record):
DefletorOtimizado OtimizarDefletorRegistro(const TProjeto& projeto, int variante, double campo,
                                           int amostras = AmostrasIluminacao);

// The free family's glare stops for a tube from z = −fundo (behind the primary) to its front L
// with the inner diameter DDi: nG of them, on the straight line from the front rim to raioImagem
// on the image plane, none behind the image (ray-trace coordinates).
std::vector<DiafragmaIluminacao> DiafragmasDefletor(double L, double DDi, double fundo, int nG,
                                                    double zImagem, double raioImagem);
// The geometry of a design with a baffle of the free family in place of the record's.
bool GeometriaComDefletor(const TProjeto& projeto, int variante, const DefletorOtimizado& d,
                          GeometriaIluminacao& g);
// The planes of the direct-light check for it; campoLuz the field (diameter) to keep dark.
std::vector<AberturaLuz> AberturasDefletor(const TProjeto& projeto, const DefletorOtimizado& d,
                                           double campoLuz);
// The field kept dark by the free family: the record's i, or the field kept lit when larger.
inline double CampoEscuro(const TProjeto& projeto, double campo) {
    return std::max(projeto.i, campo);
}
// The curve of a design with an optimised baffle of either family.
ResultadoIluminacao CalcularIluminacao(const TProjeto& projeto, int variante,
                                       const DefletorOtimizado& d);

// A design with a baffle of the record's family (DDi, wall, SSDe), recomputed.
TProjeto ProjetoComDefletor(const TProjeto& projeto, double DDi, double SSDe);
// Its two constraints and objective, as the optimiser evaluates them.
struct AvaliacaoDefletor {
    bool valida = false;
    double folga = 0;     // the direct-light check
    double relativa = 0;  // illumination at campo/2
    double obstrucao = 0; // by area
};
AvaliacaoDefletor AvaliarDefletor(const TProjeto& projeto, int variante, double campo,
                                  int amostras = AmostrasIluminacao);
// The same for any geometry, given its direct-light clearance.
AvaliacaoDefletor AvaliarGeometria(const GeometriaIluminacao& g, double campo, double folga,
                                   int amostras = AmostrasIluminacao);
// The direct-light clearance of a design's baffle (the drawing's check).
double FolgaLuzDireta(const TProjeto& projeto);
// The wall thickness of the record, 1 mm when not positive.
double EspessuraParede(const TProjeto& projeto);

// The whole study of a design for one variant, as the window, its report and the JSON show it:
// the curve of the record's baffle, the baffle of least obstruction keeping `campo` lit and its
// curve. What the optimiser gives depends only on the design, the variant and the field.
struct CalculoIluminacao {
    ResultadoIluminacao atual, otimizado, otimizadoRegistro;
    DefletorOtimizado defletor, defletorRegistro; // the free family's and the record's
    double folgaAtual = 0;                        // the record's baffle's direct-light clearance
    bool defletorAtual = false;                   // the record has a baffle
    double DDi = 0, DDe = 0, L = 0, SSDe = 0;     // the record's baffle as computed
    double meioCampo = 0;                         // i/2
    double campo = 0;                             // the field to keep lit
};
// `anterior`, when given, is a study of the same design, variant and field: its optimised baffle
// and curves are reused (the optimisers are the costly part).
CalculoIluminacao CalcularEstudoIluminacao(const TProjeto& projeto, int variante, double campo,
                                           const CalculoIluminacao* anterior = nullptr);
// Sky light reaches the field: the record's baffle when there is none or its clearance is
// positive; the optimised one never when found.
inline bool LuzDiretaAtual(const CalculoIluminacao& c) {
    return !(c.defletorAtual && c.folgaAtual <= 0);
}
