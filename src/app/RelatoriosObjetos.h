// The program's two design reports as objects: template, data set and fill-in, prepared from a
// design record; the windows, the print, preview and PDF flows and the command line share them.
#pragma once

#include "Calculo.h"
#include "DataSet.h"
#include "rpModel.h"

#include <QString>
#include <functional>

// Where a report set-up's error goes (a damaged stored template): text and caption.
using AvisoRelatorio = std::function<void(const QString& texto, const QString& titulo)>;

// The design report over a record: dtDados holds one record per result row, the fill-in is read
// from the record when the report begins.
class TRelatorioProjeto {
public:
    TRelatorioProjeto(TProjeto& projeto, const AvisoRelatorio& aviso);
    TRelatorioProjeto(const TRelatorioProjeto&) = delete;
    TRelatorioProjeto& operator=(const TRelatorioProjeto&) = delete;

    TMemDataSet dtDados;
    TrpDBDataSet rpDBDataSet1;
    TrpReport rpReport1;

    // What "&Ok" computes: the variants' conics into the record, the result rows into dtDados;
    // the rows are returned for the window's lists.
    Resultados Atualizar();
    // The fill-in, written into the template (the report's begin-of-document step).
    void Preencher();

private:
    TProjeto& m_projeto;
};

// The baffle report over a record: dtGlares holds one record per glare stop.
class TRelatorioDefletor {
public:
    TRelatorioDefletor(TProjeto& projeto, const AvisoRelatorio& aviso);
    TRelatorioDefletor(const TRelatorioDefletor&) = delete;
    TRelatorioDefletor& operator=(const TRelatorioDefletor&) = delete;

    TMemDataSet dtGlares;
    TrpDBDataSet rpDBDataSet1;
    TrpReport rpReport1;

    // The glare stops of the record's baffle into dtGlares (emptied first), each list row
    // handed on as soon as it is stored.
    void PreencherGlares(const std::function<void(const LinhaGlareTexto&)>& linha = {});
    void Preencher();

private:
    TProjeto& m_projeto;
};

// A design opened, and its reports computed, as the windows do it, with no window: the record
// read from the file (a bad file throws and changes nothing), its inputs as the main window's
// fields store them, the first-order layout and the variants' conics.
void AbrirProjetoSemJanela(TProjeto& projeto, const QString& nome);
// The baffle as a new baffle window computes it on opening and on "&Ok": its inputs as its
// fields store them, the total length raised to the baffle's front end as its field raises it,
// then the baffle recomputed.
void CalcularDefletorSemJanela(TProjeto& projeto);
