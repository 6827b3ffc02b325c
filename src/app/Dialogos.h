// The dialog steps of the program's flows, given to the windows that run them.
#pragma once

#include <QString>
#include <functional>

class QObject;
class QPrinter;
class QWidget;

// What a flow asks of the user, one step each: the error box (given the text as it shows it),
// the print dialog and the printer set-up dialog (false on cancel), the name of a PDF to write
// (empty on cancel), the showing of a preview window (modal) and the error of a report whose
// preparation failed (text and caption). A window runs the steps it was given, else those of
// the window that owns it, and so on up, then those given to the application object; where
// none was given, the real dialogs. Tests give a window (or the application) steps that answer
// instead of a user; the command line creates no window and asks nothing.
struct TDialogos {
    std::function<void(const QString& texto)> erro{};
    std::function<bool(QWidget* janela, QPrinter& impressora)> impressao{};
    std::function<bool(QWidget* janela, QPrinter& impressora)> configurarImpressora{};
    std::function<QString(QWidget* janela)> arquivoPdf{};
    std::function<void(QWidget* preview)> mostrarPreview{};
    // A report whose preparation failed: the engine's text and caption ("Error").
    std::function<void(const QString& texto, const QString& titulo)> erroRelatorio{};
};

// Gives `dono` (a window, or the application object for every window) these steps; a step left
// empty stays as `dono` had it. Kept until `dono` is destroyed or given others.
void DefinirDialogos(QObject* dono, const TDialogos& dialogos);
// The steps `objeto` runs (objeto may be null: the application's, else the real ones).
TDialogos DialogosDe(const QObject* objeto);
