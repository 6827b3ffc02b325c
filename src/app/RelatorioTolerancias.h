// The focusing and collimation report as an object (template, data set and fill-in, no widget),
// and the texts and plots it shares with the window, so both show the same numbers and drawings.
#pragma once

#include "Calculo.h"
#include "DataSet.h"
#include "Graficos.h"
#include "Preenchimentos.h"
#include "Recursos.h"
#include "RelatoriosObjetos.h"
#include "Tolerancias.h"
#include "rpModel.h"

#include <QString>
#include <array>
#include <vector>

// The cells of one focusing row: Δe, secondary shift, F, f/N, on-axis RMS, Strehl, edge RMS
// (the user's separators; a row the trace could not bring to focus shows only Δe and the shift).
std::array<QString, 7> CelulasFocagem(const LinhaFocagem& linha);
// The cells of one variant's collimation row: variant, decentre, tilt, coma per arcminute and
// per mm, neutral point, spacing errors "−a / +b" (numbers empty when the result is not valid).
std::array<QString, 7> CelulasColimacao(const ResultadoTolerancias& r, int variante);
// The summary line of a variant: the Δe range that keeps Strehl ≥ 0,8 (a bound the range never
// left marked "<" or ">"), the camera's depth of focus, in the text `texto` (the window's or the
// report's); the reason when there is no result.
QString ResumoTolerancias(const ResultadoTolerancias& r, int variante,
                          const char* texto = Recursos::ToleranciasResumo);

// The plots, drawn alike in the window and in the report: the on-axis Strehl against Δe for the
// three variants; the camera's focusing for one variant (edge and axis RMS against the image
// plane's shift, with ± 2·λ·N² marked).
Graficos::Grafico GraficoFocagem(const ResultadoTolerancias& r);
Graficos::Grafico GraficoCamera(const ResultadoTolerancias& r, int variante);

// Memo names of the report: the focusing table's header and its 15 × 7 cells, the collimation
// table's header; the fields of dtColimacao (one record per variant).
extern const char* const MemosCabecalhoFocagem[7];
extern const char* const MemosCabecalhoColimacao[7];
extern const char* const CamposColimacao[7];
inline constexpr int LinhasFocagemRelatorio = 15;
QString MemoFocagem(int linha, int coluna); // "Foc<linha+1>_<coluna+1>"

// The report's memo lines for a design, a result and the variant of the focusing table.
std::vector<LinhaRelatorio> LinhasRelatorioTolerancias(const TProjeto& projeto,
                                                       const ResultadoTolerancias& r, int variante);

// The report "Focagem e colimação": the fill-in reads the design, result and variant given last
// to Definir when the report begins; dtColimacao holds the collimation table.
class TRelatorioTolerancias {
public:
    explicit TRelatorioTolerancias(const AvisoRelatorio& aviso = {});
    TRelatorioTolerancias(const TRelatorioTolerancias&) = delete;
    TRelatorioTolerancias& operator=(const TRelatorioTolerancias&) = delete;

    TMemDataSet dtColimacao;
    TrpDBDataSet rpDBDataSet1;
    TrpReport rpReport1;

    void Definir(const TProjeto& projeto, const ResultadoTolerancias& r, int variante);
    // The fill-in: memos, dtColimacao and the two pictures (the report's begin-of-document).
    void Preencher();

private:
    TProjeto m_projeto{};
    ResultadoTolerancias m_resultado;
    int m_variante = 2;
};
