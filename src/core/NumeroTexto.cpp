// The number texts shown by labels, lists and reports.
#include "NumeroTexto.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Writes |valor| rounded half away from zero to `casas` decimals as integer part and fraction.
// The product by 10^casas (casas <= 3) is exact in the 64-bit mantissa of long double, so ties
// are true ties.
bool Fracao(double valor, int casas, unsigned long long& inteiro, unsigned& fracao) {
    unsigned escala = 1;
    for (int k = 0; k < casas; ++k)
        escala *= 10;
    const long double escalado = std::fabs(static_cast<long double>(valor)) * escala;
    if (!(escalado < 1.8e19L)) return false;
    const long double arredondado = std::roundl(escalado);
    const auto total = static_cast<unsigned long long>(arredondado);
    inteiro = total / escala;
    fracao = static_cast<unsigned>(total % escala);
    return true;
}

QString Agrupar(const QString& digitos, QChar milhar) {
    if (milhar.isNull()) return digitos;
    QString saida;
    saida.reserve(digitos.size() + digitos.size() / 3);
    const qsizetype n = digitos.size();
    for (qsizetype k = 0; k < n; ++k) {
        if (k > 0 && (n - k) % 3 == 0) saida += milhar;
        saida += digitos[k];
    }
    return saida;
}

} // namespace

QString NumeroTextoCasas(double valor, int casas, QChar decimal, QChar milhar) {
    casas = std::clamp(casas, 0, 3);
    if (std::isnan(valor)) return QStringLiteral("NAN");
    if (std::isinf(valor)) return valor < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    unsigned long long inteiro = 0;
    unsigned fracao = 0;
    QString digitos;
    if (Fracao(valor, casas, inteiro, fracao)) {
        digitos = QString::number(inteiro);
    } else {
        // Beyond 64-bit fractions: the exact decimal expansion of the double, which has no
        // fractional part at this magnitude.
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(valor));
        digitos = QString::fromLatin1(buffer);
        fracao = 0;
    }
    const bool negativo =
        valor < 0 && (inteiro != 0 || fracao != 0 || digitos != QLatin1String("0"));
    QString texto;
    texto.reserve(digitos.size() + 8);
    if (negativo) texto += QLatin1Char('-');
    texto += Agrupar(digitos, milhar);
    if (casas > 0) {
        texto += decimal;
        texto += QStringLiteral("%1").arg(fracao, casas, 10, QLatin1Char('0'));
    }
    return texto;
}

QString NumeroTexto(double valor, QChar decimal, QChar milhar) {
    return NumeroTextoCasas(valor, 2, decimal, milhar);
}

void SeparadoresLocal(QChar& decimal, QChar& milhar) {
    const QLocale local;
    const QString d = local.decimalPoint();
    const QString g = local.groupSeparator();
    decimal = d.isEmpty() ? QLatin1Char('.') : d.at(0);
    milhar = g.isEmpty() ? QChar() : g.at(0);
}

QString NumeroTexto(double valor) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return NumeroTexto(valor, decimal, milhar);
}

QString FormatarN(const QString& formato, double valor, QChar decimal, QChar milhar) {
    QString saida;
    saida.reserve(formato.size() + 16);
    for (qsizetype k = 0; k < formato.size(); ++k) {
        const QChar c = formato[k];
        if (c == QLatin1Char('%') && k + 1 < formato.size()) {
            const QChar proximo = formato[k + 1];
            if (proximo == QLatin1Char('n')) {
                saida += NumeroTexto(valor, decimal, milhar);
                ++k;
                continue;
            }
            if (proximo == QLatin1Char('%')) {
                saida += QLatin1Char('%');
                ++k;
                continue;
            }
        }
        saida += c;
    }
    return saida;
}

QString FormatarN(const QString& formato, double valor) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return FormatarN(formato, valor, decimal, milhar);
}

QString InteiroDois(int valor) {
    return QStringLiteral("%1").arg(valor, 2, 10, QLatin1Char(' '));
}

QString InteiroDoisDigitos(int valor) {
    if (valor < 0)
        return QLatin1Char('-') +
               QStringLiteral("%1").arg(-static_cast<long long>(valor), 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1").arg(valor, 2, 10, QLatin1Char('0'));
}
