// The two reports of the program: fill-ins from the design record, print, preview, printer set-up.
#pragma once

#include "Global.h"

#include <QChar>
#include <QString>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;
class TMemDataSet;
class TrpDBDataSet;
class TrpReport;

// One fill-in row: the memo of the template's first page and the one line written into it.
struct LinhaRelatorio {
    const char* memo;
    QString texto;
};

// The 25 rows of the design report and the 13 of the baffle report, in order of assignment,
// with the given separators (or those of QLocale()).
std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto, QChar decimal,
                                                   QChar milhar);
std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto);
std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto, QChar decimal,
                                                    QChar milhar);
std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto);

// Writes the rows into the template: each memo's lines are cleared and the one line added.
// A memo missing from the template is passed over.
void PreencherRelatorio(TrpReport& relatorio, const std::vector<LinhaRelatorio>& linhas);

// Sets up a window's report component: data source rpDBDataSet1 over `dados`, the stored
// template `modelo` ("projeto" or "defletor") loaded (a damaged one is reported in a box
// captioned "Error" and leaves an empty page), and the begin-of-document handler.
void PrepararRelatorio(TrpReport& relatorio, TrpDBDataSet& fonte, TMemDataSet& dados,
                       const QString& modelo, std::function<void()> aoIniciar);

// The printer of the run: chosen by the printer set-up (of the main window or of a preview),
// used by every later print and preview of both reports.
QPrinter& ImpressoraAtual();

// The standard print dialog (PrintDialog1) on the current printer: printer and copies.
// Replaceable in tests; returns false on cancel.
extern std::function<bool(QWidget* parent, QPrinter& printer)> DialogoImpressao;
// The printer set-up dialog (PrinterSetupDialog1); replaceable in tests; false on cancel.
extern std::function<bool(QWidget* parent, QPrinter& printer)> DialogoConfigurarImpressora;

// Print flow: recompute, print dialog (cancel stops), prepare (cancel stops; an error is shown
// in a box captioned "Error" and stops), print all pages with the chosen copies on the chosen
// printer. Returns true when pages were printed.
bool ImprimirRelatorio(QWidget* janela, TrpReport& relatorio,
                       const std::function<void()>& recalcular);

// Preview flow: recompute, prepare (cancel stops), a new preview window owned by the window with
// the caption given, show the report (prepared once more) and show the window modally.
void VisualizarRelatorio(QWidget* janela, TrpReport& relatorio,
                         const std::function<void()>& recalcular, const QString& titulo);
// Shows the preview window (a TfrmPreview) modally; replaceable in tests, which then look at
// the window instead of waiting on it.
extern std::function<void(QWidget* preview)> AoMostrarPreview;

// Printer set-up flow: the chosen printer becomes the current one. Nothing else happens.
void ConfigurarImpressora(QWidget* janela);
