// Mirror-making data: exact sags, departures from spheres, Foucault readings and null tests.
#pragma once

#include "Calculo.h"
#include "Global.h"
#include "Optica.h"

#include <QChar>
#include <QString>
#include <array>
#include <vector>

// Mirrors are conics of the optics kernel (R > 0, vertex at the origin, z growing toward the
// centre of curvature); figures lie in a meridional plane: x the height, z along the axis.

// The first crossing (t beyond 1e-9 mm along d) of the ray o + t·d with the circle of centre
// (0, zCentro) and radius raio in the meridional plane.
bool IntersecaoEsfera(double zCentro, double raio, Vetor3 origem, Vetor3 direcao, double& t);

// Knife-edge readings of a concave conic at height h, from the vertex centre of curvature
// (positive away from the mirror). Moving source: −b·z(h). Fixed source: exact trace from
// (0, R). False where the conic is not defined or the reflected ray never crosses the axis.
bool LeituraFonteMovel(const Conica& conica, double h, double& leitura);
bool LeituraFonteFixa(const Conica& conica, double h, double& leitura);

// The sphere (radius and axial position free) whose largest axial difference from the
// conic over 0 ≤ h ≤ semiAbertura is smallest: radius, vertex shift and peak-to-valley (mm).
struct EsferaAjuste {
    double raio = 0;
    double deslocamento = 0;
    double picoVale = 0;
};
// The peak-to-valley of conic − sphere of radius raio over the aperture (axial position free).
double PicoValeEsfera(const Conica& conica, double semiAbertura, double raio);
EsferaAjuste MelhorEsfera(const Conica& conica, double semiAbertura);

// One zone of a Couder mask and its knife-edge readings (mm).
struct ZonaCouder {
    int numero = 0;
    double interno = 0, externo = 0, medio = 0;
    double fonteMovel = 0, fonteFixa = 0;
};
// n zones of equal area from the centre to semiAbertura; the mid radius is the mean of the
// zone's edges. False (and no zones) where a reading is not defined.
bool ZonasCouder(const Conica& conica, double semiAbertura, int n, std::vector<ZonaCouder>& zonas);

// Sags and departures of one mirror at its edge (mm).
struct Desvios {
    double flechaParaxial = 0; // h² / 2R
    double flechaExata = 0;    // the conic's sag
    double desvioVertice = 0;  // conic − sphere of radius R, at the edge
    EsferaAjuste melhorEsfera; // best-fit sphere
};

// The null test of the convex secondary, by its shape.
enum class TesteNulo { Hindle, CentroCurvatura, Focos, Paraboloide, Oblato };

// The Hindle set-up of a convex hyperboloid, in the secondary's frame (z toward the back).
struct MontagemHindle {
    double focoReal = 0;          // z of the real focus (negative: in front of the vertex)
    double focoVirtual = 0;       // z of the virtual focus (positive: behind the vertex)
    double distanciaMinima = 0;   // shortest vertex-to-vertex distance clearing the edge
    double distanciaSemPerda = 0; // shortest returning light from the whole secondary (mm)
    double distancia = 0;         // vertex of the secondary to vertex of the sphere
    double raioEsfera = 0;        // radius of curvature of the sphere (centred on focoVirtual)
    double diametroEsfera = 0;    // smallest diameter returning light from the whole secondary
    double furo = 0;              // central hole letting the source's beam through (0: none)
    double zonaPerdida = 0;       // diameter of the central part of the secondary not returned
};

struct EspelhoPrimario {
    bool valido = false;
    QString mensagem;
    Conica conica;
    double diametro = 0;
    Desvios desvios;
    std::vector<ZonaCouder> zonas;
};

struct EspelhoSecundario {
    bool valido = false;
    QString mensagem;
    Conica conica;
    double diametro = 0;
    Desvios desvios;
    TesteNulo teste = TesteNulo::CentroCurvatura;
    double foco1 = 0, foco2 = 0; // foci on the axis, z from the vertex (where they exist)
    bool hindleValido = false;
    QString mensagemHindle;
    MontagemHindle hindle;
};

struct DadosEspelhos {
    int variante = VarianteRitcheyChretien;
    EspelhoPrimario primario;
    EspelhoSecundario secundario;
};

// Everything for the chosen variant, from the record's r1, r2, D1, D2 and conic constants.
// distanciaHindle ≤ 0 (or not finite) asks for the shortest distance at which light returns
// from the whole secondary, up to its edge (whole millimetres).
DadosEspelhos CalcularEspelhos(const TProjeto& projeto, int variante, int zonas,
                               double distanciaHindle);

// One traced ray of the Hindle set-up: source, secondary, sphere, secondary, and the point of
// the returning ray nearest the source, with its distance from the source (mm).
struct RaioHindle {
    std::array<Vetor3, 5> pontos; // x the height, z along the axis
    double erro = 0;
};
// Traces the ray from the real focus aimed at height h of the secondary; false if it misses.
bool TracarHindle(const Conica& conica, const MontagemHindle& montagem, double h, RaioHindle& raio);

// The texts of the mirror-making window (numbers with the separators passed in).
// Policy: sags, knife-edge readings and conic constants with three decimals; radii, diameters
// and distances in mm, departures in µm and in waves, with two ("%n").
struct TextosEspelhos {
    QString mensagemPrimario;
    QString mensagemSecundario;
    std::vector<std::array<QString, 6>> zonas;
    std::vector<LinhaResultado> primario;
    std::vector<LinhaResultado> secundario;
    QString testeSecundario; // one sentence: how the secondary is tested
    std::vector<LinhaResultado> montagem;
};
TextosEspelhos TextosDosEspelhos(const DadosEspelhos& dados, QChar decimal, QChar milhar);
TextosEspelhos TextosDosEspelhos(const DadosEspelhos& dados);
