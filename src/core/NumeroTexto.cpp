// The number texts shown by labels, lists and reports.
#include "NumeroTexto.h"

#include "Numeros.h"

#include <algorithm>

QString NumeroTextoCasas(double valor, int casas, QChar decimal, QChar milhar) {
    return NumeroFixo(valor, std::clamp(casas, 0, 3), true, decimal, milhar);
}

QString NumeroTexto(double valor, QChar decimal, QChar milhar) {
    return NumeroTextoCasas(valor, 2, decimal, milhar);
}

void SeparadoresLocal(QChar& decimal, QChar& milhar) {
    const SeparadoresNumero s = SeparadoresDoUsuario();
    decimal = s.decimal;
    milhar = s.milhar;
}

QString NumeroTexto(double valor) {
    const SeparadoresNumero s = SeparadoresDoUsuario();
    return NumeroFixo(valor, 2, true, s.decimal, s.milhar);
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
    const SeparadoresNumero s = SeparadoresDoUsuario();
    return FormatarN(formato, valor, s.decimal, s.milhar);
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
