// Number patterns, edit texts and text parsing of the numeric input field, with the separators
// passed in so that every rule can be checked under any locale.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace NumberFormat {

// Message of a text that can't be converted when the field is left; %1 is the cleaned text.
inline constexpr const char* MensagemConversao = "'%1' is not a valid floating point value";

// Formats a value with a number pattern of up to three sections ("positive;negative;zero").
// Placeholders: "0" (digit always shown), "#" (digit shown when significant), "." (position of
// the decimal separator), "," (thousands grouping when it stands in the integer part), "E+",
// "E-", "e+", "e-" followed by "0"s (exponent). Text in single or double quotes and any other
// character is copied. The value is rounded half away from zero to the decimals of the section;
// a value that rounds to zero is formatted as zero (third section when present, never a minus).
// Without a negative section a negative value gets a leading "-".
QString formatarPadrao(double valor, QStringView padrao, QChar decimal, QChar milhar);

// Edit text of a value: pattern "0." followed by `casas` "#", or "" for an exact zero when
// `zeroVazio` is set.
QString textoEdicao(double valor, int casas, bool zeroVazio, QChar decimal);

// The text as it is parsed: blanks at both ends dropped, every thousands separator removed (when
// it differs from the decimal separator), "." and "," that aren't the thousands separator turned
// into the decimal separator.
QString limparTexto(QStringView texto, QChar decimal, QChar milhar);

// A "." or "," typed by the user becomes the decimal separator unless it is the thousands
// separator; any other character is returned as it is.
QChar mapearSeparador(QChar c, QChar decimal, QChar milhar);

// Parses a cleaned text: optional sign, digits with at most one decimal separator (at least one
// digit), optional exponent. "" reads 0, a lone "-" minus zero and a lone "+" zero. Values beyond
// the range of a double don't parse; values too small for it read as zero.
bool analisarTexto(QStringView limpo, QChar decimal, double* valor);

// The range rule: no range when both limits are equal; clamped when max > min; when max < min,
// a zero max means a lower limit only, a zero min an upper limit only, otherwise nothing.
double aplicarFaixa(double valor, double minimo, double maximo);

// Whether a text produced by typing is acceptable: after cleaning it holds only digits, "+",
// "-", "e", "E" and the decimal separator; at most `casas` characters follow the decimal
// separator (up to and including an exponent's "E"); it parses; and it doesn't begin with "-"
// unless `aceitaNegativo`.
bool textoDigitavel(QStringView texto, QChar decimal, QChar milhar, int casas, bool aceitaNegativo);

} // namespace NumberFormat
