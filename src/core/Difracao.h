// Diffraction image quality of the three variants: wavefront, Strehl ratio, PSF, MTF and
// encircled energy over the annular (centrally obstructed) pupil, from the exact ray trace.
#pragma once

#include "AnaliseRaios.h"

#include <QJsonObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

// Grid: DifracaoAmostras pupil samples across D1 and a transform DifracaoPreenchimento times as
// wide, so the PSF is sampled at λN / 3 and repeats every 120·λN (the light beyond 60·λN, about
// 0,3 % for a perfect aperture, folds back onto the far edge of the image, not its core). The MTF
// is exact on the grid (the transform is wider than twice the pupil, so the autocorrelation does
// not wrap) and its cut falls on a sample at every tenth of the cutoff (120 / 10 = 12 samples).
// With these a perfect aperture gives the closed forms of its MTF, encircled energy and rings to
// better than 0,005.
inline constexpr int DifracaoAmostras = 120;
inline constexpr int DifracaoPreenchimento = 3;

// The optical path difference over the pupil on a square grid of n × n cells of side 2·raio/n
// (cell centres at (j + ½ − n/2)·passo), in waves; dentro marks the cells that pass light.
// Piston and tilt removed; rms and pv over the cells that pass light.
struct FrenteOnda {
    int n = 0;
    double raio = 0; // mm, half the diameter the grid spans
    std::vector<double> opd;
    std::vector<unsigned char> dentro;
    int celulas = 0; // cells that pass light
    double rms = 0, pv = 0;
};

// The cell centres inside the annulus raioInterno ≤ ρ ≤ raio, as FrenteOnda lays them out.
FrenteOnda GradeAnular(int n, double raio, double raioInterno);

// Removes the least-squares piston and tilt and sets rms and pv (false with no cell).
bool RemoverPistaoInclinacao(FrenteOnda& f);

// Where the traced rays of a bundle meet the reference sphere.
struct ReferenciaFrente {
    double zImagem = 0; // plane of the reference point (the image plane or the best focus)
    double zPupila = 0; // the axial point of the exit pupil, through which the sphere passes
    double lambda = 0;  // wavelength, mm
};

// The exit pupil: where a paraxial ray from the primary's vertex crosses the axis after the
// secondary (false when it does not).
bool PupilaSaida(const SistemaDoisEspelhos& sistema, double& zPupila);

// The wavefront of the bundle at field angle theta: each grid cell's own ray is traced from a
// plane wavefront in front of the telescope to the reference sphere centred on the chief ray's
// point in the plane z = ref.zImagem; cells whose ray is lost pass no light. Piston and tilt
// removed. False when the chief ray is lost or no cell passes light.
bool FrenteDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double zInicio,
                   const ReferenciaFrente& ref, FrenteOnda& frente);
// The same with each ray traced by `tracar` (mirrors out of their place, for the tolerances).
using TracadorRaio = std::function<TracadoRaio(const Raio&)>;
bool FrenteDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double zInicio,
                   const ReferenciaFrente& ref, FrenteOnda& frente, const TracadorRaio& tracar);

// The Strehl ratio of a wavefront of RMS rms (waves) by the extended Maréchal form exp(−(2πσ)²).
double StrehlMarechal(double rms);

// The image of one wavefront.
struct ImagemDifracao {
    double strehlMarechal = 0; // exp(−(2πσ)²)
    double strehlPsf = 0;      // PSF peak / peak of the perfect pupil with the same cells
    // The PSF around its centre (±32·λN at most): lado × lado samples of passo (in units of λN),
    // normalised to the peak of a perfect unobstructed aperture of the same diameter.
    int lado = 0;
    double passo = 0;
    std::vector<float> psf;
    // MTF cuts at k / (n·λN), k = 0..n (n = grid samples): tangential (frequency along y) and
    // sagittal (along x).
    std::vector<double> mtfTangencial, mtfSagital;
    // Encircled energy (fraction) at the radii RaiosEnergia() (units of λN), and the radii
    // holding 50 % and 80 % (λN; 0 when beyond the last radius).
    std::vector<double> energia;
    double ee50 = 0, ee80 = 0;
};

// The radii (units of λN) at which the encircled energy is computed: 0,05 steps to 4, then
// 0,25 to 10, then 1 to 40.
const std::vector<double>& RaiosEnergia();

// The PSF, MTF and encircled energy of a wavefront through a 2-D FFT zero-padded
// preenchimento times (false when the wavefront passes no light).
bool ImagemDaFrente(const FrenteOnda& frente, int preenchimento, ImagemDifracao& imagem);

// Diffraction-limited MTF of an annular aperture of obstruction eps at ν = f / f_c.
double MtfAnular(double nu, double eps);

enum class MotivoDifracao {
    Valida,
    Analise,      // the ray analysis is not valid (its message says why)
    PupilaSaida,  // the secondary forms no exit pupil
    FeixePerdido, // a bundle's chief ray is lost or no cell passes light
    NaoFinito     // a number came out NaN or infinite
};

struct FeixeDifracao {
    double h = 0;
    FrenteOnda frente;
    ImagemDifracao imagem;
};

struct ResultadoDifracao {
    MotivoDifracao motivo = MotivoDifracao::Analise;
    MotivoAnalise motivoAnalise = MotivoAnalise::EntradasNulas;
    bool valida() const { return motivo == MotivoDifracao::Valida; }
    bool melhorFoco = false;
    double lambdaN = 0;                                 // mm
    double obstrucao = 0;                               // D2 / D1
    double corte = 0;                                   // cutoff frequency D1 / (λ·F), cycles/mm
    double raioAiry = 0;                                // µm
    std::array<std::array<FeixeDifracao, 3>, 3> feixes; // [variant][height]
    ImagemDifracao perfeita;                            // the same annular pupil without aberration
};

// The whole diffraction analysis of a design whose ray analysis is `analise`: the reference
// sphere centred in the design's image plane, or at each bundle's best focus.
ResultadoDifracao AnalisarDifracao(const TProjeto& projeto, const ResultadoAnalise& analise,
                                   bool melhorFoco);

// The window's texts: one row per variant and height, numbers as "%n".
struct LinhaDifracao {
    QString variante, campo, rms, pv, strehlMarechal, strehlPsf, ee50, ee80;
};
struct TextosDifracao {
    bool valida = false;
    QString mensagem; // the reason there are no numbers
    std::array<LinhaDifracao, 9> linhas;
};
TextosDifracao TextosDaDifracao(const ResultadoDifracao& r, QChar decimal, QChar milhar);
TextosDifracao TextosDaDifracao(const ResultadoDifracao& r);

// The result as JSON: "motivo", the cutoff (cycles/mm) and "variantes", each with "feixes" (per
// height: h, rmsOnda, pvOnda, strehlMarechal, strehlPsf, ee50, ee80 in µm (null beyond the last
// radius), and the MTF cuts mtfTangencial and mtfSagital at tenths of the cutoff, 0 to 1).
QJsonObject DifracaoJson(const ResultadoDifracao& r);
