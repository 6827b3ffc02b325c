// The design file (the 544-byte record as it is stored): read with every check of a damaged
// file, and saved without ever leaving a damaged file behind.
#pragma once

#include "ArquivoRegular.h"
#include "Global.h"

#include <QByteArray>
#include <QString>

// Design file. Both throw ErroArquivo with the file name and the cause; the record is changed
// only by a file that is accepted whole.
void LerArquivo(TProjeto& projeto, const QString& nomeArquivo);
void GravarArquivo(TProjeto projeto, const QString& nomeArquivo);

// Magnitude a number of a design stays under, read or computed: its "%n" text then fits the
// 20 characters of a report value ("-999.999.999.999,99").
inline constexpr double LimiteValorProjeto = 1e12;
// Fills the record from the bytes of a design file named `nomeArquivo`. Refused as damaged: fewer
// than 544 bytes, a double field that is not finite or not under LimiteValorProjeto, and inputs
// from which the recomputation (as stored, and with the inputs rounded to the two decimals the
// fields show) gives a value that is not.
void LerProjeto(TProjeto& projeto, const QByteArray& bytes, const QString& nomeArquivo);
