// The reports of the program: set-up, fill-ins written into the template, print and preview.
#pragma once

#include "Impressora.h"
#include "Preenchimentos.h"

#include <QString>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;
class TMemDataSet;
class TrpDBDataSet;
class TrpReport;

// Writes the rows into the template: each memo's lines are cleared and the one line added.
// A memo is looked for on every page of the template; one missing is passed over.
void PreencherRelatorio(TrpReport& relatorio, const std::vector<LinhaRelatorio>& linhas);

// Sets up a report component: data source rpDBDataSet1 over `dados`, the stored template
// `modelo` ("projeto", "defletor", ...) loaded (a damaged one is given to `aviso`, by default a
// box captioned "Error", and leaves an empty page), the begin-of-document handler, and the
// template's texts read through the translation (TextoRelatorio).
void PrepararRelatorio(
    TrpReport& relatorio, TrpDBDataSet& fonte, TMemDataSet& dados, const QString& modelo,
    std::function<void()> aoIniciar,
    const std::function<void(const QString& texto, const QString& titulo)>& aviso = {});

// Print flow: recompute, the window's print step (DialogosDe: by default the standard print
// dialog PrintDialog1 on the current printer, printer and copies; cancel stops), prepare (cancel
// stops; an error is shown in a box captioned "Error" and stops), print all pages with the chosen
// copies on the chosen printer. Returns true when pages were printed.
bool ImprimirRelatorio(QWidget* janela, TrpReport& relatorio,
                       const std::function<void()>& recalcular);

// Preview flow: recompute, prepare (cancel stops), a new preview window owned by the window with
// the caption given, show the report (prepared once more) and show the window through the
// window's preview step (by default modally; tests look at the window instead of waiting on it).
void VisualizarRelatorio(QWidget* janela, TrpReport& relatorio,
                         const std::function<void()>& recalcular, const QString& titulo);

class QPainter;
class QRectF;
class QToolBar;
class QToolButton;

// A picture drawn at every preparation: `desenhar` paints into a white image of the picture
// object's size (PixelsPorUnidadeFigura pixels per template unit, in "Arial" at the report's
// 8 pt), stored in the object as a bitmap. The picture is looked for on every page of the
// template; one missing is passed over.
inline constexpr int PixelsPorUnidadeFigura = 3;
void PreencherFigura(TrpReport& relatorio, const char* nome,
                     const std::function<void(QPainter&, const QRectF&)>& desenhar);

// The small tool bar of a live window's report: btnImprimir ("Imprime") and btnPreview
// ("Visualizar impressão").
QToolBar* CriarBarraRelatorio(QWidget* janela, QToolButton*& btnImprimir, QToolButton*& btnPreview);

// PDF flow: recompute, ask for the file through the window's PDF step (by default a save dialog
// with the filter "Arquivo PDF (*.pdf)" that adds ".pdf" to a name typed without it; cancel stops),
// prepare (cancel stops; an error is shown in a box captioned "Error" and stops), write the pages
// as PDF with `titulo` as the document's title, through a temporary file (a failure leaves no
// partial file and reaches the error box as an exception). Returns true when the file was written.
bool ExportarRelatorioPdf(QWidget* janela, TrpReport& relatorio,
                          const std::function<void()>& recalcular, const QString& titulo);
