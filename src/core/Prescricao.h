// Prescriptions that other optical programs open: a variant written as a sequential lens file
// (Zemax .zmx, CODE V .seq, a .csv table), and two-mirror .zmx files read back as the inputs.
#pragma once

#include "ArquivoRegular.h"
#include "Global.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// One sequential surface in the convention of the lens files, not the program's: light leaves
// the object towards +z; a curvature is 1/R with R > 0 when the centre of curvature lies on the
// +z side of the vertex (so the concave primary and the convex secondary of a Cassegrain both
// have R < 0); a thickness is the signed distance along z to the next surface, negative after
// an odd number of reflections; a semi-diameter is half the diameter.
struct SuperficiePrescricao {
    double curvatura = 0;
    double conica = 0;
    double espessura = 0;    // +infinity: the object at infinity
    double semiDiametro = 0; // 0 when the file gives none
    double obscuracao = 0;   // radius of a central obscuration disc (OBSC, CIR OBS)
    double raioMinimo = 0;   // inner radius of an annular clear aperture (CLAP)
    bool espelho = false;
    bool abertura = false; // the aperture stop
    int linha = 0;         // line of its SURF in a file read
};

struct Prescricao {
    QString titulo;
    double diametroPupila = 0;     // entrance pupil diameter, 0 when the file gives none
    std::vector<double> campos;    // field angles along y, degrees
    std::vector<double> camposX;   // field angles along x (files read), degrees
    double comprimentoOnda = 0.55; // micrometres
    std::vector<SuperficiePrescricao> superficies; // the object first, the image last
};

enum class FormatoPrescricao { Zemax, CodeV, Tabela };

// The design's variant (VarianteClassico, ...) as five surfaces: the object at infinity; a
// dummy surface at the secondary's plane carrying the central obscuration (radius SSDe/2, or
// D2/2 without a holder); the primary as the stop (annular, its hole the obscuration's radius);
// the secondary; the image plane at the design's focus. Pupil D1; fields 0, 0,7 and 1 × the
// half-field atan(i / 2 / F) in degrees; 0,55 µm. The conics are the variant's of the record's
// first-order layout.
Prescricao PrescricaoDoProjeto(const TProjeto& projeto, std::int16_t variante);

// The files: ASCII (the title's other characters as their base letter or '?'), CR LF line ends,
// numbers with a dot and 10 significant digits whatever the locale. The table's headings and
// surface names are texts of the table of texts.
QByteArray EscreverZmx(const Prescricao& prescricao);
QByteArray EscreverSeq(const Prescricao& prescricao);
QByteArray EscreverCsv(const Prescricao& prescricao);
QByteArray EscreverPrescricao(const Prescricao& prescricao, FormatoPrescricao formato);
// The format a file name asks for by its suffix (any case); false for any other suffix.
bool FormatoDoNome(const QString& nome, FormatoPrescricao& formato);

// Largest prescription file read.
inline constexpr qint64 LimitePrescricao = qint64(4) << 20;

// Reads a sequential .zmx (UTF-16 with its byte-order mark, UTF-8 or ASCII; no mark and not
// UTF-8 is read as Windows-1252) holding the object at infinity, dummy surfaces and exactly two
// mirrors, lengths converted to mm. Commands it does not need are skipped. Anything else is
// refused with ErroArquivo naming the file and, where one is at fault, the line: a lens, a third
// mirror, a surface type other than STANDARD, a tilted or decentred surface, a non-sequential
// file, a number that is not finite, a file over LimitePrescricao bytes.
Prescricao LerZmx(const QByteArray& bytes, const QString& nomeArquivo);

// What a two-mirror prescription is, in the program's terms.
struct ImportacaoPrescricao {
    QString titulo;
    // The program's inputs for it: D1, f/D of the primary, gamma, e, i.
    double D1 = 0, fD1 = 0, gamma = 0, e = 0, i = 0;
    // The file's layout in the program's convention (both radii positive).
    double r1 = 0, r2 = 0, d = 0;
    double b1 = 0, b2 = 0;    // the file's conics
    double imagemArquivo = 0; // the file's image plane, from the secondary
    double focoParaxial = 0;  // the paraxial focus of the two mirrors, from the secondary
    double obscuracao = 0;    // the file's largest obscuration radius (0: none)
    // The conics of the three variants for those inputs, by variant code.
    std::array<double, 3> b1Variantes{}, b2Variantes{};
    // The variant whose both conics lie within 1 % of the file's (the closest when several
    // do; 0,0001 absolute for a conic near 0), or -1.
    int variante = -1;
};

// Derives the inputs from the two mirrors: f1 = r1/2, D1 = the entrance pupil (or the primary's
// diameter), p = f1 − d, gamma = r2 / (r2 − 2p) (the secondary's conjugates), e = p·gamma − d,
// i = 2·F·tan of the largest field angle. Refuses, naming the file, mirrors that are not a
// concave primary and a convex secondary in front of it forming an image behind the primary's
// focus with gamma > 1, and inputs whose design would be refused as damaged.
ImportacaoPrescricao ImportarPrescricao(const Prescricao& prescricao, const QString& nomeArquivo);

// The design the import stands for: the record reset, the five inputs and the title set, the
// support diameter SSDe twice the file's obscuration radius, and everything computed.
TProjeto ProjetoDaImportacao(const ImportacaoPrescricao& importacao);

// The file read (regular files only, at most LimitePrescricao bytes), then LerZmx and
// ImportarPrescricao.
ImportacaoPrescricao LerArquivoPrescricao(const QString& nomeArquivo);
