// Display formats of report values: pure functions with the separators passed in.
#pragma once

#include "Numeros.h"

#include <QChar>
#include <QString>
#include <QVariant>
#include <cstdint>

class QLocale;

// The separators a format works with. The decimal separator of a number format comes from the
// format word itself; the grouping and date separators are the user's.
struct TrpSeparadores {
    QChar decimal = QLatin1Char(',');
    QChar milhar = QLatin1Char('.');
    QChar data = QLatin1Char('/');
    QChar hora = QLatin1Char(':');
};

// The user's separators, taken from a locale (QLocale() by default).
TrpSeparadores SeparadoresDoLocale(const QLocale& locale);
TrpSeparadores SeparadoresDoLocale();

// A number with a float-format pattern: '0' digit, '#' optional digit, '.' decimal point, ','
// grouping, ';' sections (positive;negative;zero), quoted texts literal. A value that rounds to
// zero takes the zero section (or the first) and has no minus sign.
QString FormatarNumeroPadrao(double valor, const QString& padrao, QChar decimal, QChar milhar);

// A date/time with a pattern: d dd ddd dddd, m mm mmm mmmm (minutes after h), yy yyyy, h hh,
// n nn, s ss, z zzz, am/pm, '/' the date separator, ':' the time separator, quoted texts.
QString FormatarDataPadrao(const QDate& data, const QTime& hora, const QString& padrao,
                           const TrpSeparadores& sep);

// The plain text of a value (numbers with the decimal separator and no grouping).
QString TextoSimples(const QVariant& valor, const TrpSeparadores& sep);

// A value formatted by the format word (category, variant, decimals, decimal separator) and
// its pattern. An empty value gives one blank; a value that the category cannot format gives
// its plain text.
QString FormatarValor(const QVariant& valor, std::uint32_t formato, const QString& padrao,
                      const TrpSeparadores& sep);
