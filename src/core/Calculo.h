// The computations behind the windows: first-order layout, variant comparison, baffle.
#pragma once

#include "Global.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>

class TMemDataSet;

// The texts of a window's diagram labels, indexed by an enum of its labels (the window maps
// each entry to its label).
template <class Rotulo, std::size_t N> struct TextosRotulos {
    std::array<QString, N> textos;
    const QString& operator[](Rotulo r) const { return textos[static_cast<std::size_t>(r)]; }
    QString& operator[](Rotulo r) { return textos[static_cast<std::size_t>(r)]; }
};

// The twelve diagram labels of the main window, in the order the recomputation writes them.
enum class RotuloProjeto { d, e, p, pLinha, D2, r2, f1, r1, D1, FSistema, TxObstrucao, FD1 };
using RotulosProjeto = TextosRotulos<RotuloProjeto, 12>;
// The three labels of the baffle diagram that show values, and the sagitta window's four.
enum class RotuloDefletor { L, DG, Z1 };
using RotulosDefletor = TextosRotulos<RotuloDefletor, 3>;
enum class RotuloFlecha { Sag1, Sag2, D1, D2 };
using RotulosFlecha = TextosRotulos<RotuloFlecha, 4>;

// Steps 1-13 of the first-order recomputation into the record, no text.
void CalcularPrimeiraOrdem(TProjeto& projeto);
// Steps 1-13, then the twelve label texts (separators of QLocale(), or the ones passed in).
RotulosProjeto CalcularProjeto(TProjeto& projeto);
RotulosProjeto CalcularProjeto(TProjeto& projeto, QChar decimal, QChar milhar);

// One row of a result list: caption and value text.
struct LinhaResultado {
    QString descricao;
    QString valor;
};
struct LinhaComparacao {
    QString descricao;
    QString classico, dallKirkham, ritcheyChretien;
};
struct Resultados {
    std::array<LinhaComparacao, 2> comparacao;
    std::array<LinhaResultado, 19> resultados;
};

// The six conic constants into the record (in the order DK, RC, Cl for b1, then b2), no text.
void CalcularConicas(TProjeto& projeto);
// CalcularConicas, then the comparison rows and the nineteen result rows.
Resultados MostrarResultados(TProjeto& projeto);

// The report data set dtDados: fields Descricao (255) and Valor (20).
void DefinirCamposDados(TMemDataSet& dtDados);
// Opens it if closed, empties it, then appends one record per result row (Valor cut to 20).
void PreencherDados(TMemDataSet& dtDados, const std::array<LinhaResultado, 19>& linhas);

// The report data set dtGlares: fields Glare (16-bit), Posicao, Diametro (doubles).
void DefinirCamposGlares(TMemDataSet& dtGlares);

struct LinhaGlare {
    std::int16_t Glare;
    double Posicao;
    double Diametro;
};

// Baffle steps 1-5 into the record: L, L1, L2, Z1, then nG raised to 2 and DG; no text.
void DimensionarDefletor(TProjeto& projeto);
// DimensionarDefletor, then the diagram's texts.
RotulosDefletor CalcularDefletor(TProjeto& projeto);
// Whether the record holds a baffle to lay out: its inner diameter and total length given.
bool TemDefletor(const TProjeto& projeto);

// Every value a design's inputs decide, on a copy of its record: the first-order layout, the
// six conic constants and the baffle (steps 1-5, from the record's baffle inputs, whether or not
// it TemDefletor). Pure: no locale, no text, the record passed in unchanged. The record itself
// changes as its windows write it (the lists on "&Ok", the baffle in its window); whatever needs
// the current values reads them from here (or from the document, which keeps them).
TProjeto ValoresDerivados(const TProjeto& projeto);
// Baffle step 6: the row of stop k (1-based) and the number of rows (nG, at least 2).
LinhaGlare GlareNumero(const TProjeto& projeto, int k);
int NumeroDeGlares(const TProjeto& projeto);
// One row per stop, handed on as soon as it is computed.
void CalcularGlares(const TProjeto& projeto, const std::function<void(const LinhaGlare&)>& linha);

// The glare list's row: stop ("%2.0d"), position and diameter.
struct LinhaGlareTexto {
    QString glare, posicao, diametro;
};
// Baffle step 6 into dtGlares (opened if closed): each stop is appended and posted, then its
// list row, read back from the record, is handed on.
void PreencherGlares(TMemDataSet& dtGlares, const TProjeto& projeto,
                     const std::function<void(const LinhaGlareTexto&)>& linha);

// Turns a typed glare-stop count into the 16-bit record value (truncated, held at 32767).
std::int16_t ContagemGlares(double valor);

// The four rows of the baffle window's criteria list.
std::array<LinhaResultado, 4> CriteriosDefletor(const TProjeto& projeto);

// What makes a design impossible to build, one text of the table per cause, in this order:
// gamma <= 1, an input that is not positive (D1, f/D1, e), a negative field diameter, a secondary
// as large as the primary, d <= 0, p <= 0. Computed from the inputs alone (the record is not
// changed); empty for a design that can be built and for the blank design (every input zero).
// Every window, the JSON and the batch PDF warn with these texts; the analysis, the drawing and
// the mirror data give no numbers for such a design and say why with the same texts.
// `causas`, when given, receives each warning's kind, one letter per warning: 'A' gamma <= 1,
// 'E' an input not positive or a negative field, 'G' the geometry (a secondary too large, d or p
// not positive); the first names the analysis's and the drawing's reason.
QStringList AvisosProjeto(const TProjeto& projeto, QByteArray* causas = nullptr);

// The sagitta window's four label texts.
RotulosFlecha TextosFlechas(const TProjeto& projeto);
