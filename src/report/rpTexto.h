// The report engine's own English texts (its messages, the preview control, the print and
// progress dialogs), read through rpIngles: Qt's translation in context "rpTexto" (Portuguese
// when the interface is Portuguese), or the English itself when none is installed.
#pragma once

#include <QString>

QString rpIngles(const char* texto);

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
inline constexpr const char* Preparando = " - Report preparing";
inline constexpr const char* Cancelar = "Cancel";
// The preview control
inline constexpr const char* FiltroArquivo = "Report file (*.rpp)";
inline constexpr const char* LarguraPagina = "&Page width";
inline constexpr const char* PaginaInteira = "&Whole page";
inline constexpr const char* DuasPaginas = "&Two pages";
// %1: the page shown, %2: the pages
inline constexpr const char* PaginaDe = "Page %1/%2";
// The print dialog
inline constexpr const char* ConfigurarImpressao = "Print Setup";
inline constexpr const char* Imprimir = "Print";
inline constexpr const char* Impressora = "Printer";
inline constexpr const char* Propriedades = "Properties";
inline constexpr const char* Copias = "&Copies:";
inline constexpr const char* Intervalo = "Page range";
inline constexpr const char* Todas = "&All";
inline constexpr const char* PaginaAtual = "Current &page";
inline constexpr const char* Numeros = "&Numbers:";
inline constexpr const char* NotaIntervalo =
    "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12";
} // namespace rpTexto
