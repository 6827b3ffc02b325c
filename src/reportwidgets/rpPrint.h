// Printing prepared pages on a QPrinter: page lists, copies, paper changes and the print job.
#pragma once

#include <QString>
#include <utility>
#include <vector>

#include <QRect>
#include <optional>

class QPrinter;
class TrpPreparedPage;
class TrpPreparedPages;
struct TrpPapel;

// A page list such as "1,3,5-12": blanks removed, empty means all pages, a range whose end is
// below its start selects nothing, items that are not numbers or ranges select nothing.
class TrpListaPaginas {
public:
    explicit TrpListaPaginas(const QString& texto);
    bool contem(int pagina) const; // 1-based

private:
    bool m_todas = true;
    std::vector<std::pair<int, int>> m_faixas;
};

// The printable area of a paper on `printer`, in template units: the paper less the printer's
// margins, and never less than its unprintable margins (its device's minimum margins).
QRect rpMetricasDe(const QPrinter& printer, const TrpPapel& papel);
// Where a prepared page is drawn on `printer` (device pixels, origin at the paper's corner):
// with margins in use the whole paper, without them the page's printable area.
QRectF rpAlvoDaPagina(const TrpPreparedPage& pagina, const QPrinter& printer);

// Prints prepared pages on `printer`: the pages the list selects, each `copies` times in a row
// (not collated; copies below 1 count as 1), job name "Report: " + title ("Untitled" when
// empty), a new job when paper or orientation change (on a PDF file the change is made between
// pages of one job, so that the file keeps every page). Each page is drawn into
// rpAlvoDaPagina. Returns false when cancelled.
bool ImprimirPaginas(const TrpPreparedPages& paginas, QPrinter& printer, const QString& lista,
                     int copias, const QString& titulo, bool mostrarProgresso);
