// Focusing and collimation tolerances of the three variants: what moving, tilting or decentring
// the secondary does to the image, from the exact ray trace and the traced wavefront.
#pragma once

#include "AnaliseRaios.h"
#include "PoseEspelho.h"

#include <QJsonObject>
#include <QString>
#include <array>
#include <vector>

// The Strehl ratio the tolerances keep, and the wavefront grid they trace (cells across D1).
inline constexpr double StrehlLimite = 0.8;
inline constexpr int ToleranciaAmostras = 48;

// The secondary shift (mm, positive away from the primary) that puts the paraxial focus Δe
// further from the primary's vertex (e → e + Δe), from the two-mirror imaging equation solved
// in closed form; NaN when no shift does.
double DeslocamentoParaxial(const TProjeto& projeto, double deltaE);
// The paraxial back focus e (mm) and focal length F with the secondary shifted by s.
void FocoParaxial(const TProjeto& projeto, double s, double& e, double& F);

// The best focus (z, mm) of the on-axis bundle of a system: the plane of least RMS spot.
double FocoTracado(const SistemaDoisEspelhos& sistema, const std::vector<PontoPupila>& pupila,
                   double zInicio);

// The on-axis wavefront of a system with posed mirrors, refocused (its least-squares defocus
// removed as well as piston and tilt): its RMS (waves), the Strehl ratio from it, and the coma
// (waves, coefficients of ρ³·cos φ along x and ρ³·sin φ along y, ρ = 1 at the rim).
struct FrenteRefocada {
    bool valida = false;
    double rms = 0, strehl = 0;
    double comaX = 0, comaY = 0;
};
FrenteRefocada FrenteNoEixo(const TProjeto& projeto, const SistemaDoisEspelhos& sistema,
                            const PosesEspelhos& poses, int amostras = ToleranciaAmostras);

// One row of focusing by the secondary.
struct LinhaFocagem {
    bool valida = false;
    double deltaE = 0;       // mm
    double deslocamento = 0; // secondary shift, mm (positive away from the primary)
    double F = 0, FN = 0;    // mm, focal ratio
    double rmsEixo = 0;      // µm, in the new focal plane
    double strehl = 0;       // on axis, refocused
    double rmsBorda = 0;     // µm, edge of the field in the on-axis focal plane
};

struct ColimacaoVariante {
    bool valida = false;
    double descentramento = 0;   // mm of secondary decentre giving Strehl 0,8
    double inclinacao = 0;       // arcminutes of tilt about the secondary's vertex giving 0,8
    double comaPorMinuto = 0;    // waves of coma per arcminute of tilt about the vertex
    double comaPorMm = 0;        // waves of coma per mm of decentre
    double pontoNeutro = 0;      // mm from the secondary's vertex, positive away from the primary
    double espacamentoMenos = 0; // spacing errors (mm, < 0 and > 0) giving Strehl 0,8
    double espacamentoMais = 0;
};

struct VarianteTolerancias {
    std::vector<LinhaFocagem> focagem;
    // The Δe range (mm) that keeps the on-axis Strehl ≥ 0,8; a bound the range reaches without
    // falling below it is the range's own end (aberto* true).
    double faixaMin = 0, faixaMax = 0;
    bool abertoMin = false, abertoMax = false;
    // Focusing by the camera: RMS (µm) on axis and at the edge for each image-plane shift.
    std::vector<double> cameraEixo, cameraBorda;
    ColimacaoVariante colimacao;
};

struct ResultadoTolerancias {
    MotivoAnalise motivo = MotivoAnalise::EntradasNulas;
    bool valida() const { return motivo == MotivoAnalise::Valida; }
    double profundidadeFoco = 0;      // ± 2·λ·N², mm
    std::vector<double> deslocCamera; // image-plane shifts, mm
    std::array<VarianteTolerancias, 3> variantes;
};

// The whole computation for Δe from deMin to deMax (mm) in `passos` steps.
ResultadoTolerancias CalcularTolerancias(const TProjeto& projeto, double deMin = -50,
                                         double deMax = 100, int passos = 15);

// The range text "a;b" (mm) → deMin, deMax; false when it does not read.
bool LerFaixaFoco(const QString& texto, double& deMin, double& deMax);

// The result as JSON: "motivo", "profundidadeFoco", "variantes" (each with "focagem" rows,
// "faixa", "camera" and "colimacao").
QJsonObject ToleranciasJson(const ResultadoTolerancias& r);
