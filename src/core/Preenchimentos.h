// The fill-ins of the reports: the lines written into named memos and the rows of their data sets.
#pragma once

#include "Global.h"

#include <QChar>
#include <QString>
#include <vector>

// One fill-in row: a memo of the template and the one line written into it.
struct LinhaRelatorio {
    const char* memo;
    QString texto;
};

// The 25 rows of the design report and the 13 of the baffle report, in order of assignment,
// with the given separators (or the user's).
std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto, QChar decimal,
                                                   QChar milhar);
std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto);
std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto, QChar decimal,
                                                    QChar milhar);
std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto);

// ---- analysis and mirror-making reports ----------------------------------------------------

struct TextosAnalise;
struct DadosEspelhos;
struct TextosEspelhos;
class TMemDataSet;

// Memo names of the analysis report's tables: the header rows and the curvature table
// (row-major, three rows of six).
extern const char* const MemosCabecalhoAnalise[7];
extern const char* const MemosCabecalhoCurvatura[6];
extern const char* const MemosCurvatura[18];
// Fields of dtAnalise, one record per row of the analysis table (the window's column order).
extern const char* const CamposAnalise[7];

// The analysis report's named memos: headings, design title, Airy line, the curvature table
// and its notes, all from the window's texts.
std::vector<LinhaRelatorio> LinhasRelatorioAnalise(const TProjeto& projeto,
                                                   const TextosAnalise& textos);
void DefinirCamposAnalise(TMemDataSet& dtAnalise);
// Empties dtAnalise and appends the nine rows (none when the analysis has no numbers).
void PreencherDadosAnalise(TMemDataSet& dtAnalise, const TextosAnalise& textos);

// Memo names of the analysis report's diffraction page: the table's header row and its cells
// (row-major, nine rows of eight: one per variant and image height).
extern const char* const MemosCabecalhoDifracao[8];
extern const char* const MemosDifracao[72];

// The diffraction page's named memos: heading, design title, the reference sphere (or the
// reason there are no numbers), the table from the window's texts, and the headings of the MTF
// of `variante` (0..2) and of the PSFs.
struct TextosDifracao;
std::vector<LinhaRelatorio> LinhasRelatorioDifracao(const TProjeto& projeto,
                                                    const TextosDifracao& textos, int variante,
                                                    bool melhorFoco);

// Memo names of the mirror-making report: the two mirrors' value tables (description and
// value per row), the Hindle rows and the zone table's header.
extern const char* const MemosPrimario[10][2];
extern const char* const MemosSecundario[10][2];
extern const char* const MemosHindle[7][2];
extern const char* const MemosCabecalhoZonas[6];
// Fields of dtZonas, one record per Couder zone (the window's column order).
extern const char* const CamposZonas[6];

// The mirror-making report's named memos, from the window's data and texts; rows a mirror does
// not have are written empty.
std::vector<LinhaRelatorio> LinhasRelatorioEspelhos(const TProjeto& projeto,
                                                    const DadosEspelhos& dados,
                                                    const TextosEspelhos& textos);
void DefinirCamposZonas(TMemDataSet& dtZonas);
// Empties dtZonas and appends one record per zone.
void PreencherDadosZonas(TMemDataSet& dtZonas, const TextosEspelhos& textos);
