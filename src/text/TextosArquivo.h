// The file checks' own texts (Portuguese, the source language), read through TextoArquivo:
// Qt's translation in context "ArquivoRegular", or the Portuguese itself when none is installed.
#pragma once

#include <QString>

QString TextoArquivo(const char* texto);

namespace TextosArquivo {
// "<file>: <cause>"
inline constexpr const char* Causa = "%1: %2";
// %1: what the name is instead (one of the Tipo texts)
inline constexpr const char* NaoRegular = "não é um arquivo regular (%1); nada foi lido";
inline constexpr const char* TipoPasta = "é uma pasta";
inline constexpr const char* TipoPipe = "é um pipe nomeado";
inline constexpr const char* TipoSocket = "é um socket";
inline constexpr const char* TipoDispositivo = "é um dispositivo";
inline constexpr const char* TipoDesconhecido = "é de um tipo especial";
// %1 the file's size, %2 the largest size read, %3 what the file should be (its format)
inline constexpr const char* GrandeDemais =
    "o arquivo tem %1 bytes, mais do que os %2 bytes que %3 pode ter; nada foi lido";
inline constexpr const char* NaoExiste = "o arquivo não existe (foi removido ou renomeado?)";
inline constexpr const char* SemLeitura = "sem permissão para ler o arquivo";
inline constexpr const char* SemGravacao = "sem permissão para gravar o arquivo ou a pasta";
inline constexpr const char* DiscoCheio = "disco cheio: o projeto não foi gravado";
inline constexpr const char* PastaNaoExiste = "a pasta do arquivo não existe";
inline constexpr const char* ErroSistema = "erro do sistema: %1";
} // namespace TextosArquivo
