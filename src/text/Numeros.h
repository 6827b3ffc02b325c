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

// Integer digits with the thousands separator every three digits from the right (none when the
// separator is null).
QString AgruparMilhares(const QString& digitos, QChar milhar);

// Fixed point with `decimais` decimals (clamped to 0-18), grouped or not; a value that rounds to
// zero has no minus sign; non-finite values as TextoNaoFinito.
QString NumeroFixo(double valor, int decimais, bool agrupar, QChar decimal, QChar milhar);

// The sections of a number pattern ("positive;negative;zero"): split at each ';' outside single
// or double quotes, quotes kept. Always at least one section.
QStringList SecoesDoPadrao(QStringView padrao);
