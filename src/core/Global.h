// The design record shared by every window, its optical formulas and the design-file routines.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <exception>

// The design record: 544 bytes, byte for byte the layout of a ".tlv" design file.
struct TProjeto {
    double D1;                                 // primary diameter (input)
    double D2;                                 // secondary diameter
    double Area1;                              // area of the primary, mm²
    double Area2;                              // area of the secondary, mm²
    double f1;                                 // primary focal length
    double F;                                  // system focal length
    double e;                                  // primary vertex to system focus (input)
    double p;                                  // secondary to primary focus
    double pLinha;                             // secondary to system focus (p')
    double gamma;                              // secondary magnification (input)
    double i;                                  // field diameter (input)
    double d;                                  // primary to secondary
    double r1;                                 // radius of the primary
    double r2;                                 // radius of the secondary
    double fD1;                                // primary focal ratio (input)
    double FD1;                                // system focal ratio
    double Tx;                                 // linear obstruction, percent
    double b1DK, b2DK, b1RC, b2RC, b1Cl, b2Cl; // conic constants of the three variants
    std::uint8_t Titulo[256];                  // length byte + 255 Windows-1252 characters
    double L;                                  // baffle length in front of the primary
    double L1;                                 // minimum baffle length blocking direct light
    double L2;                                 // maximum baffle length not blocking the secondary
    double LTotal;                             // total tube length (baffle input)
    double Reservado;                          // reserved, only reset and file routines touch it
    double DDi;                                // tube inner diameter (baffle input)
    double DG;                                 // distance between glare stops
    std::int16_t nG;                           // number of glare stops (baffle input)
    std::uint8_t Preenchimento[6];             // fill bytes after nG
    double Z1;                                 // LTotal - L: position of the first glare stop
    double SSDe; // outer diameter of the secondary's support (baffle input)
    double DDe;  // tube outer diameter (baffle input)
    double Sag1; // sagitta of the primary
    double Sag2; // sagitta of the secondary
};

static_assert(sizeof(double) == 8 && sizeof(TProjeto) == 544);
static_assert(offsetof(TProjeto, D1) == 0 && offsetof(TProjeto, D2) == 8);
static_assert(offsetof(TProjeto, Area1) == 16 && offsetof(TProjeto, Area2) == 24);
static_assert(offsetof(TProjeto, f1) == 32 && offsetof(TProjeto, F) == 40);
static_assert(offsetof(TProjeto, e) == 48 && offsetof(TProjeto, p) == 56);
static_assert(offsetof(TProjeto, pLinha) == 64 && offsetof(TProjeto, gamma) == 72);
static_assert(offsetof(TProjeto, i) == 80 && offsetof(TProjeto, d) == 88);
static_assert(offsetof(TProjeto, r1) == 96 && offsetof(TProjeto, r2) == 104);
static_assert(offsetof(TProjeto, fD1) == 112 && offsetof(TProjeto, FD1) == 120);
static_assert(offsetof(TProjeto, Tx) == 128 && offsetof(TProjeto, b1DK) == 136);
static_assert(offsetof(TProjeto, b2DK) == 144 && offsetof(TProjeto, b1RC) == 152);
static_assert(offsetof(TProjeto, b2RC) == 160 && offsetof(TProjeto, b1Cl) == 168);
static_assert(offsetof(TProjeto, b2Cl) == 176 && offsetof(TProjeto, Titulo) == 184);
static_assert(offsetof(TProjeto, L) == 440 && offsetof(TProjeto, L1) == 448);
static_assert(offsetof(TProjeto, L2) == 456 && offsetof(TProjeto, LTotal) == 464);
static_assert(offsetof(TProjeto, Reservado) == 472 && offsetof(TProjeto, DDi) == 480);
static_assert(offsetof(TProjeto, DG) == 488 && offsetof(TProjeto, nG) == 496);
static_assert(offsetof(TProjeto, Z1) == 504 && offsetof(TProjeto, SSDe) == 512);
static_assert(offsetof(TProjeto, DDe) == 520 && offsetof(TProjeto, Sag1) == 528);
static_assert(offsetof(TProjeto, Sag2) == 536);

// The one design record of the run; all zero bytes at program start.
extern TProjeto Projeto;

constexpr double Pi = 3.1415926535897932385;

// The title as text (Windows-1252 bytes decoded) and stored (cut to 255 characters,
// characters without a Windows-1252 byte become "?").
QString TituloTexto(const TProjeto& projeto);
void DefinirTitulo(TProjeto& projeto, const QString& texto);

// Resets the record to the empty design (nG = 2; Area1, Area2, Sag1, Sag2 untouched).
void LimparProjeto(TProjeto& projeto);

// First-order formulas. A guarded formula returns its zero divisor (so -0 survives).
double AreaCirculo(double D);
double RelacaoFocal(double D1, double F);
double DistanciaP(double gamma, double f1, double e);
double DistanciaPLinha(double p, double gamma, double e, double& d);
double RaioSecundario(double gamma, double p);
double DiametroSecundario(double f1, double gamma, double D1, double p, double d, double i);
double TaxaObstrucao(double D1, double D2);
double FlechaEspelho(double D, double r);

// Variant codes of the comparison.
enum : std::int16_t { VarianteClassico = 0, VarianteDallKirkham = 1, VarianteRitcheyChretien = 2 };
double DeformacaoPrimario(std::int16_t variante, double r1, double r2, double gamma, double d,
                          double p);
double DeformacaoSecundario(std::int16_t variante, double r1, double gamma, double d);

// Baffle geometry.
double ComprimentoDefletor(double d, double e, double i, double D2, double DDi);
double ComprimentoMinimo(double DDi, double d, double e, double SSDe, double i);
double ComprimentoMaximo(double f1, double SSDe, double DDe);
double DiametroGlare(double d, double e, double i, double D2, double x);

// Field-diameter dialog: F × tan(arc in degrees).
double DiametroDoCampo(double F, double arco);
