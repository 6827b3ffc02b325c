// Number text pieces shared by every library: the user's separators, fixed decimals rounded half
// away from zero, thousands grouping and the sections of a number pattern.
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <string>

// The decimal and thousands separators: '.' when a locale gives no decimal separator, a null
// thousands separator when it gives none.
struct SeparadoresNumero {
    QChar decimal = QLatin1Char('.');
    QChar milhar;
};
SeparadoresNumero SeparadoresDe(const QLocale& locale);
SeparadoresNumero SeparadoresDoUsuario(); // of QLocale()

// "NAN", "INF" or "-INF".
QString TextoNaoFinito(double valor);

// Digits of round(|valor| x 10^decimais) (decimais clamped to 0-18), rounded half away from zero
// on the exact binary value of `valor` (26.875 with 2 decimals gives "2688"; 1.005 gives
// "100"). Never empty.
std::string DigitosArredondados(double valor, int decimais);

// A non-negative value as decimal digits: value = 0.digitos x 10^ponto, so `ponto` is the
// number of digits before the decimal point (negative for values below 0.1). No trailing zeros;
// zero has no digits.
struct DecimalTexto {
    std::string digitos;
    int ponto = 0;
};

// |valor| as the decimal text a number field shows: fifteen significant digits, so every double
// prints back to the decimal text it was typed as (the largest doubles keep seventeen). Zero and
// non-finite values have no digits.
DecimalTexto DecimalDoValor(double valor);

// Rounds the decimal text half away from zero to `casas` decimals.
void ArredondarDecimal(DecimalTexto& d, int casas);

// The value a number field holds after showing `valor` with at most `casas` decimals and reading
// its text back: the decimal text of DecimalDoValor rounded half away from zero (1.005 and 2.675
// give 1.01 and 2.68, as typed; a value that rounds to zero gives +0; non-finite values are
// returned as they are).
double ArredondarComoTexto(double valor, int casas);

// Integer digits with the thousands separator every three digits from the right (none when the
// separator is null).
QString AgruparMilhares(const QString& digitos, QChar milhar);

// Fixed point with `decimais` decimals (clamped to 0-18), grouped or not; a value that rounds to
// zero has no minus sign; non-finite values as TextoNaoFinito.
QString NumeroFixo(double valor, int decimais, bool agrupar, QChar decimal, QChar milhar);

// The sections of a number pattern ("positive;negative;zero"): split at each ';' outside single
// or double quotes, quotes kept. Always at least one section.
QStringList SecoesDoPadrao(QStringView padrao);
