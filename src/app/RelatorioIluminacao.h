// The field-illumination report as an object (template, data set, fill-in, the curve's picture),
// and the texts and plot it shares with the illumination window; no widget.
#pragma once

#include "DataSet.h"
#include "Graficos.h"
#include "Iluminacao.h"
#include "Preenchimentos.h"
#include "RelatoriosObjetos.h"
#include "rpModel.h"

#include <QChar>
#include <QString>
#include <array>
#include <vector>

// The curves of the record's baffle and of both optimised ones, and the field's edge i/2; the
// window and the report picture draw this one plot. `escala` multiplies the curves' line widths
// (device pixels per screen pixel of the target).
Graficos::Grafico GraficoIluminacao(const CalculoIluminacao& c, double escala = 1);

// One row of a three-column table: what it is, then "Defletor atual", "Defletor otimizado" and
// "Otimizado sem capuz".
inline constexpr int ColunasIluminacao = 3;
using LinhaTabelaIluminacao = std::array<QString, ColunasIluminacao + 1>;
// The figures: fields lit at 100, 75 and 50 %, obstruction by diameter and by area, direct light.
// A level not reached within the heights traced reads "≥ d" (window) or "d ou mais" (report).
std::vector<LinhaTabelaIluminacao> TabelaIluminacao(const CalculoIluminacao& c, QChar decimal,
                                                    QChar milhar, bool relatorio);
// The window's texts, with the user's separators.
std::vector<LinhaTabelaIluminacao> TabelaIluminacao(const CalculoIluminacao& c);
// The three baffles: tube inner and outer diameters, its length in front of the primary, the
// secondary's holder (or hood) and the hood's reach.
std::vector<LinhaTabelaIluminacao> TabelaDefletoresIluminacao(const CalculoIluminacao& c,
                                                              QChar decimal, QChar milhar);

// Memo names of the template's baffle table (row-major, five rows of description and three
// values) and of the header rows of both tables; fields of dtIluminacao.
inline constexpr int LinhasDefletoresIluminacao = 5;
extern const char* const MemosDefletoresIluminacao[LinhasDefletoresIluminacao][4];
extern const char* const MemosCabecalhoIluminacao[4];
extern const char* const MemosCabecalhoDefletores[4];
extern const char* const CamposIluminacao[4];

// The notes on both optimised baffles (their dimensions, or why there is none), one per line.
QString NotaIluminacao(const CalculoIluminacao& c, QChar decimal, QChar milhar);

// The report's named memos: title, design title, variant and field, headings, the baffle table
// and the notes on the optimised baffles.
std::vector<LinhaRelatorio> LinhasRelatorioIluminacao(const TProjeto& projeto, int variante,
                                                      const CalculoIluminacao& c, QChar decimal,
                                                      QChar milhar);

// The report over a record: dtIluminacao holds one record per row of the figures table; the
// study is computed here (Calcular, as the command line does) or handed over by the window
// (Definir); the fill-in runs when the report begins.
class TRelatorioIluminacao {
public:
    TRelatorioIluminacao(TProjeto& projeto, const AvisoRelatorio& aviso);
    TRelatorioIluminacao(const TRelatorioIluminacao&) = delete;
    TRelatorioIluminacao& operator=(const TRelatorioIluminacao&) = delete;

    TMemDataSet dtIluminacao;
    TrpDBDataSet rpDBDataSet1;
    TrpReport rpReport1;

    void Calcular(int variante, double campo);
    void Definir(const CalculoIluminacao& c, int variante);
    const CalculoIluminacao& calculo() const { return m_calculo; }
    // The fill-in (the report's begin-of-document step): memos, rows and the curve's picture.
    void Preencher();

private:
    TProjeto& m_projeto;
    CalculoIluminacao m_calculo;
    int m_variante = VarianteRitcheyChretien;
};
