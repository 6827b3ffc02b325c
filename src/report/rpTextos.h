// The report engine's own Portuguese texts, read through rpTraduzir: Qt's translation in context
// "rpTextos", or the Portuguese itself when none is installed. Its English ones: rpTexto.h.
#pragma once

#include <QString>

QString rpTraduzir(const char* texto);

namespace rpTextos {
// What a prepared-report file is, in the file checks' messages.
inline constexpr const char* FormatoRelatorio = "um relatório preparado (.rpp)";
} // namespace rpTextos
