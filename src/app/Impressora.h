// The printer of the run and the printer set-up flow.
#pragma once

#include "rpModel.h"

#include <functional>

class QPrinter;
class QString;
class QWidget;

// The printer of the run: chosen by the printer set-up (of the main window or of a preview),
// used by every later print and preview of both reports.
QPrinter& ImpressoraAtual();

// Asks for the printer named by a report template, when it is installed: applied when the
// printer of the run is first needed (so building a window enumerates no printers), or at once
// if it already exists.
void PreferirImpressora(const QString& nome);

// The printable areas of the printer of the run, for a report (or a preview) to lay its pages
// out for; none under batch work (a plain GUI application, no printer: the engine's own rule).
rpMetricas MetricasDaImpressora();

// Printer set-up flow: the window's set-up step (DialogosDe: by default the set-up dialog
// PrinterSetupDialog1); the chosen printer becomes the current one. Nothing else happens.
void ConfigurarImpressora(QWidget* janela);
