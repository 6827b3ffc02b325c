// Prepared pages written as a PDF document: the paper of each page and the one drawing routine.
#pragma once

#include <QPageLayout>
#include <QString>

class QIODevice;
struct TrpPapel;
struct TrpPreparedPage;
class TrpPreparedPages;

// The paper a prepared page asks for: its paper code (A4, Letter, ...) or its own size, with its
// orientation and no margins.
QPageLayout rpLeiautePagina(const TrpPreparedPage& pagina);
QPageLayout rpLeiautePapel(const TrpPapel& papel);

// Writes every page to `destino` as PDF: each page on its own paper, drawn by
// TrpPreparedPages::draw as on a printer (vector text that can be selected and searched),
// `titulo` as the document title. Throws std::runtime_error when the painter cannot start.
void rpEscreverPdf(const TrpPreparedPages& paginas, QIODevice& destino, const QString& titulo);

// The same into the named file, replaced whole or not at all (through a temporary beside it);
// throws ErroArquivo (file and cause) when it cannot be written.
void rpExportarPdf(const TrpPreparedPages& paginas, const QString& arquivo, const QString& titulo);
