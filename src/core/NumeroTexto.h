// The number texts shown by labels, lists and reports ("%n", "%n%%", "%2.0d", "%.2d").
#pragma once

#include <QChar>
#include <QString>

// Two decimals rounded half away from zero, thousands grouped, never "-0,00".
// The separators are passed in so the text can be checked under any locale.
QString NumeroTexto(double valor, QChar decimal, QChar milhar);
// The same rule with 0 to 3 decimals (the mirror-making readings use three).
QString NumeroTextoCasas(double valor, int casas, QChar decimal, QChar milhar);
// The decimal and thousands separators of QLocale() (thousands null when the locale has none).
void SeparadoresLocal(QChar& decimal, QChar& milhar);
// The same with the separators of QLocale().
QString NumeroTexto(double valor);

// Applies a format holding "%n" (replaced by NumeroTexto) and "%%" (one percent sign).
QString FormatarN(const QString& formato, double valor, QChar decimal, QChar milhar);
QString FormatarN(const QString& formato, double valor);

// "%2.0d": right-aligned in two characters, padded with a blank.
QString InteiroDois(int valor);
// "%.2d": at least two digits, padded with zeros.
QString InteiroDoisDigitos(int valor);
