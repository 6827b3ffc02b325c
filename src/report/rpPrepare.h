// Report preparation: pages built from a template over its data sets, shown and printed.
#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QPrinter;
class TrpReport;
class TrpPreparedPages;

// The engine's own texts (its messages are English).
namespace rpTexto {
inline constexpr const char* ErroCalculo = "An error occured during calculating";
inline constexpr const char* Relatorio = "Report:";
inline constexpr const char* Banda = "Band:";
inline constexpr const char* SemDataSet = "Unable to open dataset ";
inline constexpr const char* SimboloIndefinido = "Undefined symbol \"";
inline constexpr const char* TituloErro = "Error";
inline constexpr const char* SemTitulo = "Untitled";
inline constexpr const char* Processando = "Processing page:  ";
inline constexpr const char* PrimeiraPassagem = "Performing 1st pass:  ";
inline constexpr const char* Imprimindo = "Printing page:  ";
inline constexpr const char* NomeTrabalho = "Report: ";
} // namespace rpTexto

// Builds the prepared pages of `report` (report.prepared): the date and time are taken once,
// the begin-of-document event runs, previous pages are discarded and the error flag cleared;
// the pages are built inside the progress window (when report.showProgress is set and a
// QApplication exists). Returns false when the user cancelled (no pages are kept then). An
// error while an object is evaluated stops the work, sets report.errorFlag and errorText, and
// still returns true.
bool BuildReport(TrpReport& report);

// BuildReport, then: after an error the error text is shown in a box captioned "Error" and
// the pages are discarded; otherwise the pages go to report.preview (TrpPreview::takePagesFrom),
// when it is set. Returns what BuildReport returned.
bool ShowBuiltReport(TrpReport& report);

// Shows an error box (text, caption). Replaceable in tests; the default is a modal QMessageBox
// with the error icon.
extern std::function<void(const QString& texto, const QString& titulo)> rpMostrarErro;

// A page list such as "1,3,5-12": blanks removed, empty means all pages, a range whose end is
// below its start selects nothing, items that are not numbers or ranges select nothing.
class TrpListaPaginas {
public:
    explicit TrpListaPaginas(const QString& texto);
    bool todas() const { return m_todas; }
    bool contem(int pagina) const; // 1-based
    const std::vector<std::pair<int, int>>& faixas() const { return m_faixas; }

private:
    bool m_todas = true;
    std::vector<std::pair<int, int>> m_faixas;
};

// Prints prepared pages on `printer`: the pages the list selects, each `copies` times in a row
// (not collated; copies below 1 count as 1), job name "Report: " + title ("Untitled" when
// empty), a new job when paper or orientation change (on a PDF file the change is made between
// pages of one job, so that the file keeps every page). Pages with margins in use are drawn
// into the whole paper, the others into the printable area. Returns false when cancelled.
bool ImprimirPaginas(const TrpPreparedPages& paginas, QPrinter& printer, const QString& lista,
                     int copias, const QString& titulo, bool mostrarProgresso);

// Prints the report's prepared pages (see ImprimirPaginas).
bool PrintBuiltReport(TrpReport& report, QPrinter& printer, const QString& lista, int copias);
