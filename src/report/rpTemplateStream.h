// Binary report templates: the "ReportForm" envelope and the template stream, read and written.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class TrpReport;

namespace rpTemplate {

// The stream version written, and the highest one read.
inline constexpr int Versao = 23;

// Error text and caption for any template that cannot be read.
QString textoErro();  // "Unsupported report template format"
QString tituloErro(); // "Error"

// Reads a template stream (version byte first) into `report`: its pages are replaced, and its
// print flags, printer name, values and variables are set. On any error nothing that was read
// is kept, the report is left with one empty page, and false is returned with the error text
// and caption. Bands are linked to their data sources afterwards (see ligarDataSources).
bool lerStream(TrpReport& report, const QByteArray& stream, QString* erro = nullptr,
               QString* titulo = nullptr);

// Reads the "ReportForm" envelope (32-bit version 23, 32-bit length, template stream).
bool lerForm(TrpReport& report, const QByteArray& form, QString* erro = nullptr,
             QString* titulo = nullptr);

// Loads a template from a file (or a Qt resource) holding a "ReportForm".
bool carregarRecurso(TrpReport& report, const QString& caminho, QString* erro = nullptr,
                     QString* titulo = nullptr);

// Points every band at the data source named by its format string among report.dataSources
// (nullptr when none has that name).
void ligarDataSources(TrpReport& report);

// Writes the template stream (version 23) and the "ReportForm" envelope around it.
QByteArray escreverStream(const TrpReport& report);
QByteArray escreverForm(const TrpReport& report);

// Frame widths are stored as 32-bit integers: up to 10 a whole width, above it thousandths.
double larguraMoldura(std::int32_t armazenada);
std::int32_t armazenarLarguraMoldura(double largura);

// Size in bytes of a graphic in its own file format as it lies at the start of `dados`
// (kind 1 bitmap file, 2 placeable or plain metafile, 3 icon file; 0 none gives 0);
// -1 when the data is not a well-formed graphic of that kind or runs past the end.
qint64 tamanhoGrafico(int tipo, const char* dados, qint64 disponivel);

} // namespace rpTemplate
